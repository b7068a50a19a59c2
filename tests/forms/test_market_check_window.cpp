// The market check window, opened from the analysis window and driven the way a user drives it:
// what it says for each input, how it follows its center's results, and its page on the printer
// and in a PDF file.
#include "tests/support/MainWindowDriver.h"
#include "tests/support/ProgramNames.h"

#include "engine/CostFormulas.h"
#include "engine/ResultSlots.h"
#include "forms/MarketChart.h"
#include "forms/frmCenter.h"
#include "forms/frmMarketCheck.h"
#include "platform/PainterPrinter.h"
#include "report/MarketCheckReport.h"
#include "store/FileNames.h"
#include "tests/engine/WorkedExample.h"
#include "tests/pricing/PricingExamples.h"
#include "tests/support/PaintedPage.h"

#include <QStandardPaths>

namespace {
enum class Results { Calculated, Missing, Short };

// The worked example at 2,000 iph and 32 minutes, for a job of 1,000 pieces: 32/60 + 1000/2000 =
// 1.03333 press hours against the market's 32 + 68 = $100, so $96.7742 an hour, which rate (B)
// meets at 69.0109 / 96.7742 = 71.31 %, said as 71.4 %. The levels are cheaper above
// (36.8058 - 32) / (0.068 - 69.0109/2000) = 143.48 pieces, 563.26, 1,100.14 and 2,796.99.
const QStringList kVerdictFor1000 = {
    "For a job of 1,000 pieces this press is cheaper than the market at 100 % and 80 % efficiency, not at 70 % and "
    "60 %; it needs 71.4 % efficiency or better to break even on this job.",
    "At 100 %: cheaper above 143 pieces.", "At 80 %: cheaper above 563 pieces.", "At 70 %: cheaper above 1,100 pieces.",
    "At 60 %: cheaper above 2,796 pieces."};
// Level 1 for that job: 1.03333 x 69.0109 = $71.31 on the press, 96.7742 - 69.0109 = $27.76 an
// hour and 100 - 71.31 = $28.69 a job to spare.
const QString kFirstLevel =
    QStringLiteral("  1        100 %     $69.01      $71.31       $27.76       $28.69  above 143");
constexpr int kFirstLevelLine = 8; // after the job's five figures, the every-job line, a gap and the heading

void saveResultsOfKord(const DataFolder& folder, Results results, const QString& sellingOverhead = "8000")
{
    InputTexts inputs = workedExampleInputs();
    inputs[InputBox::Selling] = sellingOverhead;
    ResultRecord record;
    QCOMPARE(calculateCosts(inputs, record), CostOutcome::Completed);
    if (results == Results::Calculated)
        QVERIFY(saveResultFile(folder, "Kord", record).ok());
    if (results == Results::Short)
        QVERIFY(folder.replace(filenames::resultFile("Kord"), {" 1 ", " 2 "}).ok());
}

// The check of the worked example's analysis for Kord, with the press's figures typed in.
FrmMarketCheck* typedCheck(RecordedPlatform& platform, const QString& speed, const QString& setUp,
                           const QString& job = QString())
{
    auto* window = new FrmMarketCheck(platform, "Kord", analyseCenter(workedExampleFields()));
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    QTest::keyClicks(control<QLineEdit>(window, "txtSpeed"), speed);
    QTest::keyClicks(control<QLineEdit>(window, "txtSetUp"), setUp);
    if (!job.isNull()) {
        control<QLineEdit>(window, "txtJob")->clear();
        QTest::keyClicks(control<QLineEdit>(window, "txtJob"), job);
    }
    return window;
}

QStringList sentenceOf(const QWidget* window)
{
    return control<QLabel>(window, "lblSentence")->text().split(u'\n');
}

QStringList figuresOf(const QWidget* window)
{
    return control<QLabel>(window, "lblFigures")->text().split(u'\n');
}

// The names of a picture's series.
QStringList seriesOf(const QWidget* window, const char* chart)
{
    QStringList names;
    for (const QAbstractSeries* series : control<MarketChart>(window, chart)->chart()->series())
        names << series->name();
    return names;
}
} // namespace

class TestMarketCheckWindow : public QObject {
    Q_OBJECT
private slots:
    void openedBesideTheAnalysis();
    void saysWhatItCan_data();
    void saysWhatItCan();
    void hintsBesideTheBoxes_data();
    void hintsBesideTheBoxes();
    void followsItsCenter();
    void nothingIsCut();
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
             "The market's price: run $68.00 per thousand plus $32.00 set-up per job, before mark-up (a 1,000-piece "
             "job: $100.00). It implies 882 iph and 32 minutes of set-up.");
    // The job starts between the two quantities: the square root of 1,000 x 10,000 is 3,162.28.
    QCOMPARE(control<QLineEdit>(check, "txtJob")->text(), "3162");
    QTest::keyClicks(control<QLineEdit>(check, "txtSpeed"), "5000");
    QTest::keyClicks(control<QLineEdit>(check, "txtSetUp"), "32");
    // 32 + 0.068 x 3162 = $247.02 in 32/60 + 3162/5000 = 1.16573 hours: $211.90 an hour, which
    // rate (B) meets at 69.0109 / 211.90 = 32.57 %.
    QCOMPARE(sentenceOf(check).first(),
             "For a job of 3,162 pieces this press is cheaper than the market at every efficiency level (100 %, "
             "80 %, 70 % and 60 %); it needs 32.6 % efficiency or better to break even on this job.");

    // Both pictures are drawn offscreen, mark the job and grow with the window.
    QCOMPARE(seriesOf(check, "chtPrice"),
             QStringList({"Market retail", "Market cost", "Press at 100 %", "Press at 80 %", "Press at 70 %",
                          "Press at 60 %", "Cross-over", "", "Typical job"}));
    QCOMPARE(seriesOf(check, "chtBreakEven"), QStringList({"Break-even", "Level 1: 100 %", "Level 2: 80 %",
                                                           "Level 3: 70 %", "Level 4: 60 %", "", "Typical job"}));
    auto* pictures = control<QTabWidget>(check, "tabPictures");
    check->resize(1200, 650); // the figures at their full width, the pictures beside them
    for (int page = 0; page < pictures->count(); ++page) {
        pictures->setCurrentIndex(page);
        QApplication::processEvents();
        QWidget* chart = pictures->currentWidget();
        const QSize before = chart->size();
        check->resize(check->size() + QSize(100, 80));
        QApplication::processEvents();
        QVERIFY2(chart->width() > before.width() && chart->height() > before.height(),
                 qPrintable(QStringLiteral("%1x%2 to %3x%4")
                                .arg(before.width())
                                .arg(before.height())
                                .arg(chart->width())
                                .arg(chart->height())));
        const QImage drawn = chart->grab().toImage();
        QVERIFY(!drawn.isNull() && drawn.pixelColor(drawn.rect().center()) != drawn.pixelColor(1, 1));
    }
    QCOMPARE(ui.messages(), QStringList());
}

void TestMarketCheckWindow::saysWhatItCan_data()
{
    QTest::addColumn<int>("results");
    QTest::addColumn<QString>("speed");
    QTest::addColumn<QString>("setUp");
    QTest::addColumn<QString>("job");
    QTest::addColumn<QStringList>("sentence");
    QTest::addColumn<QString>("firstLevel"); // empty: no rates, so no table
    QTest::addColumn<bool>("marketFigures");
    const int calculated = int(Results::Calculated);
    QTest::newRow("cheaper at two levels") << calculated << "2000"
                                           << "32"
                                           << "1000" << kVerdictFor1000 << kFirstLevel << true;
    QTest::newRow("no speed") << calculated << ""
                              << "32"
                              << "1000" << QStringList{"Type the press's running speed in impressions per hour."} << ""
                              << false;
    QTest::newRow("zero speed") << calculated << "0"
                                << "32"
                                << "1000"
                                << QStringList{"The press's running speed must be above 0 impressions per hour; the "
                                               "speed typed reads as 0."}
                                << "" << false;
    QTest::newRow("negative set-up and no job")
        << calculated << "2000"
        << "-5"
        << ""
        << QStringList{"The press's set-up time must be above 0 minutes; the set-up time typed reads as -5. "
                       "Type the typical job in pieces."}
        << "" << false;
    QTest::newRow("no result file") << int(Results::Missing) << "2000"
                                    << "32"
                                    << "1000" << QStringList{"Calculate BHR for Kord to compare its rates."} << ""
                                    << true;
    QTest::newRow("short result file")
        << int(Results::Short) << "2000"
        << "32"
        << "1000"
        << QStringList{"The saved results of Kord cannot be read. Calculate BHR for Kord to compare its rates."} << ""
        << true;
}

void TestMarketCheckWindow::saysWhatItCan()
{
    QFETCH(int, results);
    QFETCH(QString, speed);
    QFETCH(QString, setUp);
    QFETCH(QString, job);
    QFETCH(QStringList, sentence);
    QFETCH(QString, firstLevel);
    QFETCH(bool, marketFigures);
    RecordedPlatform platform(2030);
    saveResultsOfKord(platform.folder(), Results(results));
    FrmMarketCheck* window = typedCheck(platform, speed, setUp, job);
    QCOMPARE(sentenceOf(window), sentence);
    const QStringList figures = figuresOf(window);
    QCOMPARE(figures.value(kFirstLevelLine), firstLevel);
    // The market's side stands without results: 32 + 68 = $100 for 1,000 pieces in 1.03333 hours.
    QCOMPARE(figures.first().isEmpty(), !marketFigures);
    QCOMPARE(figures.value(3).endsWith("$96.77"), marketFigures);
    QCOMPARE(seriesOf(window, "chtPrice").contains("Market cost"), marketFigures);
    const bool rates = !firstLevel.isEmpty();
    QCOMPARE(seriesOf(window, "chtPrice").contains("Press at 100 %"), rates);
    QCOMPARE(seriesOf(window, "chtBreakEven").isEmpty(), !rates);
    QCOMPARE(control<QPushButton>(window, "cmdPrint")->isEnabled(), rates);
    window->close();
}

void TestMarketCheckWindow::hintsBesideTheBoxes_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("hint");
    QTest::newRow("speed with a thousands comma") << "txtSpeed"
                                                  << "8,000"
                                                  << "read as 8";
    QTest::newRow("set-up with a unit") << "txtSetUp"
                                        << "20 min"
                                        << "read as 20";
    QTest::newRow("job with a thousands comma") << "txtJob"
                                                << "3,162"
                                                << "read as 3";
    QTest::newRow("job as typed") << "txtJob"
                                  << "3162"
                                  << "";
}

void TestMarketCheckWindow::hintsBesideTheBoxes()
{
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, hint);
    RecordedPlatform platform(2030);
    FrmMarketCheck* window = typedCheck(platform, "", "", "");
    QTest::keyClicks(control<QLineEdit>(window, box), typed);
    const QLabel* note = control<QLabel>(window, box + "Hint");
    QCOMPARE(note->text(), hint);
    QCOMPARE(note->isVisible(), !hint.isEmpty());
    window->close();
}

void TestMarketCheckWindow::followsItsCenter()
{
    RecordedPlatform platform(2030);
    saveResultsOfKord(platform.folder(), Results::Missing);
    FrmMarketCheck* window = typedCheck(platform, "2000", "32", "1000");
    QCOMPARE(sentenceOf(window), QStringList{"Calculate BHR for Kord to compare its rates."});
    saveResultsOfKord(platform.folder(), Results::Calculated);
    window->reloadCenter();
    QCOMPARE(figuresOf(window).value(kFirstLevelLine), kFirstLevel);

    // Selling overhead up by $10,000: 144709.254 x 2 / 3904 = $74.13 at 100 %, 1.03333 x 74.1338 =
    // $76.605 for the job, 96.7742 - 74.1338 = $22.64 an hour and 100 - 76.605 = $23.395 a job to
    // spare; the cross-over (39.5380 - 32) / (0.068 - 0.0370669) = 243.69 pieces.
    saveResultsOfKord(platform.folder(), Results::Calculated, "18000");
    window->reloadCenter();
    const QString newFirstLevel =
        QStringLiteral("  1        100 %     $74.13      $76.60       $22.64       $23.40  above 243");
    QCOMPARE(figuresOf(window).value(kFirstLevelLine), newFirstLevel);
    QCOMPARE(control<QLineEdit>(window, "txtSpeed")->text(), "2000");
    QCOMPARE(control<QLineEdit>(window, "txtJob")->text(), "1000");
    clickIn(window, "cmdPrint");
    QCOMPARE(platform.recordedPrinting.pages.size(), 1);
    QVERIFY(platform.recordedPrinting.pages.first().lines().contains("   " + newFirstLevel));
    window->close();
}

void TestMarketCheckWindow::nothingIsCut()
{
    RecordedPlatform platform(2030);
    saveResultsOfKord(platform.folder(), Results::Calculated);
    // Six-figure amounts widen the table's columns.
    FrmMarketCheck* window = typedCheck(platform, "5", "480", "2000000");
    window->resize(1, 1); // as small as the window lets itself be made
    QApplication::processEvents();
    const auto* figures = control<QLabel>(window, "lblFigures");
    QVERIFY(figures->text().contains("$27,604,907.43")); // (2,000,000 / 5 + 8) hours at 69.0109
    QVERIFY(figures->width() >= figures->sizeHint().width());
    const auto* sentence = control<QLabel>(window, "lblSentence");
    QVERIFY(sentence->wordWrap());
    QVERIFY(sentence->height() >= sentence->heightForWidth(sentence->width()));

    // On paper a line too long for the page goes on under its own indent.
    marketcheck::Results results{marketcheck::Results::State::Read, {}};
    QCOMPARE(calculateCosts(workedExampleInputs(), results.record), CostOutcome::Completed);
    const CenterAnalysis analysis = analyseCenter(workedExampleFields());
    const PrintJob job = marketCheckReport("Kord", analysis, checkMarket(analysis, {5, 480}, 2000000, results));
    QImage page(360, 1600, QImage::Format_RGB32);
    page.fill(Qt::white);
    page.setDotsPerMeterX(3780); // 96 dots an inch
    page.setDotsPerMeterY(3780);
    {
        PainterPrinter printer(page);
        play(job, printer);
    }
    QFont face(QStringLiteral("Courier New"));
    face.setStyleHint(QFont::TypeWriter);
    face.setPointSizeF(9);
    const int indent = int(3 * QFontMetricsF(face, &page).horizontalAdvance(u' ')) - 1;
    int inkRows = 0;
    for (int y = 0; y < page.height(); ++y) {
        bool ink = false;
        for (int x = 0; x < page.width(); ++x)
            ink = ink || qGray(page.pixel(x, y)) < 128;
        inkRows += ink ? 1 : 0;
        for (int x = 0; x < indent; ++x)
            QVERIFY2(qGray(page.pixel(x, y)) >= 128, qPrintable(QStringLiteral("ink at %1, %2").arg(x).arg(y)));
    }
    QVERIFY(inkRows > 0);
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
    FrmMarketCheck* window = typedCheck(platform, "2000", "32", "1000");
    clickIn(window, button);

    QCOMPARE(platform.recordedPrinting.pages.size(), 1);
    const TextPagePrinter& page = platform.recordedPrinting.pages.first();
    QVERIFY(page.documentEnded());
    const QStringList lines = page.lines();
    QVERIFY(lines.contains("   MARKET CHECK FOR: Kord"));
    QVERIFY(lines.contains("   This press: 2,000 iph, 32 minutes of set-up; typical job: 1,000 pieces."));
    QVERIFY(lines.contains("   " + kFirstLevel));
    for (const QString& verdict : kVerdictFor1000)
        QVERIFY2(lines.contains("   " + verdict), qPrintable(verdict));
    // The pictures mark the job at the market's $100.00 and at each level's cost, and its need.
    const auto prices = std::get<pagepicture::MarketPrices>(page.pictures().value(0));
    QCOMPARE(prices.efficiencies, QList<double>({100, 80, 70, 60}));
    QCOMPARE(qRound64(prices.atJob.first().y() * 100), 10000); // in cents
    QCOMPARE(std::get<pagepicture::BreakEven>(page.pictures().value(1)).curve.job.x(), 1000.0);
    if (button == "cmdSavePdf") {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext is not installed");
        const QString text = pdfText(pdf).simplified();
        for (const QString& expected :
             {QStringLiteral("Quantity (pieces)"), QStringLiteral("Price of the job ($)"),
              QStringLiteral("At 60 %: cheaper above 2,796 pieces."), QStringLiteral("Press at 60 %"),
              QStringLiteral("Level 4: 60 %"), QStringLiteral("Typical job")})
            QVERIFY2(text.contains(expected), qPrintable(expected + " not in:\n" + text));
    }
    window->close();
}

QTEST_MAIN(TestMarketCheckWindow)
#include "test_market_check_window.moc"
