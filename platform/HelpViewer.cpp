#include "HelpViewer.h"

#include "MessageBoxes.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

void DesktopHelpViewer::show(const QString& helpFilePath, Command)
{
    const QFileInfo file(helpFilePath);
    if (!file.isFile()) {
        m_messages.tell(
            QStringLiteral("The help file %1 was not found in %2.").arg(file.fileName(), file.absolutePath()));
        return;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(file.absoluteFilePath())))
        m_messages.tell(QStringLiteral("No viewer could open the help file %1.").arg(file.absoluteFilePath()));
}
