#pragma once

#include "forms/AccessiblePrompt.h"
#include "forms/NamedWidget.h"

#include <QFont>
#include <QLabel>
#include <QLineEdit>

class QWidget;

namespace forms {

// The pieces the main window's tab pages are built of.
namespace pageparts {

template <typename Name> QLabel* label(const Name& name, const QString& text, QWidget* parent)
{
    return named(new QLabel(text, parent), name);
}

template <typename Name> QLineEdit* inputBox(const Name& name, QWidget* parent)
{
    auto* edit = named(new QLineEdit(parent), name);
    edit->setMinimumWidth(130);
    return edit;
}

// A box that a screen reader announces by the words of the prompt beside it.
template <typename Name> QLineEdit* promptedBox(const Name& name, const QLabel* prompt, QWidget* parent)
{
    QLineEdit* box = inputBox(name, parent);
    nameAfterPrompt(box, prompt->text());
    return box;
}

QFont boldFont(const QWidget* widget, qreal points = 0);

// "Name of Equipment:" and the label that shows the name, centred on a row of their own; `extra`
// stands between them. `member` tells the row's label from those on the other tabs.
struct NameRow {
    QWidget* row;
    QLabel* name;
};
NameRow nameRow(int member, QWidget* extra = nullptr);

} // namespace pageparts

} // namespace forms
