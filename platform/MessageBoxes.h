#pragma once

#include <QList>
#include <QString>

// Every message the program shows the user goes through here, so that tests can record and
// answer them instead of blocking on a dialog.
class MessageBoxes {
public:
    enum class Icon { None, Information, Warning, Critical, Question };
    enum class Answer { Ok, Yes, No };

    virtual ~MessageBoxes() = default;
    // A message with an OK button; an empty title shows the program's title.
    virtual void tell(const QString& text, const QString& title = {}, Icon icon = Icon::None) = 0;
    // A question with Yes and No buttons; Enter gives the default answer.
    virtual Answer askYesNo(const QString& text, const QString& title = {}, Answer defaultAnswer = Answer::Yes) = 0;
};

// Shows real message boxes.
class DialogMessageBoxes : public MessageBoxes {
public:
    void tell(const QString& text, const QString& title, Icon icon) override;
    Answer askYesNo(const QString& text, const QString& title, Answer defaultAnswer) override;
};
