#pragma once

#include <QList>
#include <QString>

class MessageBoxes;

// Opens the program's help file at one of its views.
class HelpViewer {
public:
    enum Command { Contents = 15, Index = 257, HelpOnHelp = 4 };

    virtual ~HelpViewer() = default;
    virtual void show(const QString& helpFilePath, Command command) = 0;
};

// Hands the help file to the desktop's viewer; says so plainly when the file is missing.
class DesktopHelpViewer : public HelpViewer {
public:
    explicit DesktopHelpViewer(MessageBoxes& messages) : m_messages(messages) {}
    void show(const QString& helpFilePath, Command command) override;

private:
    MessageBoxes& m_messages;
};
