// Display patterns and fixed-width fields: what the user reads of a number.
#include "DisplayPattern.h"

#include <QTest>

class TestDisplayPatterns : public QObject {
    Q_OBJECT
private slots:
    void negativeKeepsItsSign_data();
    void negativeKeepsItsSign();
    void fieldsKeepEveryCharacterOfTheNumber_data();
    void fieldsKeepEveryCharacterOfTheNumber();
};

// A negative value reads as negative even when it rounds to nothing shown.
void TestDisplayPatterns::negativeKeepsItsSign_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("text");
    QTest::newRow("rounds to zero cents") << -0.001 << "0.00"
                                          << "-0.00";
    QTest::newRow("money rounding to zero") << -0.004 << numbers::kMoneyPattern << "-$0.00";
    QTest::newRow("indented amount rounding to zero") << -0.001 << numbers::kIndentedAmountPattern << "-   $0.00";
    QTest::newRow("hours rounding to nothing") << -0.4 << numbers::kHoursPattern << "-";
}

void TestDisplayPatterns::negativeKeepsItsSign()
{
    QFETCH(double, value);
    QFETCH(QString, pattern);
    QFETCH(QString, text);
    QCOMPARE(numbers::format(value, pattern), text);
}

// A text too long for its field gives up the blanks that only indent it, then grows.
void TestDisplayPatterns::fieldsKeepEveryCharacterOfTheNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("field");
    QTest::newRow("a million gives up one indenting blank") << "   $1,000,000.00" << 15 << "  $1,000,000.00";
    QTest::newRow("a billion less a cent gives up all three") << "   $999,999,999.99" << 15 << "$999,999,999.99";
    QTest::newRow("a billion grows past the field") << "   $1,234,567,890.12" << 15 << "$1,234,567,890.12";
    QTest::newRow("negative million gives up blanks after the sign") << "-   $1,000,000.00" << 15 << "- $1,000,000.00";
    QTest::newRow("rate of a thousand grows past 8") << "$1,405.83" << 8 << "$1,405.83";
}

void TestDisplayPatterns::fieldsKeepEveryCharacterOfTheNumber()
{
    QFETCH(QString, text);
    QFETCH(int, width);
    QFETCH(QString, field);
    QCOMPARE(numbers::fixedField(text, width), field);
}

QTEST_APPLESS_MAIN(TestDisplayPatterns)
#include "test_display_patterns.moc"
