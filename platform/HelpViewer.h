#pragma once

#include <QList>
#include <QString>

#include <functional>

class MessageBoxes;
class QUrl;

// Opens the program's help file at one of its views.
class HelpViewer {
public:
    enum Command { Contents = 15, Index = 257, HelpOnHelp = 4 };

    virtual ~HelpViewer() = default;
    virtual void show(const QString& helpFilePath, Command command) = 0;
};

// Hands the help file to the desktop's viewer. Desktops without a viewer for that file, or a
// program shipped without it, get the user guide for the contents and the index instead; when
// neither is there the user is told plainly.
class DesktopHelpViewer : public HelpViewer {
public:
    // How a file is handed to the desktop; the desktop's own handler unless one is given.
    using Opener = std::function<bool(const QUrl&)>;

    explicit DesktopHelpViewer(MessageBoxes& messages, Opener open = {});
    void show(const QString& helpFilePath, Command command) override;

private:
    void open(const QString& path, const QString& what);

    MessageBoxes& m_messages;
    Opener m_open;
};

namespace helpguide {

// The user guide that ships with the program in the given folder: beside it in a build or a
// portable set-up, or where an installation puts shared files; empty when there is none.
QString find(const QString& programFolder);

} // namespace helpguide
