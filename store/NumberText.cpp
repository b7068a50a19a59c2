#include "NumberText.h"

#include <charconv>
#include <cmath>

namespace numbers {

DecimalDigits significantDigits(double value)
{
    value = std::fabs(value);
    if (value == 0.0)
        return {QStringLiteral("0"), 0};
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    const QString text = QString::fromLatin1(buffer, result.ptr - buffer); // d.ddddddddddddddde+XX
    const qsizetype e = text.indexOf(u'e');
    QString digits = text.left(e).remove(u'.');
    while (digits.size() > 1 && digits.endsWith(u'0'))
        digits.chop(1);
    return {digits, text.mid(e + 1).toInt()};
}

namespace {

QString exponentForm(const DecimalDigits& d)
{
    QString mantissa = d.digits.left(1);
    if (d.digits.size() > 1)
        mantissa += u'.' + d.digits.mid(1);
    const QString power = QString::number(std::abs(d.exponent)).rightJustified(2, u'0');
    return mantissa + (d.exponent < 0 ? QStringLiteral("E-") : QStringLiteral("E+")) + power;
}

QString positionalForm(const DecimalDigits& d)
{
    if (d.exponent < 0)
        return u'.' + QString(-d.exponent - 1, u'0') + d.digits;
    const qsizetype wholeDigits = d.exponent + 1;
    if (d.digits.size() <= wholeDigits)
        return d.digits + QString(wholeDigits - d.digits.size(), u'0');
    return d.digits.left(wholeDigits) + u'.' + d.digits.mid(wholeDigits);
}

} // namespace

QString boxText(double value)
{
    const DecimalDigits d = significantDigits(value);
    if (d.digits == u"0")
        return QStringLiteral("0");
    const bool exponent = d.exponent >= 15 || d.exponent < -5;
    const QString magnitude = exponent ? exponentForm(d) : positionalForm(d);
    return value < 0 ? u'-' + magnitude : magnitude;
}

QString printForm(double value)
{
    const QString text = boxText(value);
    return text.startsWith(u'-') ? text + u' ' : u' ' + text + u' ';
}

} // namespace numbers
