#include "fuzz/FuzzSupport.h"

#include "textrules/SingleByteText.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

using namespace textrules;
using namespace store;

namespace fuzz {

void require(bool holds, const char* property)
{
    if (holds)
        return;
    std::fprintf(stderr, "Broken property: %s\n", property);
    std::abort();
}

// Under the system's temporary folder (TMPDIR), which scripts/fuzz.sh puts in memory: every
// replace syncs its file to disk, which on a disk bounds the inputs tried to a few hundred a second.
const DataFolder& scratchFolder()
{
    static QTemporaryDir dir;
    static const DataFolder folder = [] {
        require(dir.isValid(), "a scratch folder can be made");
        return DataFolder(dir.path());
    }();
    return folder;
}

void placeFile(const QString& fileName, const QByteArray& bytes)
{
    QFile file(scratchFolder().filePath(fileName));
    require(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "the scratch folder takes a file");
    require(file.write(bytes) == bytes.size(), "the scratch folder takes the whole file");
}

void removeFile(const QString& fileName)
{
    QFile::remove(scratchFolder().filePath(fileName));
}

QList<QByteArray> parts(const std::uint8_t* data, std::size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)).split('\xff');
}

QString textOf(const QByteArray& bytes)
{
    if (bytes.startsWith('\xfe'))
        return QString::fromUtf8(bytes.mid(1));
    return singlebyte::decode(bytes);
}

QString withoutLeadingBlanks(const QString& value)
{
    qsizetype blanks = 0;
    while (blanks < value.size() && value[blanks] == u' ')
        ++blanks;
    return value.mid(blanks);
}

} // namespace fuzz
