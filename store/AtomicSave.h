#pragma once

#include "store/DataFolder.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>

namespace store {

// How a data file is saved: the bytes go into a temporary copy beside the file, made afresh
// (never an existing file, never through a link), are forced to the disk, and the copy then
// takes the file's name in one step. The file is always either its old or its new self.
namespace atomicsave {

// Every temporary copy is named after its file, a dot, six letters or digits and this ending,
// such as "primary.bud.aB3dEf.partial". No data file's name ends so: each ends in a digit or is
// one of the five fixed names, so a copy can never be taken for a data file, nor the other way.
inline const QString kTemporaryEnding = QStringLiteral(".partial");

// Why a save failed when its bytes did not all reach the disk.
QString notWrittenInFull();

// Whether the name has the shape of a temporary copy, and of which file.
bool isTemporaryCopy(const QString& fileName);
QString fileOfTemporaryCopy(const QString& fileName);

// Whether the path is a symbolic link (dangling or not).
bool isLink(const QString& path);

// Saves the bytes as the file at the path. A file that is a symbolic link is refused, so that a
// save never changes a file outside its folder; a save that does not fit on the disk or within
// the user's file-size limit says so. Every failure leaves the file as it was and no copy behind.
StoreResult save(const QString& path, const QByteArray& bytes);

// Several files of one folder saved together, each as save() saves one, at a fraction of the
// cost: every copy is written first, the disk is flushed once for all of them, then each copy
// takes its file's name and the folder's entries are flushed once. At every moment each file is
// its old or its new self; a file is reported saved only once all of this is done. Before each
// copy `proceed(done, total)` is asked; false stops there, and then no file is replaced.
struct FileToSave {
    QString path;
    QByteArray bytes;
};
using SavedTogether = DataFolder::ReplacedTogether;
SavedTogether saveTogether(const QList<FileToSave>& files,
                           const std::function<bool(int done, int total)>& proceed = {});

// The refusal of a save through a link, naming the file.
QString linkRefusal(const QString& fileName);

} // namespace atomicsave

} // namespace store
