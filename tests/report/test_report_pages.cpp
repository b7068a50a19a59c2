// The printed pages and the rate table, laid out as text without any window.
#include "report/RateReport.h"
#include "report/RateTable.h"
#include "tests/support/ProgramNames.h"
#include "tests/support/SamplePrintJob.h"
#include "tests/support/TextPagePrinter.h"

#include <QRegularExpression>
#include <QTest>

#include <optional>

class TestReportPages : public QObject {
    Q_OBJECT
private slots:
    void textPageLaysOutColumnsLinesAndFaces();
    void tableAlignmentEdgeCases_data();
    void tableAlignmentEdgeCases();
    void rateReportNeverCutsAnAmount_data();
    void rateReportNeverCutsAnAmount();
    void rateRowGoesOnWhereTheLineIsPastARate_data();
    void rateRowGoesOnWhereTheLineIsPastARate();
};

void TestReportPages::textPageLaysOutColumnsLinesAndFaces()
{
    const TextPagePrinter page = TextPagePrinter::of(samplePrintJob());
    const QStringList expected = {
        "   HEADING FOR: Kord",
        "       100         3904        $64.91",
        "a long text that runs past",
        "         next",
        "   You will be using 32 Minutes",
        "  Quantity",
        "  x",
        "",
        "-.5 ",
    };
    QCOMPARE(page.lines(), expected);
    QVERIFY(page.documentEnded());
    const QStringList marked = page.markedLines();
    QCOMPARE(marked.first(), "<font Courier New><size 9>   <size 12><b>HEADING FOR: Kord");
    QCOMPARE(marked.at(1), "<size 9></b>       100         3904        $64.91");
    QCOMPARE(marked.at(4), "   You will be using<b> 32 </b>Minutes");
    QCOMPARE(marked.at(5), "<u>  Quantity");
    QCOMPARE(marked.last(), "-.5 <end>");
}

void TestReportPages::tableAlignmentEdgeCases_data()
{
    QTest::addColumn<double>("efficiency");
    QTest::addColumn<std::optional<double>>("hours");
    QTest::addColumn<std::optional<double>>("rateA");
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("label");
    const QString gap7(7, u' ');
    const QString noRatesBandC(8 + 8 + 6 + 8, u' '); // the gaps and two blank rate fields
    QTest::newRow("72.5 % shown in full, label rounded")
        << 72.5 << std::optional<double>(2830.4) << std::optional<double>(999.99)
        << "72.5" + gap7 + "2830" + gap7 + " $999.99" + noRatesBandC << "73% Eff";
    QTest::newRow("zero hours and zero efficiency: empty texts, blank fields")
        << 0.0 << std::optional<double>(0) << std::optional<double>()
        << "   0" + gap7 + gap7 + QString(8, u' ') + noRatesBandC << "% Eff";
}

void TestReportPages::tableAlignmentEdgeCases()
{
    QFETCH(double, efficiency);
    QFETCH(std::optional<double>, hours);
    QFETCH(std::optional<double>, rateA);
    QFETCH(QString, row);
    QFETCH(QString, label);
    ResultRecord record;
    record.setInput(77, efficiency);
    if (hours)
        record.setResult(77, *hours);
    if (rateA)
        record.setResult(81, *rateA);
    QCOMPARE(ratetable::row(record, 0), row);
    QCOMPARE(ratetable::optionLabel(record, 0), label);
}

// Where an amount fits its field it stands where it always stood; a longer one keeps every
// digit and its right edge, taking the room from the blanks before it.
void TestReportPages::rateReportNeverCutsAnAmount_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("line");
    QTest::newRow("a billion less a cent")
        << 67 << 999999999.99 << "                        TOTAL FACTORY/GENERAL COST:..$999,999,999.99";
    QTest::newRow("grand total of a billion")
        << 70 << 1234567890.12 << "                        TOTAL ANNUAL CENTER COST:..$1,234,567,890.12";
    QTest::newRow("item of a billion") << 28 << 1234567890.12 << " TOTAL RENT:.............$1,234,567,890.12";
    QTest::newRow("rate B of $1,405.83 ends in column 56") << 89 << 1405.83 << QString(47, u' ') + "$1,405.83";
    QTest::newRow("rate A of $99,999.99 ends in column 39") << 81 << 99999.99 << QString(29, u' ') + "$99,999.99";
}

void TestReportPages::rateReportNeverCutsAnAmount()
{
    QFETCH(int, slot);
    QFETCH(double, value);
    QFETCH(QString, line);
    ResultRecord record;
    record.setResult(slot, value);
    QStringList lines = TextPagePrinter::of(rateReport("Kord", record)).lines();
    for (QString& printed : lines)
        printed.remove(QRegularExpression(" +$")); // a rate row ends in blank fields
    QVERIFY2(lines.contains(line), qPrintable(lines.join(u'\n')));
}

// The rate row of the first level with the worked example's rates (A) $64.91, (B) $69.01 and
// (C) $34.51 at 100 %, for chargeable hours and a rate (A) that crowd the row.
void TestReportPages::rateRowGoesOnWhereTheLineIsPastARate_data()
{
    QTest::addColumn<double>("hours");
    QTest::addColumn<double>("rateA");
    QTest::addColumn<QStringList>("lines");
    const QString start = QStringLiteral("       100") + QString(9, u' '); // the hours from column 20
    const QString ratesBandC = QString(9, u' ') + "  $69.01" + QString(9, u' ') + "  $34.51"; // columns 49, 66
    QTest::newRow("12-digit hours end before rate A's column 32")
        << 123456789012.0 << 64.9125 << QStringList{start + "123456789012" + "  $64.91" + ratesBandC};
    QTest::newRow("13-digit hours reach column 32: the rates go on the next line")
        << 1234567890123.0 << 64.9125
        << QStringList{start + "1234567890123", QString(31, u' ') + "  $64.91" + ratesBandC};
    QTest::newRow("a rate A wider than its field would touch the hours: next line, still ending in column 39")
        << 1234567.0 << 1234567.89 << QStringList{start + "1234567", QString(26, u' ') + "$1,234,567.89" + ratesBandC};
}

void TestReportPages::rateRowGoesOnWhereTheLineIsPastARate()
{
    QFETCH(double, hours);
    QFETCH(double, rateA);
    QFETCH(QStringList, lines);
    ResultRecord record;
    record.setInput(77, 100);
    record.setResult(77, hours);
    record.setResult(81, rateA);
    record.setResult(89, 69.0108);
    record.setResult(100, 34.5054);
    const QStringList page = TextPagePrinter::of(rateReport("Kord", record)).lines();
    const qsizetype row = page.indexOf(QRegularExpression("       100 .*")); // matches whole lines
    QVERIFY(row > 0);
    QCOMPARE(page.mid(row, lines.size()), lines);
    QVERIFY(page.at(row + lines.size()).trimmed().isEmpty()); // the second level's row, without figures
}

QTEST_MAIN(TestReportPages)
#include "test_report_pages.moc"
