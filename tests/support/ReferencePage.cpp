#include "tests/support/ReferencePage.h"

#include <QFile>

QByteArray referenceBytes(const QString& file)
{
    QFile reference(QStringLiteral(TEST_DATA_DIR "/") + file);
    return reference.open(QIODevice::ReadOnly) ? reference.readAll() : "<missing reference " + file.toLatin1() + '>';
}

QStringList referencePage(const QString& file)
{
    QStringList lines = QString::fromLatin1(referenceBytes(file)).split(u'\n');
    if (lines.last().isEmpty())
        lines.removeLast();
    for (QString& line : lines)
        if (line.endsWith(u'\r'))
            line.chop(1);
    return lines;
}
