// The field rule on any file content: it always ends, hands out no more values than the lines
// and commas allow, and on content without commas and double quotes gives each line back with
// the blanks before it dropped.
#include "fuzz/FuzzSupport.h"
#include "store/FieldReader.h"
#include "textrules/SingleByteText.h"

#include <QStringList>

#include <cstddef>
#include <cstdint>

using namespace textrules;
using namespace store;

namespace {

// The values the field rule gives a content without commas and double quotes: one per line,
// CR LF or LF ending a line, the blanks before a value dropped.
QStringList plainLines(const QString& content)
{
    QStringList lines = content.split(u'\n');
    if (lines.last().isEmpty())
        lines.removeLast(); // the end of the last line starts no new one
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString& line = lines[i];
        const bool ended = i + 1 < lines.size() || content.endsWith(u'\n');
        if (ended && line.endsWith(u'\r'))
            line.chop(1);
        qsizetype blanks = 0;
        while (blanks < line.size() && line[blanks] == u' ')
            ++blanks;
        line.remove(0, blanks);
    }
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString content = singlebyte::decode(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    const qsizetype most = content.count(u'\n') + content.count(u',') + 1;
    FieldReader reader(content);
    QStringList values;
    qsizetype characters = 0;
    while (const auto value = reader.next()) {
        values.append(*value);
        characters += value->size();
        fuzz::require(values.size() <= most, "no more values than lines and commas make");
    }
    fuzz::require(reader.atEnd(), "the end is reported once no value is left");
    fuzz::require(!reader.next(), "nothing is read past the end");
    fuzz::require(characters <= content.size(), "values hold no more than the content");
    if (!content.contains(u',') && !content.contains(u'"'))
        fuzz::require(values == plainLines(content), "one value per line, blanks before it dropped");
    return 0;
}
