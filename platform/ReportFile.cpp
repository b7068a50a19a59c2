#include "platform/ReportFile.h"

#include <QDir>
#include <QFileInfo>

namespace platform {

namespace {

QString fileNamePart(QString text)
{
    for (QChar& c : text)
        if (c == u'/' || c == u'\\' || c == QChar(0) || c == u':' || c.category() == QChar::Other_Control)
            c = u'_';
    return text.trimmed();
}

} // namespace

QString reportFilePath(const QString& folderPath, const QString& reportName, const QString& equipmentName)
{
    const QString equipment = fileNamePart(equipmentName);
    const QString base = equipment.isEmpty() ? reportName : reportName + QStringLiteral(" - ") + equipment;
    const QDir folder(folderPath);
    QString path = folder.absoluteFilePath(base + QStringLiteral(".pdf"));
    for (int copy = 2; QFileInfo::exists(path); ++copy)
        path = folder.absoluteFilePath(QStringLiteral("%1 (%2).pdf").arg(base).arg(copy));
    return path;
}

} // namespace platform
