#include "DataFolder.h"

#include "SingleByteText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cstdio>

namespace {

bool hasFolderPart(const QString& fileName)
{
    return fileName.isEmpty() || fileName.contains(u'/') || fileName.contains(u'\\') ||
           fileName.contains(QChar(0)) || fileName == u"." || fileName == u"..";
}

QString badNameError(const QString& fileName)
{
    return QStringLiteral("The file name \"%1\" cannot be used in the program folder.").arg(fileName);
}

} // namespace

DataFolder::DataFolder(QString folderPath) : m_path(std::move(folderPath)) {}

QString DataFolder::filePath(const QString& fileName) const { return QDir(m_path).filePath(fileName); }

bool DataFolder::exists(const QString& fileName) const
{
    return !hasFolderPart(fileName) && QFileInfo(filePath(fileName)).isFile();
}

StoreResult encodeLines(const QStringList& values, const QString& fileName, QByteArray& bytes)
{
    bytes.clear();
    for (const QString& value : values) {
        const auto encoded = singlebyte::encode(value);
        if (!encoded) {
            const QChar bad = singlebyte::firstUnstorable(value);
            return {QStringLiteral("The text \"%1\" cannot be saved in %2: the character \"%3\" "
                                   "cannot be stored in the data files.")
                        .arg(value, fileName, QString(bad))};
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
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        file.commit();
        return {QStringLiteral("Could not write %1: %2").arg(name, reason)};
    }
    if (!file.commit())
        return {QStringLiteral("Could not write %1: %2").arg(name, file.errorString())};
    return {};
}

StoreResult DataFolder::replace(const QString& fileName, const QStringList& values) const
{
    if (hasFolderPart(fileName))
        return {badNameError(fileName)};
    QByteArray bytes;
    if (StoreResult encoded = encodeLines(values, fileName, bytes); !encoded.ok())
        return encoded;
    QSaveFile file(filePath(fileName));
    return writeAtomically(file, bytes);
}

StoreResult DataFolder::append(const QString& fileName, const QString& value) const
{
    if (hasFolderPart(fileName))
        return {badNameError(fileName)};
    QByteArray bytes;
    if (StoreResult encoded = encodeLines({value}, fileName, bytes); !encoded.ok())
        return encoded;
    QFile file(filePath(fileName));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return {QStringLiteral("Could not write %1: %2").arg(fileName, file.errorString())};
    if (file.write(bytes) != bytes.size() || !file.flush())
        return {QStringLiteral("Could not write %1: %2").arg(fileName, file.errorString())};
    return {};
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
    if (!QFileInfo(file.fileName()).isFile()) {
        opened.state = FileState::Missing;
        opened.error = QStringLiteral("The file %1 was not found.").arg(fileName);
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
