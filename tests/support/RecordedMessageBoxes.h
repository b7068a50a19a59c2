#pragma once

#include "platform/MessageBoxes.h"

#include <QStringList>

#include <optional>

// Remembers every message and answers questions from a queue (the question's default answer
// when the queue is empty); a text question shows its suggestion as its details.
class RecordedMessageBoxes : public platform::MessageBoxes {
public:
    struct Shown {
        QString text;
        QString title;
        Icon icon = Icon::None;
        bool question = false;
        Answer defaultAnswer = Answer::Ok; // Yes or No for a question
        QString details;         // what a message or question with details holds behind its text, a row a line
        report::TextTable table; // a question's details as the table the user opens
    };

    void tell(const QString& text, const QString& title, Icon icon) override
    {
        shown.append({text, title, icon, false, Answer::Ok, {}, {}});
    }
    void tellWithDetails(const QString& text, const QString& details, const QString& title, Icon icon) override
    {
        shown.append({text, title, icon, false, Answer::Ok, details, {}});
    }
    Answer askYesNo(const QString& text, const QString& title, Answer defaultAnswer) override
    {
        shown.append({text, title, Icon::Question, true, defaultAnswer, {}, {}});
        return answers.isEmpty() ? defaultAnswer : answers.takeFirst();
    }
    Answer askYesNoWithDetails(const QString& text, const report::TextTable& details, const QString& title,
                               Answer defaultAnswer) override
    {
        shown.append({text, title, Icon::Question, true, defaultAnswer, linesOf(details), details});
        return answers.isEmpty() ? defaultAnswer : answers.takeFirst();
    }
    // Answers from `choices`, the default when it is empty; the choices are the question's details.
    int askChoice(const QString& text, const QStringList& offered, int defaultChoice, const QString& title) override
    {
        shown.append({text, title, Icon::Question, true, Answer::Ok, offered.join(u'|'), {}});
        return choices.isEmpty() ? defaultChoice : choices.takeFirst();
    }
    // Answers text questions from `typed`; cancelled when it is empty.
    std::optional<QString> askText(const QString& prompt, const QString& title, const QString& suggestion) override
    {
        shown.append({prompt, title, Icon::Question, true, Answer::Ok, suggestion, {}});
        if (typed.isEmpty())
            return std::nullopt;
        return typed.takeFirst();
    }

    QList<Shown> shown;
    QList<Answer> answers;
    QList<int> choices;
    QStringList typed;
    QStringList texts() const;

private:
    static QString linesOf(const report::TextTable& table);
};
