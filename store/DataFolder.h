#pragma once

#include "store/FieldReader.h"
#include "store/FieldText.h"

#include <QByteArrayView>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <functional>

class QSaveFile;

namespace store {

// The outcome of a change to a data file: empty error on success, otherwise a sentence for the
// user that names the file.
struct [[nodiscard]] StoreResult {
    QString error;
    bool ok() const { return error.isEmpty(); }
};

// Damaged: larger than such a data file can be (FileLimits.h); only its whole lines within the
// limit are read, and error says so.
enum class FileState { Ok, Missing, Unreadable, BadName, Damaged };

struct [[nodiscard]] FileBytes {
    FileState state = FileState::Missing;
    QByteArray bytes; // the whole file, or for a damaged one its whole lines within the limit
    QString error;
    bool ok() const { return state == FileState::Ok; }
};

struct [[nodiscard]] OpenedFile {
    FileState state = FileState::Missing;
    FieldReader fields;
    QString error;
    bool ok() const { return state == FileState::Ok; }
    // Whether there are values to read: the whole file, or the readable part of a damaged one.
    bool readable() const { return state == FileState::Ok || state == FileState::Damaged; }
};

// The program folder and the operations on its data files. Every file is opened, used and
// closed within one call, and no file name may carry a folder part. Reading never takes more of
// a file than its size limit; a save never writes through a link, nor past the limit.
class DataFolder {
    Q_DECLARE_TR_FUNCTIONS(DataFolder)

public:
    explicit DataFolder(QString folderPath);

    const QString& path() const { return m_path; }
    QString filePath(const QString& fileName) const;
    bool exists(const QString& fileName) const;

    // Writes the values, one per line, in place of the file's content. The old content stays
    // whole until the new one is complete on disk.
    StoreResult replace(const QString& fileName, const QStringList& values,
                        fieldtext::LeadingBlanks blanks = fieldtext::LeadingBlanks::MayDrop) const;
    // The same with the file's bytes as they are to stand.
    StoreResult replaceBytes(const QString& fileName, const QByteArray& bytes) const;
    // Several files replaced together, each as replaceBytes() does it, at a fraction of the cost
    // of one save each (see atomicsave::saveTogether). Before each file `proceed(done, total)` is
    // asked; false stops there, and then no file is replaced.
    struct FileContent {
        QString fileName;
        QByteArray bytes;
    };
    struct [[nodiscard]] ReplacedTogether {
        QList<StoreResult> results; // one per file, in order; none when cancelled
        bool cancelled = false;
    };
    ReplacedTogether replaceTogether(const QList<FileContent>& files,
                                     const std::function<bool(int done, int total)>& proceed = {}) const;
    // Adds one value as a new last line, creating the file when missing.
    StoreResult append(const QString& fileName, const QString& value) const;
    OpenedFile read(const QString& fileName) const;
    FileBytes readBytes(const QString& fileName) const;
    StoreResult remove(const QString& fileName) const;
    // Gives `from` the name `to`, taking the place of an existing `to` in one step.
    StoreResult renameOver(const QString& from, const QString& to) const;

private:
    QString m_path;
};

// How every line of the data files ends.
inline constexpr QByteArrayView kLineEnd = "\r\n";

// The lines as the data files hold them: one byte per character, each line ended by kLineEnd.
// Fails (with the reason) when a character cannot be stored.
StoreResult encodeLines(const QStringList& values, const QString& fileName, QByteArray& bytes,
                        fieldtext::LeadingBlanks blanks = fieldtext::LeadingBlanks::MayDrop);

// Writes the bytes through an already named save file and commits it; on any failure the
// target keeps its old content. For files the user names (exports), which may lie anywhere;
// separate so that a failing device can be put in its place.
StoreResult writeAtomically(QSaveFile& file, const QByteArray& bytes);

} // namespace store
