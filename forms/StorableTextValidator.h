#pragma once

#include <QValidator>

namespace forms {

// Keeps text out of a box that the data files cannot give back as typed (a character one byte
// cannot hold, a leading double quote, a double quote beside a comma), so that nothing typed is
// changed or dropped when it is saved. Each refusal says why, so the window can tell the user.
class StorableTextValidator : public QValidator {
    Q_OBJECT
public:
    // Why a text cannot be stored; empty when it can.
    using Rule = QString (*)(const QString& text);

    // A file that writes the box's text its own way may hold more: it gives its own rule.
    explicit StorableTextValidator(QObject* parent = nullptr, Rule rule = nullptr);
    State validate(QString& input, int& pos) const override;

signals:
    void refused(const QString& reason) const;

private:
    Rule m_rule;
};

} // namespace forms
