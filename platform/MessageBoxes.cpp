#include "MessageBoxes.h"

#include "ProgramFacts.h"

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

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
    return title.isEmpty() ? program::kTitle : title;
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
    return askYesNoWithDetails(text, {}, title, defaultAnswer);
}

MessageBoxes::Answer DialogMessageBoxes::askYesNoWithDetails(const QString& text, const QString& details,
                                                             const QString& title, Answer defaultAnswer)
{
    QMessageBox box(QMessageBox::Question, titleOrProgram(title), text, QMessageBox::Yes | QMessageBox::No,
                    QApplication::activeWindow());
    if (!details.isEmpty())
        box.setDetailedText(details);
    box.setDefaultButton(defaultAnswer == Answer::No ? QMessageBox::No : QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
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
