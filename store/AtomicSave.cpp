#include "store/AtomicSave.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <QCoreApplication>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace store {

namespace atomicsave {
namespace {
struct AtomicSaveTexts {
    Q_DECLARE_TR_FUNCTIONS(AtomicSave)
};

constexpr int kNameTries = 16;
constexpr int kRandomLetters = 6;

QString randomLetters()
{
    static const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789");
    QString text;
    for (int i = 0; i < kRandomLetters; ++i)
        text += letters.at(QRandomGenerator::global()->bounded(int(letters.size())));
    return text;
}

// Why bytes did not reach the disk. A short write without a reason, or a full disk, is a file
// that did not fit: the system's own words for it ("File too large") hide which limit it met.
QString writeProblem(int error)
{
    if (error == 0 || error == EFBIG || error == ENOSPC || error == EDQUOT)
        return notWrittenInFull();
    return QString::fromLocal8Bit(std::strerror(error));
}

QString failure(const QString& fileName, const QString& reason)
{
    return AtomicSaveTexts::tr("Could not write %1: %2").arg(fileName, reason);
}

// Writes every byte; on failure gives the reason's error number, 0 for a short write.
bool writeAll(int fd, const QByteArray& bytes, int& error)
{
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, std::size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            error = written < 0 ? errno : 0;
            return false;
        }
        data += written;
        left -= written;
    }
    return true;
}

struct Temporary {
    int fd = -1;
    QByteArray path;
    int error = 0;
};

// A copy of a new name of its own: O_EXCL and O_NOFOLLOW refuse any file or link already there.
Temporary createTemporary(const QString& path, mode_t mode)
{
    for (int attempt = 0; attempt < kNameTries; ++attempt) {
        const QByteArray temporary = QFile::encodeName(path + u'.' + randomLetters() + kTemporaryEnding);
        const int fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd >= 0)
            return {fd, temporary, 0};
        if (errno != EEXIST)
            return {-1, temporary, errno};
    }
    return {-1, {}, EEXIST};
}

// The copy's bytes forced to the disk (unless the caller flushes many at once) and the copy
// closed; false with the reason otherwise.
enum class Flush { Now, Later };
bool fillAndClose(const Temporary& temporary, const QByteArray& bytes, int& error, Flush flush = Flush::Now)
{
    bool filled = writeAll(temporary.fd, bytes, error);
    if (filled && flush == Flush::Now && ::fsync(temporary.fd) != 0) {
        filled = false;
        error = errno;
    }
    if (::close(temporary.fd) != 0 && filled) {
        filled = false;
        error = errno;
    }
    return filled;
}

} // namespace

QString notWrittenInFull()
{
    return AtomicSaveTexts::tr("the file could not be written in full (too large for the disk or the user's limit)");
}

bool isTemporaryCopy(const QString& fileName)
{
    return !fileOfTemporaryCopy(fileName).isEmpty();
}

QString fileOfTemporaryCopy(const QString& fileName)
{
    static const QRegularExpression copy(
        QStringLiteral("^(.+)\\.[A-Za-z0-9]{%1}%2$")
            .arg(QString::number(kRandomLetters), QRegularExpression::escape(kTemporaryEnding)));
    return copy.match(fileName).captured(1);
}

bool isLink(const QString& path)
{
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISLNK(status.st_mode);
}

QString linkRefusal(const QString& fileName)
{
    return AtomicSaveTexts::tr("The file %1 was not saved: it is a link to another place, and saving through it could "
                               "change a file outside the data folder.")
        .arg(fileName);
}

namespace {

// A copy written beside its file and waiting to take the file's name.
struct Written {
    QByteArray temporary;
    StoreResult result;
};

// The copy of one file, written and closed; nothing is left behind when it fails.
Written writeCopy(const QString& path, const QByteArray& bytes, Flush flush)
{
    const QString fileName = QFileInfo(path).fileName();
    const QByteArray target = QFile::encodeName(path);
    struct stat existing {};
    const bool exists = ::lstat(target.constData(), &existing) == 0;
    if (exists && S_ISLNK(existing.st_mode))
        return {{}, {linkRefusal(fileName)}};
    // A file the user made read-only stays as it is.
    if (exists && S_ISREG(existing.st_mode) && ::access(target.constData(), W_OK) != 0)
        return {{}, {failure(fileName, QString::fromLocal8Bit(std::strerror(errno)))}};

    const Temporary temporary = createTemporary(path, 0666);
    if (temporary.fd < 0)
        return {{}, {failure(fileName, QString::fromLocal8Bit(std::strerror(temporary.error)))}};
    if (exists && S_ISREG(existing.st_mode))
        (void)::fchmod(temporary.fd, existing.st_mode & 07777); // the file keeps who may read it
    int error = 0;
    if (!fillAndClose(temporary, bytes, error, flush)) {
        ::unlink(temporary.path.constData());
        return {{}, {failure(fileName, writeProblem(error))}};
    }
    return {temporary.path, {}};
}

// The copy takes the file's name in one step.
StoreResult putInPlace(const QString& path, const QByteArray& temporary)
{
    const QString fileName = QFileInfo(path).fileName();
    // A link put in the file's place while the copy was written is refused all the same.
    if (isLink(path)) {
        ::unlink(temporary.constData());
        return {linkRefusal(fileName)};
    }
    if (::rename(temporary.constData(), QFile::encodeName(path).constData()) != 0) {
        const QString reason = QString::fromLocal8Bit(std::strerror(errno));
        ::unlink(temporary.constData());
        return {failure(fileName, reason)};
    }
    return {};
}

// Flushes everything written to the disk that holds the folder, in one go.
int flushDisk(const QString& folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    const int error = ::syncfs(fd) == 0 ? 0 : errno;
    ::close(fd);
    return error;
}

// Makes the folder's entries, the new names among them, lasting.
void flushFolder(const QString& folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        (void)::fsync(fd);
        ::close(fd);
    }
}

} // namespace

StoreResult save(const QString& path, const QByteArray& bytes)
{
    const Written written = writeCopy(path, bytes, Flush::Now);
    return written.result.ok() ? putInPlace(path, written.temporary) : written.result;
}

SavedTogether saveTogether(const QList<FileToSave>& files, const std::function<bool(int done, int total)>& proceed)
{
    SavedTogether saved;
    QList<Written> copies;
    const int total = static_cast<int>(files.size());
    for (int done = 0; done < total; ++done) {
        if (proceed && !proceed(done, total)) {
            for (const Written& copy : std::as_const(copies))
                if (!copy.temporary.isEmpty())
                    ::unlink(copy.temporary.constData());
            return {{}, true};
        }
        copies.append(writeCopy(files.at(done).path, files.at(done).bytes, Flush::Later));
    }
    const QString folder = files.isEmpty() ? QString() : QFileInfo(files.first().path).absolutePath();
    const int flushError = files.isEmpty() ? 0 : flushDisk(folder);
    for (int i = 0; i < total; ++i) {
        const Written& copy = copies.at(i);
        if (!copy.result.ok() || flushError != 0) {
            if (!copy.temporary.isEmpty())
                ::unlink(copy.temporary.constData());
            saved.results.append(copy.result.ok() ? StoreResult{failure(QFileInfo(files.at(i).path).fileName(),
                                                                        writeProblem(flushError))}
                                                  : copy.result);
            continue;
        }
        saved.results.append(putInPlace(files.at(i).path, copy.temporary));
    }
    if (!files.isEmpty())
        flushFolder(folder);
    return saved;
}

} // namespace atomicsave

} // namespace store
