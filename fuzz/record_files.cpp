// The plant file, input files 2 to 4 and the pricing file loaded from any bytes: nothing
// breaks, and each box gets the value of its own line as far as the file goes.
#include "fuzz/FuzzSupport.h"
#include "store/FieldReader.h"
#include "store/FileNames.h"
#include "store/PricingFile.h"
#include "store/RecordLayout.h"
#include "textrules/SingleByteText.h"

#include <QStringList>

#include <algorithm>
#include <cstddef>
#include <cstdint>

using namespace textrules;
using namespace store;

namespace {

const QString kName = QStringLiteral("Fuzz");

// The values the field rule gives the bytes, read without the file in between.
QStringList valuesOf(const QByteArray& bytes)
{
    FieldReader reader(singlebyte::decode(bytes));
    QStringList values;
    while (const auto value = reader.next())
        values.append(*value);
    return values;
}

// Places the part as the file, or takes the file away when there is no such part.
bool place(const QString& fileName, const QList<QByteArray>& parts, qsizetype index)
{
    if (index >= parts.size()) {
        fuzz::removeFile(fileName);
        return false;
    }
    fuzz::placeFile(fileName, parts[index]);
    return true;
}

void checkLayoutFile(const recordlayout::LoadedFile& loaded, bool present, const recordlayout::FileLayout& layout,
                     const QStringList& values)
{
    fuzz::require(loaded.ok() == present, "a file loads exactly when it is there");
    if (!present)
        return;
    QList<recordlayout::Assignment> expected;
    for (qsizetype line = 0; line < std::min(layout.size(), values.size()); ++line)
        if (layout[line].loaded && layout[line].box)
            expected.append({*layout[line].box, values[line]});
    fuzz::require(loaded.assignments.size() == expected.size(), "one box filled per loaded line the file has");
    for (qsizetype i = 0; i < expected.size(); ++i)
        fuzz::require(loaded.assignments[i].box == expected[i].box && loaded.assignments[i].text == expected[i].text,
                      "each box gets the value of its own line");
}

} // namespace

// Parts in turn: the plant file, input files 2, 3 and 4, the pricing file; a file without a
// part is missing.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QList<QByteArray> parts = fuzz::parts(data, size);
    const DataFolder& folder = fuzz::scratchFolder();
    const bool plant = place(filenames::kPlantFile, parts, 0);
    checkLayoutFile(recordlayout::loadPlantFile(folder), plant, recordlayout::plantFile(),
                    plant ? valuesOf(parts[0]) : QStringList());
    for (int digit = 2; digit <= 4; ++digit) {
        const qsizetype index = digit - 1;
        const bool present = place(filenames::inputFile(kName, digit), parts, index);
        const QStringList values = present ? valuesOf(parts[index]) : QStringList();
        const recordlayout::LoadedFile loaded = recordlayout::loadInputFile(folder, kName, digit);
        checkLayoutFile(loaded, present, recordlayout::inputFile(digit), values);
        if (digit == 3)
            fuzz::require(loaded.workSpace == (values.size() >= 2 ? std::optional(values[1]) : std::nullopt),
                          "the work space is line 2 of input file 3");
    }
    const bool pricing = place(filenames::pricingFile(kName), parts, 4);
    const ReadPricing read = readPricingFile(folder, kName);
    if (pricing) {
        const QStringList values = valuesOf(parts[4]);
        const QStringList fields{read.fields.quantity1, read.fields.quantity2, read.fields.markUp,
                                 read.fields.price1,    read.fields.price2,    read.fields.hourlyCost};
        fuzz::require(read.failures == std::max<qsizetype>(0, 6 - values.size()), "each missing line counts once");
        for (qsizetype i = 0; i < 6; ++i)
            fuzz::require(fields[i] == (i < values.size() ? values[i] : QString()), "each field is its own line");
    } else {
        fuzz::require(read.failures > 0, "a missing pricing file is a failure");
    }
    return 0;
}
