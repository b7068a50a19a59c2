#include "textrules/DisplayPattern.h"

#include "textrules/NumberText.h"

namespace textrules {

namespace numbers {
namespace {

bool isPlace(QChar c)
{
    return c == u'#' || c == u'0';
}

struct Pattern {
    QString prefix;
    QString suffix;
    bool grouping = false;
    int minWholeDigits = 0;
    int decimals = 0;
    int minDecimals = 0;
};

Pattern parse(const QString& text)
{
    qsizetype first = 0;
    while (first < text.size() && !isPlace(text[first]) && text[first] != u'.')
        ++first;
    qsizetype last = text.size() - 1;
    while (last >= first && !isPlace(text[last]))
        --last;

    Pattern p;
    p.prefix = text.left(first);
    p.suffix = text.mid(last + 1);
    bool afterPoint = false;
    for (qsizetype i = first; i <= last; ++i) {
        const QChar c = text[i];
        if (c == u'.')
            afterPoint = true;
        else if (c == u',' && !afterPoint)
            p.grouping = true;
        else if (isPlace(c) && afterPoint) {
            ++p.decimals;
            p.minDecimals += c == u'0' ? 1 : 0;
        } else if (c == u'0')
            ++p.minWholeDigits;
    }
    return p;
}

// |value| as whole digits and exactly `decimals` fraction digits, rounded half away from zero.
struct Rounded {
    QString whole;
    QString fraction;
};

Rounded roundTo(double value, int decimals)
{
    const DecimalDigits d = significantDigits(value);
    QString whole = QStringLiteral("0");
    QString fraction;
    if (d.exponent >= 0) {
        whole = d.digits.left(d.exponent + 1).leftJustified(d.exponent + 1, u'0');
        fraction = d.digits.mid(d.exponent + 1);
    } else {
        fraction = QString(-d.exponent - 1, u'0') + d.digits;
    }
    QString digits = whole + fraction;
    const qsizetype kept = whole.size() + decimals;
    const bool roundUp = digits.size() > kept && digits[kept] >= u'5';
    digits = digits.left(kept).leftJustified(kept, u'0');
    if (roundUp) {
        qsizetype i = kept - 1;
        while (i >= 0 && digits[i] == u'9')
            digits[i--] = u'0';
        if (i >= 0)
            digits[i] = QChar(digits[i].unicode() + 1);
        else
            digits.prepend(u'1');
    }
    const qsizetype wholeDigits = digits.size() - decimals;
    return {digits.left(wholeDigits), digits.mid(wholeDigits)};
}

QString grouped(const QString& whole)
{
    QString out;
    for (qsizetype i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0)
            out += u',';
        out += whole[i];
    }
    return out;
}

} // namespace

QString format(double value, const QString& patternText)
{
    const Pattern p = parse(patternText);
    const Rounded r = roundTo(value, p.decimals);

    qsizetype firstSignificant = 0;
    while (firstSignificant < r.whole.size() && r.whole[firstSignificant] == u'0')
        ++firstSignificant;
    QString whole = r.whole.mid(firstSignificant);
    if (whole.size() < p.minWholeDigits)
        whole.prepend(QString(p.minWholeDigits - whole.size(), u'0'));
    QString fraction = r.fraction;
    while (fraction.size() > p.minDecimals && fraction.endsWith(u'0'))
        fraction.chop(1);

    QString number = p.grouping ? grouped(whole) : whole;
    if (!fraction.isEmpty())
        number += u'.' + fraction;
    // Also when it rounds to zero: -0.001 with "0.00" reads "-0.00".
    const QString sign = value < 0 ? QStringLiteral("-") : QString();
    return sign + p.prefix + number + p.suffix;
}

QString formatResult(const std::optional<double>& value, const QString& pattern)
{
    return value ? format(*value, pattern) : QString();
}

QString fixedField(QString text, int width)
{
    for (qsizetype i = 0; text.size() > width && i < text.size() && !text[i].isDigit();) {
        if (text[i] == u' ')
            text.remove(i, 1);
        else
            ++i;
    }
    return text.rightJustified(width, u' ');
}

} // namespace numbers

} // namespace textrules
