#pragma once

#include "platform/HelpWindow.h"

#include <QCoreApplication>
#include <QList>
#include <QPointer>
#include <QString>

#include <functional>

class QUrl;

namespace platform {

class MessageBoxes;

// Opens the program's help file at one of its views.
class HelpViewer {
public:
    enum Command { Contents = 15, Index = 257, HelpOnHelp = 4 };

    virtual ~HelpViewer() = default;
    virtual void show(const QString& helpFilePath, Command command) = 0;
};

// Hands the help file to the desktop's viewer. A program shipped without it gets the user guide
// for the contents and the index instead, and where no viewer can open what is there, the guide
// shows in a help window of the program's own; only when there is no guide either is the user
// told plainly.
class DesktopHelpViewer : public HelpViewer {
    Q_DECLARE_TR_FUNCTIONS(DesktopHelpViewer)

public:
    // How a file is handed to the desktop; the desktop's own handler unless one is given.
    using Opener = std::function<bool(const QUrl&)>;

    explicit DesktopHelpViewer(MessageBoxes& messages, Opener open = {});
    ~DesktopHelpViewer() override;
    void show(const QString& helpFilePath, Command command) override;

    // The program's own help window, while it is open.
    HelpWindow* window() const { return m_window; }

private:
    void showInOwnWindow(const QString& guide, Command command);

    MessageBoxes& m_messages;
    Opener m_open;
    QPointer<HelpWindow> m_window;
};

namespace helpguide {

// The user guide that ships with the program in the given folder: beside it in a build or a
// portable set-up, or where an installation puts shared files; empty when there is none.
QString find(const QString& programFolder);

} // namespace helpguide

} // namespace platform
