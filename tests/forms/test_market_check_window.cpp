// The market check window, opened from the analysis window and driven the way a user drives it:
// what it says for each input, and its page on the printer and in a PDF file.
#include "MainWindowDriver.h"

#include "CostFormulas.h"
#include "FileNames.h"
#include "MarketChart.h"
#include "PaintedPage.h"
#include "PricingExamples.h"
#include "WorkedExample.h"
#include "frmCenter.h"
#include "frmMarketCheck.h"

#include <QStandardPaths>

namespace {
enum class Results { Calculated, Missing, Short };

// The worked example's 2000 iph press at 32 minutes is dearer than the market at every level.
const QString kTooDear =
    QStringLiteral("Even at 100 % efficiency this press does not meet the market's price; it would need 116 %.");
// Rate (B) 69.01 at 100 % against the set-up's $60 an hour.
const QString kFirstLevel = QStringLiteral("  1        100 %    $69.01      -$9.01  -15.0 %  above 143 pieces");

void saveResultsOfKord(const DataFolder& folder, Results results)
{
    ResultRecord record;
    QCOMPARE(calculateCosts(workedExampleInputs(), record), CostOutcome::Completed);
    if (results == Results::Calculated)
        QVERIFY(saveResultFile(folder, "Kord", record).ok());
    if (results == Results::Short)
        QVERIFY(folder.replace(filenames::resultFile("Kord"), {" 1 ", " 2 "}).ok());
}

// The check of the worked example's analysis for Kord, with the press's figures typed in.
FrmMarketCheck* typedCheck(RecordedPlatform& platform, const QString& speed, const QString& setUp)
{
    auto* window = new FrmMarketCheck(platform, "Kord", analyseCenter(workedExampleFields()));
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    QTest::keyClicks(control<QLineEdit>(window, "txtSpeed"), speed);
    QTest::keyClicks(control<QLineEdit>(window, "txtSetUp"), setUp);
    return window;
}

QString sentenceOf(const QWidget* window)
{
    return control<QLabel>(window, "lblSentence")->text();
}
} // namespace

class TestMarketCheckWindow : public QObject {
    Q_OBJECT
private slots:
    void openedBesideTheAnalysis();
    void saysWhatItCan_data();
    void saysWhatItCan();
    void pageGoesOut_data();
    void pageGoesOut();
};

void TestMarketCheckWindow::openedBesideTheAnalysis()
{
    MainWindowDriver ui;
    ui.startWithList();
    ui.startAnalysis("Kord");
    QVERIFY(ui.folder().replace(filenames::kNameFile, {"Kord"}).ok());
    ui.window().selectTab(FrmTab::ReverseEngineering);
    ui.typePricing(workedExamplePricing());
    ui.click("Command1");
    saveResultsOfKord(ui.folder(), Results::Calculated);
    auto* center = ui.openWindow<FrmCenter>();
    QVERIFY(center);
    clickIn(center, "cmdMarketCheck");

    auto* check = ui.openWindow<FrmMarketCheck>();
    QVERIFY(check);
    QVERIFY(check->isWindow());
    QCOMPARE(check->windowModality(), Qt::NonModal);
    QCOMPARE(control<QLabel>(check, "lblAnalysis")->text(),
             "The market pays $100.00 per thousand with $32.00 for set-up before mark-up, which implies 882 iph "
             "and 32 minutes of set-up.");
    QTest::keyClicks(control<QLineEdit>(check, "txtSpeed"), "2000");
    QTest::keyClicks(control<QLineEdit>(check, "txtSetUp"), "20");
    QCOMPARE(sentenceOf(check), "At 72 % efficiency or better this press meets the market's price.");

    // The picture is drawn offscreen and grows with the window.
    auto* chart = control<MarketChart>(check, "chtPrice");
    QCOMPARE(chart->chart()->series().size(), 7); // retail, cost, four levels, cross-overs
    const QSize before = chart->size();
    check->resize(check->size() + QSize(200, 150));
    QApplication::processEvents();
    QVERIFY(chart->width() > before.width() && chart->height() > before.height());
    const QImage drawn = chart->grab().toImage();
    QVERIFY(!drawn.isNull() && drawn.pixelColor(drawn.rect().center()) != drawn.pixelColor(1, 1));
    QCOMPARE(ui.messages(), QStringList());
}

void TestMarketCheckWindow::saysWhatItCan_data()
{
    QTest::addColumn<int>("results");
    QTest::addColumn<QString>("speed");
    QTest::addColumn<QString>("setUp");
    QTest::addColumn<QString>("sentence"); // empty: the result file's own sentence
    QTest::addColumn<QString>("firstLevel");
    const int calculated = int(Results::Calculated);
    QTest::newRow("dearer than the market") << calculated << "2000"
                                            << "32" << kTooDear << kFirstLevel;
    QTest::newRow("no speed") << calculated << ""
                              << "32"
                              << "Type the press's running speed in impressions per hour."
                              << "";
    QTest::newRow("zero speed") << calculated << "0"
                                << "32"
                                << "The running speed must be above 0 impressions per hour; the speed typed reads as 0."
                                << "";
    QTest::newRow("speed not a number")
        << calculated << "fast"
        << "32"
        << "The running speed must be above 0 impressions per hour; the speed typed reads as 0."
        << "";
    QTest::newRow("negative set-up") << calculated << "2000"
                                     << "-5"
                                     << "The set-up time must be above 0 minutes; the set-up time typed reads as -5."
                                     << "";
    QTest::newRow("no result file") << int(Results::Missing) << "2000"
                                    << "32"
                                    << ""
                                    << "";
    QTest::newRow("short result file") << int(Results::Short) << "2000"
                                       << "32"
                                       << ""
                                       << "";
}

void TestMarketCheckWindow::saysWhatItCan()
{
    QFETCH(int, results);
    QFETCH(QString, speed);
    QFETCH(QString, setUp);
    QFETCH(QString, sentence);
    QFETCH(QString, firstLevel);
    RecordedPlatform platform(2030);
    saveResultsOfKord(platform.folder(), Results(results));
    if (sentence.isEmpty()) {
        sentence = loadResultFile(platform.folder(), "Kord").error;
        QVERIFY(sentence.contains(filenames::resultFile("Kord")));
    }
    FrmMarketCheck* window = typedCheck(platform, speed, setUp);
    QCOMPARE(sentenceOf(window), sentence);
    const QStringList figures = boxLines(window, "txtFigures");
    QCOMPARE(figures.value(6), firstLevel);
    const bool shown = !firstLevel.isEmpty();
    QCOMPARE(figures.join(QString()).contains(u'$'), shown);
    QCOMPARE(control<MarketChart>(window, "chtPrice")->chart()->series().isEmpty(), !shown);
    QCOMPARE(control<QPushButton>(window, "cmdPrint")->isEnabled(), shown);
    window->close();
}

void TestMarketCheckWindow::pageGoesOut_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("printer") << "cmdPrint";
    QTest::newRow("PDF file") << "cmdSavePdf";
}

void TestMarketCheckWindow::pageGoesOut()
{
    QFETCH(QString, button);
    RecordedPlatform platform(2030);
    saveResultsOfKord(platform.folder(), Results::Calculated);
    const QString pdf = platform.folder().filePath("check.pdf");
    platform.recordedFiles.answer = pdf;
    FrmMarketCheck* window = typedCheck(platform, "2000", "32");
    clickIn(window, button);

    QCOMPARE(platform.recordedPrinting.pages.size(), 1);
    const TextPagePrinter& page = platform.recordedPrinting.pages.first();
    QVERIFY(page.documentEnded());
    const QStringList lines = page.lines();
    QVERIFY(lines.contains("   MARKET CHECK FOR: Kord"));
    QVERIFY(lines.contains("   " + kFirstLevel));
    QVERIFY(lines.contains("   " + kTooDear));
    QVERIFY(lines.contains("[picture: Price by quantity]"));
    if (button == "cmdSavePdf") {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext is not installed");
        const QString text = pdfText(pdf).simplified();
        for (const QString& expected : {QStringLiteral("Quantity (pieces)"), QStringLiteral("Price of the job ($)"),
                                        kTooDear, QStringLiteral("Press at 60 %")})
            QVERIFY2(text.contains(expected), qPrintable(expected + " not in:\n" + text));
    }
    window->close();
}

QTEST_MAIN(TestMarketCheckWindow)
#include "test_market_check_window.moc"
