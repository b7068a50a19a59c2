#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// The bytes of a file as a test finds them on disk; "<missing>" when there is no such file, so
// that a missing file never compares equal to an empty one.
inline QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}
