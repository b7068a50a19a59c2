// Every name that the name check lets through names files that lie in the program folder
// itself: each file name is one path component, and the file made under it is in the folder.
#include "fuzz/FuzzSupport.h"
#include "store/FileNames.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include <cstddef>
#include <cstdint>

using namespace store;

namespace {

void checkFileName(const QString& fileName)
{
    const DataFolder& folder = fuzz::scratchFolder();
    fuzz::require(!fileName.isEmpty() && fileName != u"." && fileName != u"..", "a file name names a file");
    fuzz::require(!fileName.contains(u'/') && !fileName.contains(QChar(0)), "a file name has no folder part");
    fuzz::require(folder.replace(fileName, {}).ok(), "a file can be made under the name");
    const QFileInfo made(folder.filePath(fileName));
    fuzz::require(made.isFile(), "the file made is where the folder says");
    fuzz::require(made.canonicalPath() == QDir(folder.path()).canonicalPath(), "the file lies in the folder itself");
    fuzz::require(folder.remove(fileName).ok(), "the file can be taken away again");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString name = fuzz::textOf(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (!filenames::nameProblem(name).isEmpty())
        return 0;
    for (const QString& fileName :
         {filenames::inputFile(name, 2), filenames::inputFile(name, 3), filenames::inputFile(name, 4),
          filenames::pricingFile(name), filenames::resultFile(name)})
        checkFileName(fileName);
    return 0;
}
