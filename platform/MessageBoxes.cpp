#include "platform/MessageBoxes.h"

#include "platform/ProgramFacts.h"
#include "platform/TableQuestion.h"

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

using namespace report;

namespace platform {

namespace {
QMessageBox::Icon toDialogIcon(MessageBoxes::Icon icon)
{
    switch (icon) {
    case MessageBoxes::Icon::Information:
        return QMessageBox::Information;
    case MessageBoxes::Icon::Warning:
        return QMessageBox::Warning;
    case MessageBoxes::Icon::Critical:
        return QMessageBox::Critical;
    case MessageBoxes::Icon::Question:
        return QMessageBox::Question;
    case MessageBoxes::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QString titleOrProgram(const QString& title)
{
    return title.isEmpty() ? program::shownTitle() : title;
}
} // namespace

void DialogMessageBoxes::tell(const QString& text, const QString& title, Icon icon)
{
    tellWithDetails(text, {}, title, icon);
}

void DialogMessageBoxes::tellWithDetails(const QString& text, const QString& details, const QString& title, Icon icon)
{
    QMessageBox box(toDialogIcon(icon), titleOrProgram(title), text, QMessageBox::Ok, QApplication::activeWindow());
    if (!details.isEmpty())
        box.setDetailedText(details);
    box.exec();
}

MessageBoxes::Answer DialogMessageBoxes::askYesNo(const QString& text, const QString& title, Answer defaultAnswer)
{
    QMessageBox box(QMessageBox::Question, titleOrProgram(title), text, QMessageBox::Yes | QMessageBox::No,
                    QApplication::activeWindow());
    box.setDefaultButton(defaultAnswer == Answer::No ? QMessageBox::No : QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

MessageBoxes::Answer DialogMessageBoxes::askYesNoWithDetails(const QString& text, const TextTable& details,
                                                             const QString& title, Answer defaultAnswer)
{
    TableQuestion question(titleOrProgram(title), text, details, defaultAnswer == Answer::Yes,
                           QApplication::activeWindow());
    return question.exec() == QDialog::Accepted ? Answer::Yes : Answer::No;
}

int DialogMessageBoxes::askChoice(const QString& text, const QStringList& choices, int defaultChoice,
                                  const QString& title)
{
    QMessageBox box(QMessageBox::Question, titleOrProgram(title), text, QMessageBox::NoButton,
                    QApplication::activeWindow());
    QList<QPushButton*> buttons;
    for (const QString& choice : choices)
        buttons.append(box.addButton(choice, QMessageBox::AcceptRole));
    if (buttons.isEmpty())
        return -1;
    box.setDefaultButton(buttons.value(defaultChoice, buttons.last()));
    box.setEscapeButton(buttons.last());
    box.exec();
    const auto chosen = buttons.indexOf(qobject_cast<QPushButton*>(box.clickedButton()));
    return chosen >= 0 ? static_cast<int>(chosen) : static_cast<int>(buttons.size() - 1);
}

std::optional<QString> DialogMessageBoxes::askText(const QString& prompt, const QString& title,
                                                   const QString& suggestion)
{
    bool accepted = false;
    const QString text = QInputDialog::getText(QApplication::activeWindow(), titleOrProgram(title), prompt,
                                               QLineEdit::Normal, suggestion, &accepted);
    if (!accepted)
        return std::nullopt;
    return text;
}

} // namespace platform
