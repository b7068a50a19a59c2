#include "textrules/ReadingHint.h"

#include "textrules/NumberReading.h"
#include "textrules/NumberText.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace textrules {

namespace readinghint {
namespace {
struct ReadingHintTexts {
    Q_DECLARE_TR_FUNCTIONS(ReadingHint)
};

QString withoutBlanks(QStringView text)
{
    QString kept;
    kept.reserve(text.size());
    for (const QChar c : text)
        if (c != u' ' && c != u'\t' && c != u'\n')
            kept.append(c);
    return kept;
}

bool isWholeNumber(const QString& text)
{
    static const QRegularExpression number(
        QStringLiteral(R"(\A[+-]?(?:[0-9]+\.?[0-9]*|\.[0-9]+)(?:[eE][+-]?[0-9]+)?\z)"));
    return number.match(text).hasMatch();
}

// Digits other than zero before any exponent: such a number only reads as 0 when it is too
// small for a double.
bool standsForMoreThanZero(const QString& number)
{
    for (const QChar c : number) {
        if (c == u'e' || c == u'E')
            break;
        if (c >= u'1' && c <= u'9')
            return true;
    }
    return false;
}

} // namespace

QString forText(QStringView text)
{
    const QString number = withoutBlanks(text);
    if (number.isEmpty())
        return QString();
    const std::optional<double> value = numbers::readIfFinite(number);
    if (!value)
        return ReadingHintTexts::tr("too large to calculate with");
    if (isWholeNumber(number) && (*value != 0 || !standsForMoreThanZero(number)))
        return QString();
    return ReadingHintTexts::tr("read as ") + numbers::boxText(*value);
}

} // namespace readinghint

} // namespace textrules
