#include "store/DataFolder.h"

#include "store/AtomicSave.h"
#include "store/FieldText.h"
#include "store/FileLimits.h"
#include "textrules/SingleByteText.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace textrules;

namespace store {

namespace {

bool hasFolderPart(const QString& fileName)
{
    return fileName.isEmpty() || fileName.contains(u'/') || fileName.contains(u'\\') || fileName.contains(QChar(0)) ||
           fileName == u"." || fileName == u"..";
}

QString badNameError(const QString& fileName)
{
    return DataFolder::tr("The file name \"%1\" cannot be used in the program folder.").arg(fileName);
}

// Why the bytes may not stand as the file, or nothing. A file its readers would take for
// damaged is never written.
StoreResult refusalOf(const QString& fileName, const QByteArray& bytes)
{
    if (hasFolderPart(fileName))
        return {badNameError(fileName)};
    if (bytes.size() > filelimits::bytesFor(fileName))
        return {filelimits::tooLarge(fileName)};
    return {};
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
    qsizetype size = 0;
    for (const QString& value : values)
        size += value.size() + 4; // room for quotes and the line end
    bytes.reserve(size);
    for (const QString& value : values) {
        const std::optional<QString> line = fieldtext::line(value, blanks);
        if (!line || !singlebyte::appendEncoded(*line, bytes)) {
            return {DataFolder::tr("The text \"%1\" cannot be saved in %2: %3.")
                        .arg(fieldtext::excerpt(value), fileName, fieldtext::problem(value))};
        }
        bytes += kLineEnd;
    }
    return {};
}

StoreResult writeAtomically(QSaveFile& file, const QByteArray& bytes)
{
    const QString name = QFileInfo(file.fileName()).fileName();
    if (!file.open(QIODevice::WriteOnly))
        return {DataFolder::tr("Could not write %1: %2").arg(name, file.errorString())};
    // write() may only fill a buffer: the bytes are on disk only once flush() has said so, and a
    // full disk must never let the empty or cut copy take the old file's place.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        // A file the disk or a file-size limit cut short leaves no reason of its own ("Unknown
        // error"): once open, a file fails to take its bytes for lack of room.
        file.cancelWriting();
        file.commit();
        return {DataFolder::tr("Could not write %1: %2").arg(name, atomicsave::notWrittenInFull())};
    }
    if (!file.commit())
        return {DataFolder::tr("Could not write %1: %2").arg(name, file.errorString())};
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
    return replaceBytes(fileName, bytes);
}

DataFolder::ReplacedTogether DataFolder::replaceTogether(const QList<FileContent>& files,
                                                         const std::function<bool(int done, int total)>& proceed) const
{
    // Files that cannot be saved as they are keep their refusal; the others go to the disk together.
    QList<StoreResult> results;
    QList<atomicsave::FileToSave> batch;
    QList<qsizetype> batched; // where each of the batch stands among the files
    for (qsizetype i = 0; i < files.size(); ++i) {
        const FileContent& file = files.at(i);
        StoreResult ready = refusalOf(file.fileName, file.bytes);
        results.append(ready);
        if (ready.ok()) {
            batch.append({filePath(file.fileName), file.bytes});
            batched.append(i);
        }
    }
    atomicsave::SavedTogether saved = atomicsave::saveTogether(batch, proceed);
    if (saved.cancelled)
        return {{}, true};
    for (qsizetype j = 0; j < batched.size(); ++j)
        results[batched.at(j)] = saved.results.at(j);
    return {results, false};
}

StoreResult DataFolder::replaceBytes(const QString& fileName, const QByteArray& bytes) const
{
    if (StoreResult refused = refusalOf(fileName, bytes); !refused.ok())
        return refused;
    return atomicsave::save(filePath(fileName), bytes);
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
    FileBytes existing = readBytes(fileName);
    if (existing.state != FileState::Ok && existing.state != FileState::Missing)
        return {existing.error};
    QByteArray& bytes = existing.bytes;
    if (!bytes.isEmpty() && !bytes.endsWith('\n'))
        bytes += "\r\n"; // a last line without its end would join the new value
    bytes += line;
    return replaceBytes(fileName, bytes);
}

OpenedFile DataFolder::read(const QString& fileName) const
{
    FileBytes file = readBytes(fileName);
    OpenedFile opened;
    opened.state = file.state;
    opened.error = file.error;
    if (opened.readable())
        opened.fields = FieldReader(singlebyte::decode(file.bytes));
    return opened;
}

namespace {

// Up to `most` bytes from the open file: fewer only at its end. Fails with the reason's number.
std::optional<QByteArray> readUpTo(int fd, qint64 most, qint64 sizeNow, int& error)
{
    QByteArray bytes(qMin(most, sizeNow + 1), Qt::Uninitialized);
    qsizetype have = 0;
    for (;;) {
        if (have == bytes.size()) {
            if (have == most)
                break;
            bytes.resize(qMin(most, 2 * bytes.size() + 1)); // the file grew while it was read
        }
        const ssize_t got = ::read(fd, bytes.data() + have, std::size_t(bytes.size() - have));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            error = errno;
            return std::nullopt;
        }
        if (got == 0)
            break;
        have += got;
    }
    bytes.truncate(have);
    return bytes;
}

FileBytes unreadable(const QString& fileName, const QString& reason)
{
    return {FileState::Unreadable, {}, DataFolder::tr("Could not read %1: %2").arg(fileName, reason)};
}

} // namespace

// At most one byte more than the limit is read, so a giant file costs no more than a whole one.
// The line that the limit cuts is dropped: a cut name or number would read as another one.
// Opened, looked at and read with one call each, as whole plants of files are read at a time;
// without waiting, so that a named pipe in a file's place is refused rather than waited on.
FileBytes DataFolder::readBytes(const QString& fileName) const
{
    if (hasFolderPart(fileName))
        return {FileState::BadName, {}, badNameError(fileName)};
    const int fd = ::open(QFile::encodeName(filePath(fileName)).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return {FileState::Missing, {}, tr("The file %1 was not found.").arg(fileName)};
        return unreadable(fileName, QString::fromLocal8Bit(std::strerror(errno)));
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        const int error = errno;
        ::close(fd);
        return unreadable(fileName, QString::fromLocal8Bit(std::strerror(error)));
    }
    if (!S_ISREG(info.st_mode)) {
        ::close(fd);
        return unreadable(fileName, tr("it is a folder, not a file."));
    }
    const qint64 limit = filelimits::bytesFor(fileName);
    int error = 0;
    const std::optional<QByteArray> bytes = readUpTo(fd, limit + 1, info.st_size, error);
    ::close(fd);
    if (!bytes)
        return unreadable(fileName, QString::fromLocal8Bit(std::strerror(error)));
    FileBytes read{FileState::Ok, *bytes, {}};
    if (read.bytes.size() > limit) {
        read.state = FileState::Damaged;
        read.error = filelimits::damaged(fileName);
        read.bytes.truncate(read.bytes.lastIndexOf('\n', limit - 1) + 1);
    }
    return read;
}

StoreResult DataFolder::remove(const QString& fileName) const
{
    if (hasFolderPart(fileName))
        return {badNameError(fileName)};
    QFile file(filePath(fileName));
    if (!file.remove())
        return {tr("Could not delete %1: %2").arg(fileName, file.errorString())};
    return {};
}

StoreResult DataFolder::renameOver(const QString& from, const QString& to) const
{
    if (hasFolderPart(from) || hasFolderPart(to))
        return {badNameError(hasFolderPart(from) ? from : to)};
    // rename() would not write through a link, but it would put a file in the link's place.
    if (atomicsave::isLink(filePath(to)))
        return {atomicsave::linkRefusal(to)};
    // rename() replaces the target in one step, so the target name never goes missing.
    const QByteArray source = QFile::encodeName(filePath(from));
    const QByteArray target = QFile::encodeName(filePath(to));
    if (std::rename(source.constData(), target.constData()) != 0)
        return {tr("Could not rename %1 to %2.").arg(from, to)};
    return {};
}

} // namespace store
