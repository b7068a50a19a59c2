#include "tests/support/ProgramNames.h"
#include "textrules/ArithmeticFailure.h"
#include "textrules/DisplayPattern.h"
#include "textrules/NumberReading.h"
#include "textrules/NumberText.h"

#include <QRandomGenerator>
#include <QTest>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>

class TestNumberRules : public QObject {
    Q_OBJECT
private slots:
    void readsLeadingNumber_data();
    void readsLeadingNumber();
    void intOfAndSinglePrecision();
    void arithmeticFailureKinds();
    void boxText_data();
    void boxText();
    void boxTextReadsBackTheSameNumber_data();
    void boxTextReadsBackTheSameNumber();
    void randomDecimalsReadAsTheirDecimalValue();
    void randomValuesKeepFifteenDigits();
    void displayPatterns_data();
    void displayPatterns();
    void fixedFields_data();
    void fixedFields();
};

void TestNumberRules::readsLeadingNumber_data()
{
    QTest::addColumn<bool>("whole"); // read as a whole number, halves to even
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<double>>("value"); // nothing: overflow
    const auto rowsOf = [](bool whole) {
        return [whole](const char* name, const QString& text, std::optional<double> value) {
            QTest::addRow("%s%s", whole ? "whole: " : "", name) << whole << text << value;
        };
    };
    const auto number = rowsOf(false);
    const auto whole = rowsOf(true);
    const std::optional<double> overflow;
    number("comma ends the number", "1,500", 1.0);
    number("dollar sign first reads 0", "$12.50", 0.0);
    number("blanks anywhere ignored", " 1 2 . 5 ", 12.5);
    number("tabs and line feeds ignored", "\t-3\n0", -30.0);
    number("empty text", "", 0.0);
    number("letters only", "abc", 0.0);
    number("no 0 before the point", ".25", 0.25);
    number("negative fraction", "-.5", -0.5);
    number("plus sign", "+4", 4.0);
    number("sign then blank", "- 5", -5.0);
    number("exponent after a blank", "1 e3", 1000.0);
    number("exponent with sign then letters", "1E+2x", 100.0);
    number("exponent without digits", "2e", 2.0);
    number("second point stops", "1.2.3", 1.2);
    number("percent sign stops", "7.65%", 7.65);
    number("too small is zero", "1e-400", 0.0);
    number("carriage return is not ignored", "4\r5", 4.0);
    number("too small with a long exponent", "0." + QString(800, u'0') + "1e0000000000000400", 0.0);
    number("too small, thousands of exponent zeros", "0." + QString(400, u'0') + "1e" + QString(3000, u'0') + "10",
           0.0);
    number("exponent beyond a double", "1e309", overflow);
    number("negative beyond a double", "-2e308", overflow);
    number("four hundred digits", QString(400, u'9'), overflow);
    number("digits after zeros and a point", "0.001e312", overflow);
    number("long negative exponent, longer mantissa", "1" + QString(500, u'0') + "e-0000000000000150", overflow);
    number("thousands of exponent zeros", "1" + QString(400, u'0') + "e-" + QString(3000, u'0') + "50", overflow);
    whole("half to even, down", "2.5", 2);
    whole("half to even, up", "3.5", 4);
    whole("1.5 gives 2", "1.5", 2);
    whole("0.5 gives 0", "0.5", 0);
    whole("negative half", "-2.5", -2);
    whole("grouped text reads 1", "1,000", 1);
    whole("largest", "2147483647", 2147483647);
    whole("smallest", "-2147483648", -2147483647 - 1);
    whole("one above the largest", "2147483648", overflow);
    whole("one below the smallest", "-2147483649", overflow);
    whole("rounds up out of range", "2147483647.5", overflow);
}

void TestNumberRules::readsLeadingNumber()
{
    QFETCH(bool, whole);
    QFETCH(QString, text);
    QFETCH(std::optional<double>, value);
    try {
        const double read = whole ? numbers::readWhole(text) : numbers::read(text);
        QVERIFY2(value.has_value(), "expected an overflow");
        QCOMPARE(read, *value);
    } catch (const ArithmeticFailure& failure) {
        QVERIFY2(!value.has_value(), "unexpected overflow");
        QCOMPARE(failure.kind(), FailureKind::Overflow);
    }
}

void TestNumberRules::intOfAndSinglePrecision()
{
    QCOMPARE(numbers::intOf(2.7), 2.0);
    QCOMPARE(numbers::intOf(-2.7), -3.0);
    QCOMPARE(numbers::intOf(-3.0), -3.0);
    QCOMPARE(numbers::toSingle(0.085), 0.085f);
    QVERIFY(double(numbers::toSingle(0.085)) != 0.085); // held in single precision
    QVERIFY_THROWS_EXCEPTION(ArithmeticFailure, numbers::toSingle(1e39));
}

void TestNumberRules::arithmeticFailureKinds()
{
    auto kindOf = [](auto operation) -> std::optional<FailureKind> {
        try {
            operation();
        } catch (const ArithmeticFailure& failure) {
            return failure.kind();
        }
        return std::nullopt;
    };
    QCOMPARE(kindOf([] { checked::div(5, 0); }), FailureKind::DivisionByZero);
    QCOMPARE(kindOf([] { checked::div(-5, 0); }), FailureKind::DivisionByZero);
    QCOMPARE(kindOf([] { checked::div(0, 0); }), FailureKind::Overflow);
    QCOMPARE(kindOf([] { checked::mul(1e200, 1e200); }), FailureKind::Overflow);
    QCOMPARE(kindOf([] { checked::add(1.7e308, 1.7e308); }), FailureKind::Overflow);
    QCOMPARE(kindOf([] { checked::div(1e300, 1e-300); }), FailureKind::Overflow);
    QCOMPARE(kindOf([] { checked::div(1, 4); }), std::nullopt);
    QCOMPARE(checked::div(1, 4), 0.25);
}

// The text of a number in a box, and in a file or on the printer (a blank before and after).
void TestNumberRules::boxText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("printed");
    QTest::newRow("whole") << 200.0 << "200" << false;
    QTest::newRow("15 significant digits, last to the nearest") << 500.0 / 3 << "166.666666666667" << false;
    QTest::newRow("below 1 without a 0") << 0.25 << ".25" << false;
    QTest::newRow("negative below 1") << -0.5 << "-.5" << false;
    QTest::newRow("zero") << 0.0 << "0" << false;
    QTest::newRow("trailing zeros dropped") << 1234.5 << "1234.5" << false;
    QTest::newRow("binary noise rounded away") << 0.1 + 0.2 << ".3" << false;
    QTest::newRow("15 digits stay positional") << 123456789012345.0 << "123456789012345" << false;
    QTest::newRow("exponent form from 1E+15") << 1e15 << "1E+15" << false;
    QTest::newRow("large with a mantissa") << -1.5e300 << "-1.5E+300" << false;
    QTest::newRow("small stays positional") << 0.00001 << ".00001" << false;
    QTest::newRow("smaller uses the exponent") << 0.0000012 << "1.2E-06" << false;
    QTest::newRow("largest double, last digit toward zero")
        << std::numeric_limits<double>::max() << "1.79769313486231E+308" << false;
    QTest::newRow("negative largest double")
        << std::numeric_limits<double>::lowest() << "-1.79769313486231E+308" << false;
    QTest::newRow("printed: positive") << 1234.5 << " 1234.5 " << true;
    QTest::newRow("printed: whole quantity") << 1000.0 << " 1000 " << true;
    QTest::newRow("printed: zero") << 0.0 << " 0 " << true;
    QTest::newRow("printed: negative below 1") << -0.25 << "-.25 " << true;
}

void TestNumberRules::boxText()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QFETCH(bool, printed);
    QCOMPARE(printed ? numbers::printForm(value) : numbers::boxText(value), text);
}

void TestNumberRules::boxTextReadsBackTheSameNumber_data()
{
    QTest::addColumn<double>("value");
    for (double value : {1303.4112, 357.142857142857, 1e15, 1.5e-7, -2.5e20, 64.91256830601093})
        QTest::newRow(qPrintable(QString::number(value, 'g', 17))) << value;
    QTest::newRow("largest double") << std::numeric_limits<double>::max();
    QTest::newRow("negative largest double") << std::numeric_limits<double>::lowest();
    QTest::newRow("smallest normal") << std::numeric_limits<double>::min();
    QTest::newRow("smallest subnormal") << std::numeric_limits<double>::denorm_min();
}

// Back within the 15 digits written, in a box and in a file; the smallest subnormal comes back
// as itself, not as 0.
void TestNumberRules::boxTextReadsBackTheSameNumber()
{
    QFETCH(double, value);
    for (const QString& text : {numbers::boxText(value), numbers::printForm(value)}) {
        const double back = numbers::read(text);
        QCOMPARE(numbers::boxText(back), numbers::boxText(value));
        QVERIFY(qAbs(back - value) <= qAbs(value) * 1e-14);
    }
}

// Texts of a sign, up to 20 digits and a point, with blanks anywhere, against the C library's
// reading of the same text without its blanks; and every value as its box text reads back.
void TestNumberRules::randomDecimalsReadAsTheirDecimalValue()
{
    QRandomGenerator random(20261208);
    for (int round = 0; round < 20000; ++round) {
        QString text;
        const int sign = random.bounded(4);
        text += sign == 0 ? QStringLiteral("-") : sign == 1 ? QStringLiteral("+") : QString();
        const int digits = random.bounded(1, 21);
        const int point = random.bounded(digits + 1);
        for (int i = 0; i < digits; ++i) {
            if (i == point && round % 3 != 0)
                text += u'.';
            text += QChar(u'0' + (random.bounded(5) == 0 ? 0 : random.bounded(10)));
        }
        QString typed = text;
        for (int blanks = random.bounded(3); blanks > 0; --blanks)
            typed.insert(random.bounded(typed.size() + 1), random.bounded(2) ? u' ' : u'\t');
        const double expected = std::strtod(text.toLatin1().constData(), nullptr);
        QVERIFY2(numbers::read(typed) == expected, qPrintable(typed));

        const double value = expected * std::pow(10.0, random.bounded(-12, 12));
        QVERIFY2(numbers::asBoxTextReads(value) == numbers::read(numbers::boxText(value)),
                 qPrintable(numbers::boxText(value)));
    }
}

// Values of every size, subnormal ones among them, against the C library's rounding to 15
// significant digits.
void TestNumberRules::randomValuesKeepFifteenDigits()
{
    QRandomGenerator random(4711);
    for (int round = 0; round < 20000; ++round) {
        const double mantissa = random.generateDouble() * 10;
        const double value = round % 7 == 0 ? std::ldexp(mantissa, random.bounded(-1074, -1010))
                                            : mantissa * std::pow(10.0, random.bounded(-30, 30));
        char text[64];
        std::snprintf(text, sizeof text, "%.14e", value);
        QString digits = QString::fromLatin1(text).section(u'e', 0, 0).remove(u'.');
        while (digits.size() > 1 && digits.endsWith(u'0'))
            digits.chop(1);
        const numbers::DecimalDigits written = numbers::significantDigits(value);
        QCOMPARE(written.digits, digits);
        QCOMPARE(written.exponent, QString::fromLatin1(text).section(u'e', 1).toInt());
    }
}

void TestNumberRules::displayPatterns_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("text");
    QTest::newRow("money with grouping") << 1234.5 << numbers::kMoneyPattern << "$1,234.50";
    QTest::newRow("indented amount") << 1234.5 << numbers::kIndentedAmountPattern << "   $1,234.50";
    QTest::newRow("indented zero") << 0.0 << numbers::kIndentedAmountPattern << "   $0.00";
    QTest::newRow("a million") << 1e6 << numbers::kIndentedAmountPattern << "   $1,000,000.00";
    QTest::newRow("just below a million") << 999999.99 << numbers::kIndentedAmountPattern << "   $999,999.99";
    QTest::newRow("amount of a billion less a cent") << 999999999.99 << numbers::kAmountPattern << "$999,999,999.99";
    QTest::newRow("rate A of the worked example") << 64.91256830601093 << numbers::kMoneyPattern << "$64.91";
    QTest::newRow("rate above a thousand") << 1234.56 << numbers::kMoneyPattern << "$1,234.56";
    QTest::newRow("grouped without dollar") << 1234.5 << numbers::kGroupedPattern << "1,234.50";
    QTest::newRow("hours") << 3904.0 << numbers::kHoursPattern << "3904";
    QTest::newRow("hours more digits than places") << 1234567.0 << numbers::kHoursPattern << "1234567";
    QTest::newRow("zero hours give nothing") << 0.0 << numbers::kHoursPattern << "";
    QTest::newRow("hours rounding to zero give nothing") << 0.4 << numbers::kHoursPattern << "";
    QTest::newRow("percent rounds half away from zero") << 72.5 << numbers::kPercentPattern << "73";
    QTest::newRow("percent half") << 0.5 << numbers::kPercentPattern << "1";
    QTest::newRow("percent 100") << 100.0 << numbers::kPercentPattern << "100";
    QTest::newRow("negative before the whole result") << -1234.5 << numbers::kMoneyPattern << "-$1,234.50";
    QTest::newRow("negative indented") << -2.0 << numbers::kIndentedAmountPattern << "-   $2.00";
    QTest::newRow("negative percent") << -25.0 << numbers::kPercentPattern << "-25";
    QTest::newRow("rounded as the value reads") << 2.675 << numbers::kMoneyPattern << "$2.68";
    QTest::newRow("half a cent up") << 0.005 << numbers::kMoneyPattern << "$0.01";
    QTest::newRow("carry into a new group") << 999.995 << numbers::kMoneyPattern << "$1,000.00";
    QTest::newRow("negative rounding to zero keeps its sign") << -0.001 << numbers::kMoneyPattern << "-$0.00";
    QTest::newRow("cents below a dollar") << 0.25 << numbers::kMoneyPattern << "$0.25";
    // A negative value reads as negative even when it rounds to nothing shown.
    QTest::newRow("rounds to zero cents") << -0.001 << "0.00"
                                          << "-0.00";
    QTest::newRow("money rounding to zero") << -0.004 << numbers::kMoneyPattern << "-$0.00";
    QTest::newRow("indented amount rounding to zero") << -0.001 << numbers::kIndentedAmountPattern << "-   $0.00";
    QTest::newRow("hours rounding to nothing") << -0.4 << numbers::kHoursPattern << "-";
}

void TestNumberRules::displayPatterns()
{
    QFETCH(double, value);
    QFETCH(QString, pattern);
    QFETCH(QString, text);
    QCOMPARE(numbers::format(value, pattern), text);
}

void TestNumberRules::fixedFields_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("field");
    QTest::newRow("a million drops a lead blank") << "   $1,000,000.00" << 15 << "  $1,000,000.00";
    QTest::newRow("just below a million is padded") << "   $999,999.99" << 15 << "    $999,999.99";
    QTest::newRow("a wide rate grows past 8") << "$1,234.56" << 8 << "$1,234.56";
    QTest::newRow("rate padded to 8") << "$999.99" << 8 << " $999.99";
    QTest::newRow("exact width") << "$64.91" << 6 << "$64.91";
    QTest::newRow("empty") << "" << 3 << "   ";
    // A text too long for its field gives up the blanks that only indent it, then grows.
    QTest::newRow("a billion less a cent gives up all three") << "   $999,999,999.99" << 15 << "$999,999,999.99";
    QTest::newRow("a billion grows past the field") << "   $1,234,567,890.12" << 15 << "$1,234,567,890.12";
    QTest::newRow("negative million gives up blanks after the sign") << "-   $1,000,000.00" << 15 << "- $1,000,000.00";
    QTest::newRow("rate of a thousand grows past 8") << "$1,405.83" << 8 << "$1,405.83";
}

void TestNumberRules::fixedFields()
{
    QFETCH(QString, text);
    QFETCH(int, width);
    QFETCH(QString, field);
    QCOMPARE(numbers::fixedField(text, width), field);
}

QTEST_APPLESS_MAIN(TestNumberRules)
#include "test_number_rules.moc"
