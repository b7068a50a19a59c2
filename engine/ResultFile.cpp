#include "engine/ResultFile.h"

#include "store/FieldText.h"
#include "store/FileLimits.h"
#include "store/FileNames.h"
#include "textrules/ArithmeticFailure.h"
#include "textrules/NumberReading.h"
#include "textrules/NumberText.h"
#include "textrules/PlainDecimal.h"

#include <QCoreApplication>
#include <algorithm>

using namespace textrules;
using namespace store;

namespace engine {

static_assert(kResultFileLines == filelimits::kResultFileLines, "the result file's size limit counts its lines");

namespace {
struct ResultFileTexts {
    Q_DECLARE_TR_FUNCTIONS(ResultFile)
};

char* endLine(char* out)
{
    return std::copy(kLineEnd.begin(), kLineEnd.end(), out);
}

// Numbers in the print form are single-byte text with no comma or quote, so they go into the
// file's bytes as they are, with no text object per line.
QByteArray bytesOf(const ResultRecord& record)
{
    QByteArray bytes(kResultFileLines * (numbers::kLongestPrintForm + kLineEnd.size()), Qt::Uninitialized);
    char* out = bytes.data();
    for (int slot = 1; slot <= ResultRecord::kSlots; ++slot) {
        if (const std::optional<double> result = record.result(slot))
            out = numbers::writePrintForm(out, *result);
        out = endLine(out);
        out = endLine(numbers::writePrintForm(out, record.input(slot)));
    }
    bytes.truncate(out - bytes.constData());
    return bytes;
}

// Number reading turns any text into a number ("abc" reads 0), so a line is first checked to
// be a number as a whole, blanks and tabs aside, the way the number form writes it: a sign,
// digits with at most one point and at least one digit, then perhaps an exponent with digits.
bool holdsNumber(QStringView text)
{
    const char16_t* c = text.utf16();
    const char16_t* const end = c + text.size();
    const auto next = [&c, end] {
        while (c != end && (*c == u' ' || *c == u'\t'))
            ++c;
        return c == end ? char16_t(0) : *c;
    };
    const auto digits = [&c, &next] {
        int count = 0;
        for (char16_t d = next(); d >= u'0' && d <= u'9'; d = (++c, next()))
            ++count;
        return count;
    };
    if (next() == u'+' || next() == u'-')
        ++c;
    int mantissaDigits = digits();
    if (next() == u'.') {
        ++c;
        mantissaDigits += digits();
    }
    if (mantissaDigits == 0)
        return false;
    if (next() == u'e' || next() == u'E') {
        ++c;
        if (next() == u'+' || next() == u'-')
            ++c;
        if (digits() == 0)
            return false;
    }
    return next() == 0 && c == end;
}

// One line of the file: a number, nothing (an empty line), or the reason it cannot be used.
struct Line {
    std::optional<double> number;
    QString error;
};

Line failed(const QString& error)
{
    return {std::nullopt, error};
}

// Texts go in with one arg() call, so that a "%" in a file name is never taken for a place holder.
Line numberOn(QStringView text, int lineNumber, const QString& fileName)
{
    // The usual line, a plain decimal and nothing else, is a number as it stands: read in one pass.
    if (const numbers::plain::PlainDecimal plain = numbers::plain::scanPlainDecimal(text);
        plain.digits > 0 && plain.endsText && plain.isExact())
        return {plain.value(), QString()};
    if (!holdsNumber(text))
        return failed(ResultFileTexts::tr("Line %1 of the result file %2 does not hold a number: \"%3\".")
                          .arg(QString::number(lineNumber), fileName, fieldtext::excerpt(text.toString())));
    try {
        return {numbers::read(text), QString()};
    } catch (const ArithmeticFailure&) {
        return failed(ResultFileTexts::tr("Line %1 of the result file %2 holds a number too large: \"%3\".")
                          .arg(QString::number(lineNumber), fileName, fieldtext::excerpt(text.toString())));
    }
}

Line readLine(FieldReader& fields, int lineNumber, const QString& fileName)
{
    // Seen in place: a file of 206 numbers is read without a copy of each.
    const std::optional<QStringView> text = fields.nextView();
    if (!text)
        return failed(ResultFileTexts::tr("The result file %1 is incomplete: it ends after line %2 of %3.")
                          .arg(fileName, QString::number(lineNumber - 1), QString::number(kResultFileLines)));
    if (text->isEmpty())
        return {};
    return numberOn(*text, lineNumber, fileName);
}

// Fills the record slot by slot and stops at the first line that cannot be used. An empty line
// in place of an input value counts as 0, as an empty value does wherever it is used.
QString readSlots(FieldReader& fields, const QString& fileName, ResultRecord& record)
{
    for (int slot = 1; slot <= ResultRecord::kSlots; ++slot) {
        const Line result = readLine(fields, 2 * slot - 1, fileName);
        if (!result.error.isEmpty())
            return result.error;
        if (result.number)
            record.setResult(slot, *result.number);
        const Line input = readLine(fields, 2 * slot, fileName);
        if (!input.error.isEmpty())
            return input.error;
        record.setInput(slot, input.number.value_or(0.0));
    }
    return QString();
}

} // namespace

StoreResult saveResultFile(const DataFolder& folder, const QString& equipmentName, const ResultRecord& record)
{
    return folder.replaceBytes(filenames::resultFile(equipmentName), bytesOf(record));
}

DataFolder::FileContent resultFileContent(const QString& equipmentName, const ResultRecord& record)
{
    return {filenames::resultFile(equipmentName), bytesOf(record)};
}

LoadedRecord loadResultFile(const DataFolder& folder, const QString& equipmentName)
{
    const QString fileName = filenames::resultFile(equipmentName);
    OpenedFile file = folder.read(fileName);
    LoadedRecord loaded;
    if (!file.readable()) {
        loaded.error = file.error;
        return loaded;
    }
    // Whatever follows the record's lines is not part of it and is left unread.
    loaded.error = readSlots(file.fields, fileName, loaded.record);
    // A damaged file is told as such, whatever its readable part held.
    if (file.state == FileState::Damaged)
        loaded.error = file.error;
    return loaded;
}

} // namespace engine
