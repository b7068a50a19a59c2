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
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("blanks only") << "  \t"
                                 << "";
    QTest::newRow("whole number") << "1500"
                                  << "";
    QTest::newRow("blanks around") << " 12.5 "
                                   << "";
    QTest::newRow("blanks inside") << "1 500"
                                   << "";
    QTest::newRow("negative") << "-3"
                              << "";
    QTest::newRow("plus sign") << "+7"
                               << "";
    QTest::newRow("exponent") << "1e3"
                              << "";
    QTest::newRow("no 0 before the point") << ".5"
                                           << "";
    QTest::newRow("point at the end") << "12."
                                      << "";
    QTest::newRow("zero") << "0.000"
                          << "";
    QTest::newRow("thousands comma") << "1,500"
                                     << "read as 1";
    QTest::newRow("dollar sign") << "$12.50"
                                 << "read as 0";
    QTest::newRow("trailing letter") << "12 x"
                                     << "read as 12";
    QTest::newRow("percent sign") << "80%"
                                  << "read as 80";
    QTest::newRow("second point") << "1.2.3"
                                  << "read as 1.2";
    QTest::newRow("exponent without digits") << "2e"
                                             << "read as 2";
    QTest::newRow("sign alone") << "-"
                                << "read as 0";
    QTest::newRow("point alone") << "."
                                 << "read as 0";
    QTest::newRow("carriage return") << "5\r"
                                     << "read as 5";
    QTest::newRow("too small for a double") << "1e-999"
                                            << "read as 0";
    QTest::newRow("too large for a double") << "1e999"
                                            << "too large to calculate with";
    QTest::newRow("too large before a comma") << "9e400,1"
                                              << "too large to calculate with";
}

void TestReadingHints::hintForText()
{
    QFETCH(QString, text);
    QFETCH(QString, hint);
    QCOMPARE(readinghint::forText(text), hint);
}

QTEST_APPLESS_MAIN(TestReadingHints)
#include "test_reading_hints.moc"
