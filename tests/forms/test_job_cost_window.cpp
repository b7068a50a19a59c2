// The Job Cost window, opened from the File menu and driven the way a user drives it: a job worked
// by hand on two centers of the worked example, what it says when something is missing, a job
// saved, opened again and changed, the press figures kept between windows, and the quote on paper.
#include "tests/support/MainWindowDriver.h"
#include "tests/support/ProgramNames.h"

#include "forms/frmCenter.h"
#include "forms/frmJobCost.h"
#include "forms/frmMarketCheck.h"
#include "store/FileNames.h"
#include "tests/support/PaintedPage.h"
#include "tests/support/PlantFolder.h"

#include <QAction>
#include <QBarSeries>
#include <QBarSet>
#include <QChartView>
#include <QComboBox>
#include <QScatterSeries>
#include <QTableView>

namespace {

// The table's columns, as the window lays them out.
enum Column { Center, Speed, SetUp, Hours, Cost1, Cost2, Cost3, Cost4, Price, OverCheapest, Note };

// Alpha at 6,000 iph after 30 minutes of set-up, Bravo, the faster, at 10,000 iph after 60, both
// with the worked example's rates (B): 134,709.254057 x 2 / (3,904 x e / 100) = 69.010888,
// 86.263610, 98.586983 and 115.018147 at 100, 80, 70 and 60 %. For 12,000 pieces Alpha takes
// 0.5 + 2 = 2.5 hours: $172.53, $215.66, $246.47, $287.55; Bravo 1 + 1.2 = 2.2 hours: $151.82,
// $189.78, $216.89, $253.04; at 25 % Bravo's price is 151.8240 x 1.25 = $189.78, Alpha's $215.66.
const QString kVerdict12000 = QStringLiteral(
    "Cheapest at level 1 (100 %): Bravo, $151.82 for 12,000 pieces in 2.20 press hours, quoted at $189.78 with 25 % "
    "mark-up. 1 center is not costed: its note in the table says why.");
const QString kCharlieNote = QStringLiteral("missing: result file (Calculate BHR), speed, set-up time");

QTableView* tableOf(const QWidget* window)
{
    return control<QTableView>(window, "tblCenters");
}

QStringList rowOf(const QWidget* window, const QString& center, int from, int to)
{
    QStringList cells;
    for (int column = from; column <= to; ++column)
        cells << centerCell(window, center, column);
    return cells;
}

// Types into the table's cell as a user does: the cell chosen, the text typed, Enter.
void typeInCell(const QWidget* window, const QString& center, int column, const QString& text)
{
    QTableView* table = tableOf(window);
    const QModelIndex index = table->model()->index(centerRow(window, center), column);
    table->setCurrentIndex(index); // which opens the cell for typing
    QLineEdit* editor = nullptr;
    for (QLineEdit* open : table->viewport()->findChildren<QLineEdit*>())
        editor = open->isVisible() ? open : editor; // an earlier cell's editor goes later
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClick(editor, Qt::Key_Delete);
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents(); // the table takes what was typed once the key is handled
}

void typePress(const QWidget* window, const QString& center, const QString& speed, const QString& setUp)
{
    typeInCell(window, center, Speed, speed);
    typeInCell(window, center, SetUp, setUp);
}

void typeBox(const QWidget* window, const QString& box, const QString& text)
{
    auto* edit = control<QLineEdit>(window, box);
    edit->clear();
    QTest::keyClicks(edit, text);
}

QString sentenceOf(const QWidget* window)
{
    return control<QLabel>(window, "lblSentence")->text();
}

} // namespace

class TestJobCostWindow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { m_ui.reset(); }
    void jobWorkedByHandOnTwoCenters();
    void saysWhatIsMissing_data();
    void saysWhatIsMissing();
    void jobSavedOpenedAndChanged();
    void marketCheckFiguresStartTheJob();
    void quoteOnPaper_data();
    void quoteOnPaper();

private:
    FrmJobCost* openJobCost();
    FrmJobCost* jobOf12000();

    std::unique_ptr<MainWindowDriver> m_ui;
};

// Alpha and Bravo calculated from the worked example, Charlie listed only, 25 % typed on tab 6.
void TestJobCostWindow::init()
{
    m_ui = std::make_unique<MainWindowDriver>();
    QVERIFY(m_ui->folder().replace(filenames::kListFile, {"Alpha", "Bravo", "Charlie"}).ok());
    for (const QString name : {"Alpha", "Bravo"})
        QCOMPARE(calculateCenter(m_ui->folder(), name, workedExampleTexts()).kind, BudgetOutcome::Kind::Completed);
    m_ui->start();
    m_ui->box("txtPercent")->setText("25");
}

FrmJobCost* TestJobCostWindow::openJobCost()
{
    auto* menuItem = m_ui->window().findChild<QAction*>("mnuJobCost");
    menuItem->trigger();
    return m_ui->openWindow<FrmJobCost>();
}

FrmJobCost* TestJobCostWindow::jobOf12000()
{
    FrmJobCost* window = openJobCost();
    typePress(window, "Alpha", "6000", "30");
    typePress(window, "Bravo", "10000", "60");
    typeBox(window, "txtQuantity", "12000");
    return window;
}

void TestJobCostWindow::jobWorkedByHandOnTwoCenters()
{
    auto* menuItem = m_ui->window().findChild<QAction*>("mnuJobCost");
    QCOMPARE(menuItem->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_J));
    FrmJobCost* window = jobOf12000();
    QVERIFY(window && window->isWindow());
    QCOMPARE(window->windowModality(), Qt::NonModal);
    QCOMPARE(control<QLineEdit>(window, "txtMarkUp")->text(), "25"); // from tab 6

    QCOMPARE(sentenceOf(window), kVerdict12000);
    QCOMPARE(rowOf(window, "Alpha", Hours, Note),
             QStringList({"2.50", "$172.53", "$215.66", "$246.47", "$287.55", "$215.66", "$20.70", ""}));
    QCOMPARE(rowOf(window, "Bravo", Hours, Note),
             QStringList({"2.20", "$151.82", "$189.78", "$216.89", "$253.04", "$189.78", "$0.00", "cheapest"}));
    QCOMPARE(rowOf(window, "Charlie", Hours, Note), QStringList({"", "", "", "", "", "", "", kCharlieNote}));
    QCOMPARE(centerRow(window, "Charlie"), 2); // below the centers that are costed

    // At 80 %: Bravo 2.2 x 86.263610 = $189.78, quoted at x 1.25 = $237.22; Alpha $269.57, $25.88 over.
    control<QComboBox>(window, "cboLevel")->setCurrentIndex(1);
    QVERIFY(sentenceOf(window).startsWith("Cheapest at level 2 (80 %): Bravo, $189.78 for 12,000 pieces in 2.20 "
                                          "press hours, quoted at $237.22 with 25 % mark-up."));
    QCOMPARE(rowOf(window, "Alpha", Price, OverCheapest), QStringList({"$269.57", "$25.88"}));

    // The price list on Bravo at 80 %: 1 + q / 10,000 hours at $86.263610, and x 1.25.
    const QStringList priceList = control<QLabel>(window, "lblPriceList")->text().split(u'\n');
    QCOMPARE(priceList.size(), 6);
    QCOMPARE(priceList[1].simplified(), "6,000 1.60 $138.02 $172.53 $28.75"); // 1.6 x 86.2636, / 6
    QCOMPARE(priceList[5].simplified(), "120,000 13.00 $1,121.43 $1,401.78 $11.68");

    // The picture: the costs at 80 %, cheapest first, with the prices marked above them.
    QChart* chart = control<QChartView>(window, "chtCosts")->chart();
    auto* bars = qobject_cast<QBarSeries*>(chart->series().value(0));
    auto* prices = qobject_cast<QScatterSeries*>(chart->series().value(1));
    QVERIFY(bars && prices);
    QCOMPARE(bars->barSets().first()->at(0), 2.2 * 86.26361043618267);
    QCOMPARE(bars->barSets().first()->at(1), 2.5 * 86.26361043618267);
    QVERIFY(qAbs(prices->at(0).y() - 237.2249) < 0.005);

    // Rent changed on the plant file since the rates were saved: the same costs, marked stale.
    const BoxTexts plant = typed(workedExampleTexts(), {{"txtRent", "6"}});
    QVERIFY(savePlantFile(m_ui->folder(), textsOf(plant)).ok());
    m_ui->window().dataChanges().announce({DataChange::File::Plant, {}});
    QCOMPARE(rowOf(window, "Bravo", Cost2, Note), QStringList({"$189.78", "$216.89", "$253.04", "$237.22", "$0.00",
                                                               "cheapest; stale: Current Rent ($/Square Foot)"}));

    // The press figures stay for the next job.
    window->close();
    QCOMPARE(m_ui->fileLines(filenames::kPressFiguresFile),
             QStringList({"Alpha", "6000", "30", "Bravo", "10000", "60"}));
    window = openJobCost();
    QCOMPARE(rowOf(window, "Bravo", Speed, SetUp), QStringList({"10000", "60"}));
    QCOMPARE(m_ui->messages(), QStringList());
}

void TestJobCostWindow::saysWhatIsMissing_data()
{
    QTest::addColumn<QString>("box"); // typed over the job of 12,000 pieces at 25 %
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("center"); // a press figure typed in the table
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("sentence");
    QTest::addColumn<QString>("note"); // the center's
    QTest::addColumn<QStringList>("costed");
    QTest::addColumn<bool>("prices");
    const auto row = [](const char* name, const char* box, const char* typed, const char* center, int column,
                        const QString& sentence, const char* note, const QStringList& costed, bool prices) {
        QTest::newRow(name) << QString(box) << QString(typed) << QString(center) << column << sentence << QString(note)
                            << costed << prices;
    };
    row("missing speed", "", "", "Bravo", Speed,
        "Cheapest at level 1 (100 %): Alpha, $172.53 for 12,000 pieces in 2.50 press hours, quoted at $215.66 "
        "with 25 % mark-up. 2 centers are not costed: their notes in the table say why.",
        "missing: speed", {"Alpha"}, true);
    row("missing result file", "", "", "Charlie", Speed, kVerdict12000,
        "missing: result file (Calculate BHR), set-up time", {"Alpha", "Bravo"}, true);
    row("zero quantity", "txtQuantity", "0", "", 0, "The quantity must be above 0 pieces; \"0\" reads as 0.", "", {},
        false);
    row("quantity in words", "txtQuantity", "a dozen", "", 0,
        "The quantity \"a dozen\" is not a number: type the job's quantity in pieces.", "", {}, false);
    row("mark-up in words", "txtMarkUp", "usual", "", 0,
        "The mark-up \"usual\" is not a number: type the job's mark-up in percent. Cheapest at level 1 (100 %): Bravo, "
        "$151.82 for 12,000 pieces in 2.20 press hours. 1 center is not costed: its note in the table says why.",
        "", {"Alpha", "Bravo"}, false);
    row("speed in words", "", "", "Alpha", Speed,
        "Cheapest at level 1 (100 %): Bravo, $151.82 for 12,000 pieces in 2.20 press hours, quoted at $189.78 "
        "with 25 % mark-up. 2 centers are not costed: their notes in the table say why.",
        "speed \"fast\" is not a number", {"Bravo"}, true);
}

void TestJobCostWindow::saysWhatIsMissing()
{
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, center);
    QFETCH(int, column);
    QFETCH(QString, sentence);
    QFETCH(QString, note);
    QFETCH(QStringList, costed);
    QFETCH(bool, prices);
    FrmJobCost* window = jobOf12000();
    if (!box.isEmpty())
        typeBox(window, box, typed);
    if (center == "Charlie")
        typeInCell(window, center, SetUp, "");
    if (!center.isEmpty())
        typeInCell(window, center, column, center == "Alpha" ? "fast" : center == "Charlie" ? "8000" : "");
    QCOMPARE(sentenceOf(window), sentence);
    if (!center.isEmpty())
        QCOMPARE(centerCell(window, center, Note), note);
    // A figure only where there is all it is made from.
    for (const QString name : {"Alpha", "Bravo", "Charlie"}) {
        const bool hasCost = costed.contains(name);
        QCOMPARE(!centerCell(window, name, Hours).isEmpty(), hasCost);
        QCOMPARE(!centerCell(window, name, Cost4).isEmpty(), hasCost);
        QCOMPARE(!centerCell(window, name, Price).isEmpty(), hasCost && prices);
    }
    QCOMPARE(control<QLabel>(window, "lblPriceList")->text().contains(u'$'), !costed.isEmpty());
    QCOMPARE(control<QPushButton>(window, "cmdPrint")->isEnabled(), prices);
    QCOMPARE(m_ui->messages(), QStringList());
}

void TestJobCostWindow::jobSavedOpenedAndChanged()
{
    FrmJobCost* window = jobOf12000();
    const QString description = QStringLiteral("Flyers, \"gloss\" A5");
    typeBox(window, "txtDescription", description);
    typeBox(window, "txtMarkUp", "30");
    control<QComboBox>(window, "cboLevel")->setCurrentIndex(1);
    auto* quoteOn = control<QComboBox>(window, "cboQuoteOn");
    quoteOn->setCurrentIndex(quoteOn->findText("Alpha"));
    emit quoteOn->activated(quoteOn->currentIndex()); // as a user's choice
    clickIn(window, "cmdSaveJob");
    const QString file = QStringLiteral("Flyers gloss A5.job");
    QCOMPARE(m_ui->fileLines(file), QStringList({"\"Flyers, %22gloss%22 A5\"", "12000", "30", "2", "Alpha"}));
    window->close();
    QVERIFY(!window->isVisible()); // saved: nothing to ask

    window = openJobCost();
    auto* jobs = control<QComboBox>(window, "cboJobs");
    QCOMPARE(jobs->count(), 1);
    QCOMPARE(jobs->currentText(), description);
    clickIn(window, "cmdOpenJob");
    QCOMPARE(control<QLineEdit>(window, "txtDescription")->text(), description);
    QCOMPARE(control<QLineEdit>(window, "txtQuantity")->text(), "12000");
    QCOMPARE(control<QLineEdit>(window, "txtMarkUp")->text(), "30");
    QCOMPARE(control<QComboBox>(window, "cboLevel")->currentIndex(), 1);
    QCOMPARE(control<QComboBox>(window, "cboQuoteOn")->currentText(), "Alpha");

    // Changed and not saved: closing asks, and Cancel keeps the window; saved, it goes quietly.
    typeBox(window, "txtQuantity", "15000");
    window->close();
    QVERIFY(window->isVisible());
    QCOMPARE(m_ui->platform().recordedMessages.shown.last().text,
             "The job \"Flyers, \"gloss\" A5\" has changes that are not saved. Save them first?");
    clickIn(window, "cmdSaveJob");
    QCOMPARE(m_ui->fileLines(file), QStringList({"\"Flyers, %22gloss%22 A5\"", "15000", "30", "2", "Alpha"}));
    QCOMPARE(jobs->count(), 1);

    // Another description that comes to the same file name replaces it only when the user says so.
    typeBox(window, "txtDescription", "Flyers: gloss A5");
    clickIn(window, "cmdSaveJob");
    QCOMPARE(m_ui->platform().recordedMessages.shown.last().text,
             "The saved job \"Flyers, \"gloss\" A5\" has the same file name, Flyers gloss A5.job. Replace it with "
             "this job?");
    QCOMPARE(m_ui->fileLines(file).first(), "\"Flyers, %22gloss%22 A5\"");
    QCOMPARE(m_ui->messages().size(), 2);
}

void TestJobCostWindow::marketCheckFiguresStartTheJob()
{
    FrmJobCost* window = openJobCost();
    m_ui->startAnalysis("Alpha");
    m_ui->typePricing(workedExamplePricing());
    m_ui->click("Command1");
    auto* analysis = m_ui->openWindow<FrmCenter>();
    QVERIFY(analysis);
    clickIn(analysis, "cmdMarketCheck");
    auto* check = m_ui->openWindow<FrmMarketCheck>();
    QVERIFY(check);
    QTest::keyClicks(control<QLineEdit>(check, "txtSpeed"), "7000");
    QTest::keyClicks(control<QLineEdit>(check, "txtSetUp"), "20");
    QTest::keyClick(control<QLineEdit>(check, "txtSetUp"), Qt::Key_Return);
    // The open job window hears of them and starts Alpha's row from them.
    QCOMPARE(rowOf(window, "Alpha", Speed, SetUp), QStringList({"7000", "20"}));

    // And the figures typed in the job window are where a new check of Bravo starts.
    typePress(window, "Bravo", "10000", "60");
    check->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_ui->startAnalysis("Bravo");
    m_ui->typePricing(workedExamplePricing());
    m_ui->click("Command1");
    clickIn(m_ui->openWindow<FrmCenter>(), "cmdMarketCheck");
    check = m_ui->openWindow<FrmMarketCheck>();
    QCOMPARE(control<QLineEdit>(check, "txtSpeed")->text(), "10000");
    QCOMPARE(control<QLineEdit>(check, "txtSetUp")->text(), "60");
}

void TestJobCostWindow::quoteOnPaper_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("printer") << "cmdPrint";
    QTest::newRow("PDF file") << "cmdSavePdf";
}

void TestJobCostWindow::quoteOnPaper()
{
    QFETCH(QString, button);
    FrmJobCost* window = jobOf12000();
    typeBox(window, "txtDescription", "Flyers, \"gloss\" A5");
    const QString pdf = m_ui->path("quote.pdf");
    m_ui->platform().recordedFiles.answer = pdf;
    clickIn(window, button);

    const RecordedPrintService& printing = m_ui->platform().recordedPrinting;
    QCOMPARE(printing.pages.size(), 1);
    const QStringList lines = printing.pages.first().lines();
    QCOMPARE(lines.first(), "   QUOTE: Flyers, \"gloss\" A5");
    for (const QString line : {"   Quantity:           12,000 pieces", "   Center:             Bravo",
                               "   Press hours:        1.00 set-up + 1.20 run = 2.20", "   Cost:               $151.82",
                               "   Price:              $189.78"})
        QVERIFY2(lines.contains(line), qPrintable(line));
    if (button == "cmdSavePdf") {
        QCOMPARE(m_ui->platform().recordedFiles.suggestions.first(), m_ui->path("Quote - Flyers gloss A5.pdf"));
        const QString text = pdfText(pdf);
        for (const QString expected : {"QUOTE: Flyers, \"gloss\" A5", "Bravo", "$189.78", "120,000"})
            QVERIFY2(text.contains(expected), qPrintable(expected + " not in:\n" + text));
        QCOMPARE(inkMarginsMillimetres(pdf).top() >= 15, true);
    }
}

QTEST_MAIN(TestJobCostWindow)
#include "test_job_cost_window.moc"
