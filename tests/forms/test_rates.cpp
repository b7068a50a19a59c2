#include "MainWindowDriver.h"

#include "BudgetCalculation.h"
#include "RateReport.h"
#include "RateTable.h"
#include "ResultFile.h"
#include "TextPagePrinter.h"
#include "frmBHR.h"

#include <QPlainTextEdit>
#include <QProcess>
#include <QStandardPaths>

namespace {

// Saves the worked example's record for the name, as Calculate BHR would.
void saveWorkedExample(const DataFolder& folder, const QString& name)
{
    const BoxEntries boxes = workedExampleBoxes();
    const auto textOf = [&boxes](const QString& box) { return boxText(boxes, box); };
    QCOMPARE(calculateBudget(folder, name, textOf).kind, BudgetOutcome::Kind::Completed);
}

QStringList referencePage(const QString& file)
{
    QFile reference(QStringLiteral(TEST_DATA_DIR "/") + file);
    if (!reference.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromLatin1(reference.readAll()).split(QStringLiteral("\r\n"));
    lines.removeLast();
    return lines;
}

QStringList textLines(QWidget* window, const char* box)
{
    return window->findChild<QPlainTextEdit*>(QString::fromLatin1(box))->toPlainText().split(u'\n');
}

} // namespace

class TestRates : public QObject {
    Q_OBJECT
private slots:
    void workedExampleInTheRateWindow();
    void choosingALevelSavesItsDigit();
    void earlierChoiceIsNotReadBack();
    void exitReturnsToTheMainWindow();
    void missingFilesAreNamed();
    void tableAlignmentEdgeCases_data();
    void tableAlignmentEdgeCases();
    void reportMatchesTheReferencePage();
    void reportFacesAndCaptionWhilePrinting();
    void reportCutsAmountsOfABillion();
    void paintedReportHoldsItsText();
};

void TestRates::workedExampleInTheRateWindow()
{
    MainWindowDriver ui;
    saveWorkedExample(ui.folder(), "AB Press 2");
    FrmBHR* rates = FrmBHR::open(ui.platform(), ui.window());

    QCOMPARE(rates->windowTitle(), "Budgeted Hourly Rate Analysis - Equipment & Employee");
    QCOMPARE(rates->findChild<QLabel*>("lblHead1")->text(), "Budgeted Hourly Cost Analysis For AB Press 2");
    QCOMPARE(textLines(rates, "txtHead2").first(),
             " 100       3904         $64.91          $69.01        $34.51");
    QCOMPARE(textLines(rates, "txtHead2").size(), 4);
    QCOMPARE(textLines(rates, "txtHead2").last(), "  60       2342        $108.19         $115.02        $57.51");
    QCOMPARE(rates->findChild<QLabel*>("lblOp1")->text(), "100% Eff");
    QCOMPARE(rates->findChild<QLabel*>("lblOp4")->text(), "60% Eff");
    QCOMPARE(rates->findChild<QRadioButton*>("Option1")->text(), "$69.01");
    QCOMPARE(rates->findChild<QRadioButton*>("Option2")->text(), "$86.26");
    QVERIFY(rates->findChild<QRadioButton*>("Option5")->isChecked());
    QCOMPARE(rates->findChild<QLineEdit*>("txtGen")->text(), "     $10,000.00");
    QCOMPARE(rates->findChild<QLineEdit*>("txtVar")->text(), "     $10,000.00");
    QCOMPARE(rates->findChild<QLineEdit*>("txtTotOH")->text(), "      $8,000.00");
    QCOMPARE(rates->findChild<QLineEdit*>("txtTotCC")->text(), "    $134,709.25");
    QCOMPARE(textLines(rates, "txtNote"), ratetable::noteLines());
    QCOMPARE(textLines(rates, "txtNote").at(1),
             "(A) represents the Manufacturig Cost per chargeable hour and is obtained");
    QCOMPARE(textLines(rates, "txtHead1").first(),
             "%  of       Tot           Manuf          Budget        Employee    ");
}

void TestRates::choosingALevelSavesItsDigit()
{
    MainWindowDriver ui;
    saveWorkedExample(ui.folder(), "Kord");
    FrmBHR* rates = FrmBHR::open(ui.platform(), ui.window());
    QTest::mouseClick(rates->findChild<QRadioButton*>("Option3"), Qt::LeftButton);
    QCOMPARE(ui.fileBytes("Name1.Dat"), QByteArray("3\r\n"));
    QTest::mouseClick(rates->findChild<QRadioButton*>("Option2"), Qt::LeftButton);
    QCOMPARE(ui.fileBytes("Name1.Dat"), QByteArray("2\r\n"));
}

void TestRates::earlierChoiceIsNotReadBack()
{
    MainWindowDriver ui;
    saveWorkedExample(ui.folder(), "Kord");
    QVERIFY(ui.folder().replace("Name1.Dat", {"2"}).ok());
    FrmBHR* rates = FrmBHR::open(ui.platform(), ui.window());
    QVERIFY(rates->findChild<QRadioButton*>("Option5")->isChecked());
    QVERIFY(!rates->findChild<QRadioButton*>("Option2")->isChecked());
    QTest::mouseClick(rates->findChild<QRadioButton*>("Option5"), Qt::LeftButton);
    QCOMPARE(ui.fileBytes("Name1.Dat"), QByteArray("2\r\n"));
}

void TestRates::exitReturnsToTheMainWindow()
{
    MainWindowDriver ui;
    saveWorkedExample(ui.folder(), "Kord");
    FrmBHR* rates = FrmBHR::open(ui.platform(), ui.window());
    QTest::mouseClick(rates->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    QVERIFY(!rates->isVisible());
    QVERIFY(ui.window().isVisible());
}

void TestRates::missingFilesAreNamed()
{
    MainWindowDriver ui;
    FrmBHR* rates = FrmBHR::open(ui.platform(), ui.window());
    QCOMPARE(ui.messages().size(), 1);
    QVERIFY(ui.messages().first().contains("Name.tmp"));
    QCOMPARE(rates->findChild<QLineEdit*>("txtTotCC")->text(), QString());
    QPointer<FrmBHR> closing(rates);
    rates->close();
    QTRY_VERIFY(!closing);

    MainWindowDriver short_;
    QVERIFY(short_.folder().replace("Name.tmp", {"Kord"}).ok());
    QVERIFY(short_.folder().replace("Kord55", QStringList(100, " 0 ")).ok());
    FrmBHR* shortRates = FrmBHR::open(short_.platform(), short_.window());
    QCOMPARE(short_.messages().size(), 1);
    QVERIFY(short_.messages().first().contains("Kord55"));
    QCOMPARE(shortRates->findChild<QRadioButton*>("Option1")->text(), QString());
    QTest::mouseClick(shortRates->findChild<QPushButton*>("cmdPrintBHR"), Qt::LeftButton);
    QCOMPARE(short_.messages().size(), 2);
    QVERIFY(short_.platform().recordedPrinting.pages.isEmpty());
}

void TestRates::tableAlignmentEdgeCases_data()
{
    QTest::addColumn<double>("efficiency");
    QTest::addColumn<std::optional<double>>("hours");
    QTest::addColumn<std::optional<double>>("rateA");
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("label");
    const QString gap7(7, u' ');
    const QString noRatesBandC(8 + 8 + 6 + 8, u' '); // the gaps and two blank rate fields
    QTest::newRow("rate of a thousand dollars cut to 8")
        << 100.0 << std::optional<double>(3904) << std::optional<double>(1234.56)
        << " 100" + gap7 + "3904" + gap7 + "$1,234.5" + noRatesBandC << "100% Eff";
    QTest::newRow("72.5 % shown in full, label rounded")
        << 72.5 << std::optional<double>(2830.4) << std::optional<double>(999.99)
        << "72.5" + gap7 + "2830" + gap7 + " $999.99" + noRatesBandC << "73% Eff";
    QTest::newRow("zero hours and zero efficiency: empty texts, blank fields")
        << 0.0 << std::optional<double>(0) << std::optional<double>()
        << "   0" + gap7 + gap7 + QString(8, u' ') + noRatesBandC << "% Eff";
}

void TestRates::tableAlignmentEdgeCases()
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

void TestRates::reportMatchesTheReferencePage()
{
    MainWindowDriver ui;
    saveWorkedExample(ui.folder(), "AB Press 2");
    FrmBHR* rates = FrmBHR::open(ui.platform(), ui.window());
    QTest::mouseClick(rates->findChild<QPushButton*>("cmdPrintBHR"), Qt::LeftButton);
    QCOMPARE(ui.platform().recordedPrinting.pages.size(), 1);
    const TextPagePrinter& page = ui.platform().recordedPrinting.pages.first();
    const QStringList expected = referencePage("rate-report-worked-example.txt");
    QCOMPARE(expected.size(), 1 + 62 + 4 + 1);
    const QStringList printed = page.lines();
    QCOMPARE(printed.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i)
        QCOMPARE(printed[i], expected[i]);
    QVERIFY(page.documentEnded());
    QCOMPARE(printed.filter("TOTAL VAR. COSTS").size(), 2);
}

void TestRates::reportFacesAndCaptionWhilePrinting()
{
    MainWindowDriver ui;
    saveWorkedExample(ui.folder(), "Kord");
    FrmBHR* rates = FrmBHR::open(ui.platform(), ui.window());
    auto* print = rates->findChild<QPushButton*>("cmdPrintBHR");
    QString captionWhilePrinting;
    ui.platform().recordedPrinting.whilePrinting = [&] { captionWhilePrinting = print->text(); };
    QTest::mouseClick(print, Qt::LeftButton);
    QCOMPARE(captionWhilePrinting, "Printing");
    QCOMPARE(print->text(), "Print BHR");
    const QStringList marked = ui.platform().recordedPrinting.pages.first().markedLines();
    QCOMPARE(marked.first(), "<font Courier New><size 9>   <size 12><b>BUDGETED HOURLY RATE ANALYSIS FOR: Kord");
    QCOMPARE(marked.at(1), "<size 9></b>");
    QVERIFY(marked.last().endsWith("<end>"));
}

void TestRates::reportCutsAmountsOfABillion()
{
    ResultRecord record;
    record.setResult(70, 1234567890.12);
    record.setResult(67, 999999999.99);
    const QStringList lines = [&] {
        TextPagePrinter page;
        play(rateReport("Kord", record), page);
        return page.lines();
    }();
    QVERIFY(lines.contains("                          TOTAL ANNUAL CENTER COST:..$1,234,567,890."));
    QVERIFY(lines.contains("                        TOTAL FACTORY/GENERAL COST:..$999,999,999.99"));
}

void TestRates::paintedReportHoldsItsText()
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        QSKIP("pdftotext is not installed");
    MainWindowDriver ui;
    saveWorkedExample(ui.folder(), "AB Press 2");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(ui.path("rates.pdf"));
    QVERIFY(paintJob(rateReport("AB Press 2", loadResultFile(ui.folder(), "AB Press 2").record), printer));
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-layout", ui.path("rates.pdf"), "-"});
    QVERIFY(pdftotext.waitForFinished(30000));
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    QVERIFY2(text.contains("BUDGETED HOURLY RATE ANALYSIS FOR: AB Press 2"), qPrintable(text));
    QVERIFY2(text.contains(QRegularExpression("TOTAL ANNUAL CENTER COST:\\.\\.\\s+\\$134,709\\.25")), qPrintable(text));
    QVERIFY2(text.contains(QRegularExpression("100\\s+3904\\s+\\$64\\.91\\s+\\$69\\.01\\s+\\$34\\.51")), qPrintable(text));
}

QTEST_MAIN(TestRates)
#include "test_rates.moc"
