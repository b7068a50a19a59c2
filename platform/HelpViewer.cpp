#include "platform/HelpViewer.h"

#include "platform/MessageBoxes.h"
#include "platform/ProgramFiles.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace platform {

namespace helpguide {

QString find(const QString& programFolder)
{
    return programfiles::find(
        programFolder, {QStringLiteral("help/index.html"), QStringLiteral("../share/hourlyrates/help/index.html")});
}

} // namespace helpguide

DesktopHelpViewer::DesktopHelpViewer(MessageBoxes& messages, Opener open)
    : m_messages(messages), m_open(open ? std::move(open) : Opener(&QDesktopServices::openUrl))
{
}

DesktopHelpViewer::~DesktopHelpViewer()
{
    delete m_window;
}

void DesktopHelpViewer::show(const QString& helpFilePath, Command command)
{
    const QFileInfo file(helpFilePath);
    // The guide has contents and an index of its own, but no instructions for a viewer.
    const QString guide = command == HelpOnHelp ? QString() : helpguide::find(file.absolutePath());
    const QString shown = file.isFile() ? file.absoluteFilePath() : guide;
    if (shown.isEmpty()) {
        m_messages.tell(tr("The help file %1 was not found in %2.").arg(file.fileName(), file.absolutePath()));
        return;
    }
    if (m_open(QUrl::fromLocalFile(shown)))
        return;
    if (!guide.isEmpty()) {
        showInOwnWindow(guide, command);
        return;
    }
    m_messages.tell(tr("No viewer could open the help file %1.").arg(shown));
}

void DesktopHelpViewer::showInOwnWindow(const QString& guide, Command command)
{
    if (!m_window)
        m_window = new HelpWindow;
    QUrl place = QUrl::fromLocalFile(guide);
    if (command == Index)
        place.setFragment(QStringLiteral("index"));
    m_window->showGuide(place);
}

} // namespace platform
