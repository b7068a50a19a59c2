#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QString>

// The bytes of a file as a test finds them on disk; "<missing>" when there is no such file, so
// that a missing file never compares equal to an empty one.
inline QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Puts the bytes in the file as they are, as a user or another program might have left them.
inline bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Everything in the folder by name, hidden files included.
inline QStringList folderEntries(const QString& path)
{
    return QDir(path).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

// Everything in the folder by name with its bytes, so that a test can tell exactly what changed.
inline QMap<QString, QByteArray> filesIn(const QString& path)
{
    QMap<QString, QByteArray> files;
    for (const QString& name : folderEntries(path))
        files.insert(name, contentOf(QDir(path).filePath(name)));
    return files;
}
