#include "store/FieldText.h"

#include "textrules/SingleByteText.h"

#include <QCoreApplication>

using namespace textrules;

namespace store {

namespace fieldtext {
namespace {
struct FieldTextTexts {
    Q_DECLARE_TR_FUNCTIONS(FieldText)
};

constexpr qsizetype kExcerptLength = 40;

bool beginsWithQuote(const QString& value)
{
    for (QChar c : value) {
        if (c != u' ')
            return c == u'"';
    }
    return false;
}

bool holdsLineEnd(const QString& value)
{
    return value.contains(u'\n') || value.contains(u'\r');
}
bool holdsEmptyCharacter(const QString& value)
{
    return value.contains(QChar(0));
}

} // namespace

std::optional<QString> line(const QString& value, LeadingBlanks blanks)
{
    // One pass over the text, as a result file saves hundreds of values at a time.
    bool comma = false;
    bool quote = false;
    for (QChar c : value) {
        const char16_t u = c.unicode();
        if (u == u'\n' || u == u'\r' || u == 0)
            return std::nullopt;
        comma = comma || u == u',';
        quote = quote || u == u'"';
    }
    if (beginsWithQuote(value))
        return std::nullopt;
    const bool blanksWouldDrop = blanks == LeadingBlanks::Keep && value.startsWith(u' ');
    if (!comma && !blanksWouldDrop)
        return value;
    if (quote)
        return std::nullopt;
    return u'"' + value + u'"';
}

QString problem(const QString& value)
{
    if (const QChar bad = singlebyte::firstUnstorable(value); !bad.isNull())
        return FieldTextTexts::tr("the character \"%1\" cannot be stored in the data files").arg(QString(bad));
    if (holdsLineEnd(value))
        return FieldTextTexts::tr("a line end cannot be stored in the data files");
    if (holdsEmptyCharacter(value))
        return FieldTextTexts::tr("an empty character cannot be stored in the data files");
    if (beginsWithQuote(value))
        return FieldTextTexts::tr("a value cannot begin with a double quote");
    if (!line(value))
        return FieldTextTexts::tr("a value that holds a comma cannot also hold a double quote");
    return QString();
}

QString excerpt(const QString& text)
{
    if (text.size() <= kExcerptLength)
        return text;
    return text.left(kExcerptLength) + FieldTextTexts::tr("\u2026 (cut)");
}

} // namespace fieldtext

} // namespace store
