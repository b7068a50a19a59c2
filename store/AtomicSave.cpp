#include "AtomicSave.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace atomicsave {
namespace {

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
        return kNotWrittenInFull;
    return QString::fromLocal8Bit(std::strerror(error));
}

QString failure(const QString& fileName, const QString& reason)
{
    return QStringLiteral("Could not write %1: %2").arg(fileName, reason);
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

// The copy's bytes forced to the disk and the copy closed; false with the reason otherwise.
bool fillAndClose(const Temporary& temporary, const QByteArray& bytes, int& error)
{
    bool filled = writeAll(temporary.fd, bytes, error);
    if (filled && ::fsync(temporary.fd) != 0) {
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
    return QStringLiteral("The file %1 was not saved: it is a link to another place, and saving through it could "
                          "change a file outside the data folder.")
        .arg(fileName);
}

StoreResult save(const QString& path, const QByteArray& bytes)
{
    const QString fileName = QFileInfo(path).fileName();
    const QByteArray target = QFile::encodeName(path);
    struct stat existing {};
    const bool exists = ::lstat(target.constData(), &existing) == 0;
    if (exists && S_ISLNK(existing.st_mode))
        return {linkRefusal(fileName)};
    // A file the user made read-only stays as it is.
    if (exists && S_ISREG(existing.st_mode) && ::access(target.constData(), W_OK) != 0)
        return {failure(fileName, QString::fromLocal8Bit(std::strerror(errno)))};

    const Temporary temporary = createTemporary(path, 0666);
    if (temporary.fd < 0)
        return {failure(fileName, QString::fromLocal8Bit(std::strerror(temporary.error)))};
    if (exists && S_ISREG(existing.st_mode))
        (void)::fchmod(temporary.fd, existing.st_mode & 07777); // the file keeps who may read it
    int error = 0;
    if (!fillAndClose(temporary, bytes, error)) {
        ::unlink(temporary.path.constData());
        return {failure(fileName, writeProblem(error))};
    }
    // A link put in the file's place while the copy was written is refused all the same.
    if (isLink(path)) {
        ::unlink(temporary.path.constData());
        return {linkRefusal(fileName)};
    }
    if (::rename(temporary.path.constData(), target.constData()) != 0) {
        const QString reason = QString::fromLocal8Bit(std::strerror(errno));
        ::unlink(temporary.path.constData());
        return {failure(fileName, reason)};
    }
    return {};
}

} // namespace atomicsave
