#include "tests/support/ProgramNames.h"
#include "textrules/ReadingHint.h"

#include <QTest>

class TestReadingHints : public QObject {
    Q_OBJECT
private slots:
    void hintForText_data();
    void hintForText();
};

void TestReadingHints::hintForText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("hint"); // empty: reads as typed
    const auto row = [](const char* name, const char* text, const char* hint) {
        QTest::newRow(name) << QString(text) << QString(hint);
    };
    row("empty", "", "");
    row("blanks only", "  \t", "");
    row("whole number", "1500", "");
    row("blanks around", " 12.5 ", "");
    row("blanks inside", "1 500", "");
    row("negative", "-3", "");
    row("plus sign", "+7", "");
    row("exponent", "1e3", "");
    row("no 0 before the point", ".5", "");
    row("point at the end", "12.", "");
    row("zero", "0.000", "");
    row("thousands comma", "1,500", "read as 1");
    row("dollar sign", "$12.50", "read as 0");
    row("trailing letter", "12 x", "read as 12");
    row("percent sign", "80%", "read as 80");
    row("second point", "1.2.3", "read as 1.2");
    row("exponent without digits", "2e", "read as 2");
    row("sign alone", "-", "read as 0");
    row("point alone", ".", "read as 0");
    row("carriage return", "5\r", "read as 5");
    row("too small for a double", "1e-999", "read as 0");
    row("too large for a double", "1e999", "too large to calculate with");
    row("too large before a comma", "9e400,1", "too large to calculate with");
}

void TestReadingHints::hintForText()
{
    QFETCH(QString, text);
    QFETCH(QString, hint);
    QCOMPARE(readinghint::forText(text), hint);
}

QTEST_APPLESS_MAIN(TestReadingHints)
#include "test_reading_hints.moc"
