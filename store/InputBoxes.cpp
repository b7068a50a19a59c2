#include "store/InputBoxes.h"

#include <algorithm>

namespace store {

namespace inputboxes {
namespace {

using layout::kBoxes;

using F = BoxFile;

static_assert(inBoxOrder(kBoxes), "one row per box, in the order of InputBox");

constexpr int holders(BoxFile file, int line)
{
    int count = 0;
    for (const Entry& row : kBoxes)
        if (row.file == file && (row.line == line || row.copyLine == line))
            ++count;
    return count;
}

constexpr int lastLine(BoxFile file)
{
    int last = 0;
    for (const Entry& row : kBoxes)
        if (row.file == file)
            last = std::max({last, row.line, row.copyLine});
    return last;
}

// Every line of a file holds one box, except the empty first line of input file 3.
constexpr bool linesHeldOnce(BoxFile file, int emptyLines)
{
    for (int line = 1; line <= lastLine(file); ++line) {
        const int count = holders(file, line);
        if (count > 1)
            return false;
        emptyLines -= count == 0 ? 1 : 0;
    }
    return emptyLines == 0;
}
static_assert(linesHeldOnce(F::Plant, 0), "plant file: one box a line");
static_assert(linesHeldOnce(F::Input2, 0) && lastLine(F::Input2) == 13, "input file 2: 13 lines");
static_assert(linesHeldOnce(F::Input3, 1) && holders(F::Input3, 1) == 0 && lastLine(F::Input3) == 13,
              "input file 3: an empty first line, then 12 boxes");
static_assert(linesHeldOnce(F::Input4, 0) && lastLine(F::Input4) == 5, "input file 4: 5 lines");

} // namespace

const std::array<Entry, kCount>& all()
{
    return kBoxes;
}

const Entry& entry(InputBox box)
{
    return kBoxes.at(static_cast<std::size_t>(box));
}

int lineCount(BoxFile file)
{
    return lastLine(file);
}

} // namespace inputboxes

} // namespace store
