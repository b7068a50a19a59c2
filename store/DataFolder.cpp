#include "DataFolder.h"

#include "FieldText.h"
#include "SingleByteText.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cstdio>

namespace {

bool hasFolderPart(const QString& fileName)
{
    return fileName.isEmpty() || fileName.contains(u'/') || fileName.contains(u'\\') || fileName.contains(QChar(0)) ||
           fileName == u"." || fileName == u"..";
}

QString badNameError(const QString& fileName)
{
    return QStringLiteral("The file name \"%1\" cannot be used in the program folder.").arg(fileName);
}

} // namespace

DataFolder::DataFolder(QString folderPath) : m_path(std::move(folderPath)) {}

// The name is always taken as a file inside the folder: QDir would take a name that begins with
// ":" for a resource path and hand it back without the folder.
QString DataFolder::filePath(const QString& fileName) const
{
    return m_path.endsWith(u'/') ? m_path + fileName : m_path + u'/' + fileName;
}

bool DataFolder::exists(const QString& fileName) const
{
    return !hasFolderPart(fileName) && QFileInfo(filePath(fileName)).isFile();
}

StoreResult encodeLines(const QStringList& values, const QString& fileName, QByteArray& bytes,
                        fieldtext::LeadingBlanks blanks)
{
    bytes.clear();
    for (const QString& value : values) {
        const std::optional<QString> line = fieldtext::line(value, blanks);
        const auto encoded = line ? singlebyte::encode(*line) : std::nullopt;
        if (!encoded) {
            return {QStringLiteral("The text \"%1\" cannot be saved in %2: %3.")
                        .arg(fieldtext::excerpt(value), fileName, fieldtext::problem(value))};
        }
        bytes += *encoded;
        bytes += "\r\n";
    }
    return {};
}

StoreResult writeAtomically(QSaveFile& file, const QByteArray& bytes)
{
    const QString name = QFileInfo(file.fileName()).fileName();
    if (!file.open(QIODevice::WriteOnly))
        return {QStringLiteral("Could not write %1: %2").arg(name, file.errorString())};
    // write() may only fill a buffer: the bytes are on disk only once flush() has said so, and a
    // full disk must never let the empty or cut copy take the old file's place.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        file.commit();
        return {QStringLiteral("Could not write %1: %2").arg(name, reason)};
    }
    if (!file.commit())
        return {QStringLiteral("Could not write %1: %2").arg(name, file.errorString())};
    return {};
}

StoreResult DataFolder::replace(const QString& fileName, const QStringList& values,
                                fieldtext::LeadingBlanks blanks) const
{
    if (hasFolderPart(fileName))
        return {badNameError(fileName)};
    QByteArray bytes;
    if (StoreResult encoded = encodeLines(values, fileName, bytes, blanks); !encoded.ok())
        return encoded;
    QSaveFile file(filePath(fileName));
    return writeAtomically(file, bytes);
}

// The new line goes in by writing the whole file anew, so that an append cut short leaves the
// file as it was rather than an unfinished line that would swallow the next name.
StoreResult DataFolder::append(const QString& fileName, const QString& value) const
{
    if (hasFolderPart(fileName))
        return {badNameError(fileName)};
    QByteArray line;
    if (StoreResult encoded = encodeLines({value}, fileName, line); !encoded.ok())
        return encoded;
    QByteArray bytes;
    if (QFile existing(filePath(fileName)); existing.exists()) {
        if (!existing.open(QIODevice::ReadOnly))
            return {QStringLiteral("Could not write %1: %2").arg(fileName, existing.errorString())};
        bytes = existing.readAll();
    }
    if (!bytes.isEmpty() && !bytes.endsWith('\n'))
        bytes += "\r\n"; // a last line without its end would join the new value
    bytes += line;
    QSaveFile file(filePath(fileName));
    return writeAtomically(file, bytes);
}

OpenedFile DataFolder::read(const QString& fileName) const
{
    OpenedFile opened;
    if (hasFolderPart(fileName)) {
        opened.state = FileState::BadName;
        opened.error = badNameError(fileName);
        return opened;
    }
    QFile file(filePath(fileName));
    const QFileInfo info(file.fileName());
    if (!info.exists()) {
        opened.state = FileState::Missing;
        opened.error = QStringLiteral("The file %1 was not found.").arg(fileName);
        return opened;
    }
    if (!info.isFile()) {
        opened.state = FileState::Unreadable;
        opened.error = QStringLiteral("Could not read %1: it is a folder, not a file.").arg(fileName);
        return opened;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        opened.state = FileState::Unreadable;
        opened.error = QStringLiteral("Could not read %1: %2").arg(fileName, file.errorString());
        return opened;
    }
    opened.state = FileState::Ok;
    opened.fields = FieldReader(singlebyte::decode(file.readAll()));
    return opened;
}

StoreResult DataFolder::remove(const QString& fileName) const
{
    if (hasFolderPart(fileName))
        return {badNameError(fileName)};
    QFile file(filePath(fileName));
    if (!file.remove())
        return {QStringLiteral("Could not delete %1: %2").arg(fileName, file.errorString())};
    return {};
}

StoreResult DataFolder::renameOver(const QString& from, const QString& to) const
{
    if (hasFolderPart(from) || hasFolderPart(to))
        return {badNameError(hasFolderPart(from) ? from : to)};
    // rename() replaces the target in one step, so the target name never goes missing.
    const QByteArray source = QFile::encodeName(filePath(from));
    const QByteArray target = QFile::encodeName(filePath(to));
    if (std::rename(source.constData(), target.constData()) != 0)
        return {QStringLiteral("Could not rename %1 to %2.").arg(from, to)};
    return {};
}
