// Any values that replace accepts read back as written, but for blanks before a value; values
// it refuses leave the file as it was.
#include "fuzz/FuzzSupport.h"
#include "store/DataFolder.h"

#include <QFile>
#include <QStringList>

#include <cstddef>
#include <cstdint>

using namespace store;

namespace {

const QString kFile = QStringLiteral("Fuzz2");

QByteArray contentOf(const QString& fileName)
{
    QFile file(fuzz::scratchFolder().filePath(fileName));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QStringList values;
    for (const QByteArray& part : fuzz::parts(data, size))
        values.append(fuzz::textOf(part));
    const DataFolder& folder = fuzz::scratchFolder();
    const QByteArray before = contentOf(kFile);
    if (!folder.replace(kFile, values).ok()) {
        fuzz::require(contentOf(kFile) == before, "a refused replace leaves the file as it was");
        return 0;
    }
    OpenedFile file = folder.read(kFile);
    fuzz::require(file.ok(), "a written file can be read");
    for (const QString& value : values) {
        const auto back = file.fields.next();
        fuzz::require(back.has_value(), "every value written is read back");
        fuzz::require(*back == value || *back == fuzz::withoutLeadingBlanks(value),
                      "a value reads back as written, but for blanks before it");
    }
    fuzz::require(!file.fields.next(), "no value is read back that was not written");
    return 0;
}
