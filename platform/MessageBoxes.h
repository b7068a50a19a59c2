#pragma once

#include "report/TextTable.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace platform {

// Every message the program shows the user goes through here, so that tests can record and
// answer them instead of blocking on a dialog.
class MessageBoxes {
public:
    enum class Icon { None, Information, Warning, Critical, Question };
    enum class Answer { Ok, Yes, No };

    virtual ~MessageBoxes() = default;
    // A message with an OK button; an empty title shows the program's title.
    virtual void tell(const QString& text, const QString& title = {}, Icon icon = Icon::None) = 0;
    // The same message with a longer account behind it that the user may open and scroll.
    virtual void tellWithDetails(const QString& text, const QString& details, const QString& title = {},
                                 Icon icon = Icon::None) = 0;
    // A question with Yes and No buttons; Enter gives the default answer.
    virtual Answer askYesNo(const QString& text, const QString& title = {}, Answer defaultAnswer = Answer::Yes) = 0;
    // The same question with a table behind it that the user may open, resize and scroll.
    virtual Answer askYesNoWithDetails(const QString& text, const report::TextTable& details, const QString& title = {},
                                       Answer defaultAnswer = Answer::No) = 0;
    // A question with a button per choice, in order; gives the index of the one chosen. Enter
    // gives `defaultChoice`; Escape and the close box give the last choice, which cancels.
    virtual int askChoice(const QString& text, const QStringList& choices, int defaultChoice,
                          const QString& title = {}) = 0;
    // A line of text the user types, starting from `suggestion`; nothing when the user cancelled.
    virtual std::optional<QString> askText(const QString& prompt, const QString& title = {},
                                           const QString& suggestion = {}) = 0;
};

// Shows real message boxes.
class DialogMessageBoxes : public MessageBoxes {
public:
    void tell(const QString& text, const QString& title, Icon icon) override;
    void tellWithDetails(const QString& text, const QString& details, const QString& title, Icon icon) override;
    Answer askYesNo(const QString& text, const QString& title, Answer defaultAnswer) override;
    Answer askYesNoWithDetails(const QString& text, const report::TextTable& details, const QString& title,
                               Answer defaultAnswer) override;
    int askChoice(const QString& text, const QStringList& choices, int defaultChoice, const QString& title) override;
    std::optional<QString> askText(const QString& prompt, const QString& title, const QString& suggestion) override;
};

} // namespace platform
