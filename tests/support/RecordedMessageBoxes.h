#pragma once

#include "MessageBoxes.h"

#include <QStringList>

// Remembers every message and answers questions from a queue (the question's default answer
// when the queue is empty).
class RecordedMessageBoxes : public MessageBoxes {
public:
    struct Shown {
        QString text;
        QString title;
        Icon icon = Icon::None;
        bool question = false;
        Answer defaultAnswer = Answer::Ok; // Yes or No for a question
    };

    void tell(const QString& text, const QString& title, Icon icon) override
    {
        shown.append({text, title, icon, false});
    }
    Answer askYesNo(const QString& text, const QString& title, Answer defaultAnswer) override
    {
        shown.append({text, title, Icon::Question, true, defaultAnswer});
        return answers.isEmpty() ? defaultAnswer : answers.takeFirst();
    }

    QList<Shown> shown;
    QList<Answer> answers;
    QStringList texts() const;
};
