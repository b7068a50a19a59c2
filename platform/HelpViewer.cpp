#include "HelpViewer.h"

#include "MessageBoxes.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace helpguide {

QString find(const QString& programFolder)
{
    const QDir folder(programFolder);
    for (const char* place : {"help/index.html", "../share/hourlyrates/help/index.html"})
        if (const QFileInfo guide(QDir::cleanPath(folder.absoluteFilePath(QString::fromLatin1(place)))); guide.isFile())
            return guide.filePath();
    return QString();
}

} // namespace helpguide

DesktopHelpViewer::DesktopHelpViewer(MessageBoxes& messages, Opener open)
    : m_messages(messages), m_open(open ? std::move(open) : Opener(&QDesktopServices::openUrl))
{
}

void DesktopHelpViewer::show(const QString& helpFilePath, Command command)
{
    const QFileInfo file(helpFilePath);
    if (file.isFile()) {
        open(file.absoluteFilePath(), QStringLiteral("the help file"));
        return;
    }
    // The guide has contents and an index of its own, but no instructions for a viewer.
    if (command != HelpOnHelp) {
        if (const QString guide = helpguide::find(file.absolutePath()); !guide.isEmpty()) {
            open(guide, QStringLiteral("the user guide"));
            return;
        }
    }
    m_messages.tell(QStringLiteral("The help file %1 was not found in %2.").arg(file.fileName(), file.absolutePath()));
}

void DesktopHelpViewer::open(const QString& path, const QString& what)
{
    if (!m_open(QUrl::fromLocalFile(path)))
        m_messages.tell(QStringLiteral("No viewer could open %1 %2.").arg(what, path));
}
