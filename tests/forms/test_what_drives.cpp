// What drives a center's rate, its what-if, and why the stale centers' rates moved, through the
// real windows: what they show, what they print, and what lands in the files.

#include "tests/support/MainWindowDriver.h"
#include "tests/support/ProgramNames.h"

#include "engine/CostFormulas.h"
#include "engine/ResultSlots.h"
#include "forms/frmBHR.h"
#include "forms/frmDrivers.h"
#include "forms/frmPlant.h"
#include "forms/frmRateChanges.h"
#include "store/FileNames.h"
#include "store/InputTexts.h"
#include "tests/support/PaintedPage.h"
#include "textrules/DisplayPattern.h"

#include <QAction>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChartView>
#include <QComboBox>
#include <QHorizontalBarSeries>
#include <QSlider>
#include <QStandardPaths>
#include <QTableWidget>

namespace {

namespace slot = resultslots;

const QString kCenter = QStringLiteral("Press A");

QString cell(const QTableWidget* table, int row, int column)
{
    const QTableWidgetItem* item = table->item(row, column);
    return item ? item->text() : QStringLiteral("<none>");
}

// The row whose first cell is the text, or -1.
int rowOf(const QTableWidget* table, const QString& first)
{
    for (int row = 0; row < table->rowCount(); ++row)
        if (cell(table, row, 0) == first)
            return row;
    return -1;
}

// A what-if as the user makes it: texts typed into boxes, and sliders moved by arrow keys.
struct WhatIf {
    BoxEntries typed;
    QList<std::pair<QString, int>> slid; // box, steps of 1 %
    BoxEntries handTyped;                // the same figures as a user types them into the main window
};

} // namespace
Q_DECLARE_METATYPE(WhatIf)

class TestWhatDrives : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { m_ui.reset(); } // takes every window it opened with the main window

    void tornadoOnScreenAndOnPaper();
    void whatIfWritesNothingUntilApplied_data();
    void whatIfWritesNothingUntilApplied();
    void saveAsNewNameCopiesTheWhatIf();
    void staleRatesExplainedByTheirInputs();

private:
    // Starts the name with the worked example and presses Calculate BHR, with other boxes typed.
    void calculate(MainWindowDriver& ui, const QString& name, const BoxEntries& typed = {});
    FrmDrivers* openFromRateWindow();
    void makeWhatIf(FrmDrivers* window, const WhatIf& whatIf);

    std::unique_ptr<MainWindowDriver> m_ui;
};

void TestWhatDrives::init()
{
    m_ui = std::make_unique<MainWindowDriver>();
    m_ui->startWithList();
}

void TestWhatDrives::calculate(MainWindowDriver& ui, const QString& name, const BoxEntries& typed)
{
    ui.startAnalysis(name);
    ui.typeAll(workedExampleBoxes());
    ui.typeAll(typed);
    ui.press("Command2");
    QVERIFY(ui.fileExists(filenames::resultFile(name)));
}

FrmDrivers* TestWhatDrives::openFromRateWindow()
{
    calculate(*m_ui, kCenter);
    clickIn(m_ui->window().openWindows().rates(), "cmdDrivers");
    auto* window = m_ui->openWindow<FrmDrivers>();
    if (window && !QTest::qWaitForWindowExposed(window))
        qWarning("the window was not shown");
    return window;
}

void TestWhatDrives::makeWhatIf(FrmDrivers* window, const WhatIf& whatIf)
{
    control<QTabWidget>(window, "tabPages")->setCurrentIndex(1);
    for (const auto& [box, text] : whatIf.typed) {
        auto* edit = control<QLineEdit>(window, "txtWhatIf_" + box);
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    for (const auto& [box, steps] : whatIf.slid)
        for (int step = 0; step < std::abs(steps); ++step)
            QTest::keyClick(control<QSlider>(window, "sldWhatIf_" + box), steps > 0 ? Qt::Key_Right : Qt::Key_Left);
}

// The worked example at level 1 (rate (B) $69.01): wage 1 moved 10 % either way moves it by
// -$2.41 and +$2.41, -3.49 % and +3.50 % (the hand calculation is in the engine's test).
void TestWhatDrives::tornadoOnScreenAndOnPaper()
{
    FrmDrivers* window = openFromRateWindow();
    QVERIFY(window);
    auto* table = control<QTableWidget>(window, "tblDrivers");
    const int wage = rowOf(table, "wage 1");
    QVERIFY(wage >= 0);
    QCOMPARE(cell(table, wage, 4), QStringLiteral("-$2.41 (-3.49%)"));
    QCOMPARE(cell(table, wage, 5), QStringLiteral("+$2.41 (+3.50%)"));
    QCOMPARE(rowOf(table, "plant equipment cost"), -1);
    const QString still = control<QLabel>(window, "lblStill")->text();
    QVERIFY2(still.contains("plant equipment cost, plant square feet") && still.contains("wage 3"), qPrintable(still));

    // The picture: the largest effect at the top, drawn offscreen in the bars' colours.
    auto* view = control<QChartView>(window, "chtTornado");
    auto* bars = qobject_cast<QHorizontalBarSeries*>(view->chart()->series().value(0));
    QVERIFY(bars);
    QCOMPARE(bars->count(), 2);
    const int drawn = bars->barSets().at(0)->count();
    QVERIFY2(drawn >= 3 && drawn <= 10, qPrintable(QString::number(drawn))); // as many as the window has room for
    auto* names = qobject_cast<QBarCategoryAxis*>(view->chart()->axes(Qt::Vertical).value(0));
    QCOMPARE(names->categories().last(), cell(table, 0, 0));
    const QImage shown = view->grab().toImage();
    int barPixels = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            barPixels += shown.pixelColor(x, y) == bars->barSets().at(0)->color() ? 1 : 0;
    QVERIFY2(barPixels > 100, qPrintable(QString::number(barPixels)));

    control<QComboBox>(window, "cboLevel")->setCurrentIndex(1);
    QVERIFY(control<QLabel>(window, "lblDriversHeading")->text().contains("level 2 (80%)"));

    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        QSKIP("poppler-utils is not installed");
    control<QComboBox>(window, "cboLevel")->setCurrentIndex(0);
    m_ui->platform().recordedFiles.answer = m_ui->path("drivers.pdf");
    clickIn(window, "cmdSavePdf");
    const QString text = pdfText(m_ui->path("drivers.pdf"));
    for (const QString& expected :
         {QStringLiteral("WHAT DRIVES THE RATE OF: Press A"), QStringLiteral("level 1 (100%)"),
          QStringLiteral("-$2.41 (-3.49%)"), QStringLiteral("These inputs do not move it at all"),
          QStringLiteral("Input 10% down")}) // the picture's legend
        QVERIFY2(text.contains(expected), qPrintable(expected + " not in:\n" + text));
}

void TestWhatDrives::whatIfWritesNothingUntilApplied_data()
{
    QTest::addColumn<WhatIf>("whatIf");
    QTest::newRow("power price typed") << WhatIf{{{"txtPower", ".1"}}, {}, {{"txtPower", ".1"}}};
    QTest::newRow("wage 1 slid 10% up") << WhatIf{{}, {{"txtWage1", 10}}, {{"txtWage1", "22"}}};
    QTest::newRow("rent slid down, efficiency typed")
        << WhatIf{{{"txtEff100", "90"}}, {{"txtRent", -20}}, {{"txtEff100", "90"}, {"txtRent", "4"}}};
}

// Apply leaves the files exactly as typing the figures into the main window and pressing
// Calculate BHR does, in a folder of its own; before it, nothing is written.
void TestWhatDrives::whatIfWritesNothingUntilApplied()
{
    QFETCH(WhatIf, whatIf);
    FrmDrivers* window = openFromRateWindow();
    QVERIFY(window);
    const auto before = filesIn(m_ui->folder().path());
    makeWhatIf(window, whatIf);
    QCOMPARE(filesIn(m_ui->folder().path()), before);

    MainWindowDriver byHand;
    byHand.startWithList();
    calculate(byHand, kCenter, whatIf.handTyped);
    const LoadedRecord expected = loadResultFile(byHand.folder(), kCenter);
    QVERIFY(expected.ok());
    // The twelve rates beside the saved ones: (A), (B) and (C), each at levels 1 to 4.
    auto* rates = control<QTableWidget>(window, "tblRates");
    QCOMPARE(rates->rowCount(), 12);
    for (int row = 0; row < rates->rowCount(); ++row) {
        const int level = row % slot::kLevels + 1;
        const int kind = row / slot::kLevels;
        const int rate = kind == 0 ? slot::rateA(level) : kind == 1 ? slot::rateB(level) : slot::rateC(level);
        QVERIFY(cell(rates, row, 0).startsWith(QStringList{"(A)", "(B)", "(C)"}.at(kind)));
        QCOMPARE(cell(rates, row, 2), numbers::format(*expected.record.result(rate), numbers::kMoneyPattern));
    }

    clickIn(window, "cmdApply");
    QCOMPARE(m_ui->messages(), QStringList());
    QCOMPARE(filesIn(m_ui->folder().path()), filesIn(byHand.folder().path()));
    QCOMPARE(m_ui->currentTab(), int(MainWindowLink::ReverseEngineering)); // as Calculate BHR leaves it
    QCOMPARE(cell(rates, 4, 3), QStringLiteral("no change"));              // the window reads the saved rates again
}

// Save as new name on the what-if is File > Save as new name on the main window with the what-if's
// figures typed into its boxes; with no name given, the boxes keep what they held.
void TestWhatDrives::saveAsNewNameCopiesTheWhatIf()
{
    FrmDrivers* window = openFromRateWindow();
    QVERIFY(window);
    const WhatIf whatIf{{{"txtCost", "125000"}}, {}, {{"txtCost", "125000"}}};
    makeWhatIf(window, whatIf);
    window->close(); // forgets the what-if
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    window = m_ui->window().openWindows().drivers(kCenter);
    QCOMPARE(control<QLineEdit>(window, "txtWhatIf_txtCost")->text(), QStringLiteral("100000"));
    makeWhatIf(window, whatIf);
    const auto before = filesIn(m_ui->folder().path());
    clickIn(window, "cmdSaveAs"); // no name given
    QCOMPARE(filesIn(m_ui->folder().path()), before);
    QCOMPARE(m_ui->text("txtCost"), QStringLiteral("100000"));

    m_ui->platform().recordedMessages.typed = {QStringLiteral("Press B")};
    clickIn(window, "cmdSaveAs");
    MainWindowDriver byHand;
    byHand.startWithList();
    calculate(byHand, kCenter);
    byHand.typeAll(whatIf.handTyped);
    byHand.platform().recordedMessages.typed = {QStringLiteral("Press B")};
    byHand.window().findChild<QAction*>("mnuSaveAsNew")->trigger();
    QCOMPARE(filesIn(m_ui->folder().path()), filesIn(byHand.folder().path()));
    QVERIFY(m_ui->fileExists(filenames::inputFile("Press B", 2)));
    QCOMPARE(m_ui->window().currentName(), QStringLiteral("Press B"));
}

// Kord keeps the worked example's plant figures; Press A is calculated after the power price
// went from .08 to .10 and the rent from 5 to 6. Kord's rate (B) at level 1 then rises by the
// power costs' quarter, (332.8 + 1303.4112 + 83.2) / 4 = 429.85 a year, over 1952 hours per
// employee: +$0.22; and by 500 square feet at $1 more: 500 / 1952 = +$0.26. The two add up to
// +$0.48 (0.4764), from $69.01 to $69.49.
void TestWhatDrives::staleRatesExplainedByTheirInputs()
{
    calculate(*m_ui, "Kord");
    calculate(*m_ui, kCenter, {{"txtPower", ".10"}, {"txtRent", "6"}});
    m_ui->window().findChild<QAction*>("mnuPlant")->trigger();
    auto* plant = m_ui->window().findChild<FrmPlant*>();
    clickIn(plant, "cmdWhyMoved");
    auto* window = m_ui->openWindow<FrmRateChanges>();
    QVERIFY(window);
    auto* table = control<QTableWidget>(window, "tblChanges");
    QCOMPARE(table->rowCount(), 1);
    const QStringList row = {cell(table, 0, 0), cell(table, 0, 1), cell(table, 0, 2), cell(table, 0, 3),
                             cell(table, 0, 4)};
    QCOMPARE(row, (QStringList{"Kord", "$69.01", "$69.49", "+$0.48 (+0.69%)", "rent +$0.26, power price +$0.22"}));
    auto* steps = qobject_cast<QBarCategoryAxis*>(
        control<QChartView>(window, "chtWaterfall")->chart()->axes(Qt::Horizontal).value(0));
    QVERIFY(steps);
    QCOMPARE(steps->categories(),
             (QStringList{"Saved\n$69.01", "rent\n+$0.26", "power price\n+$0.22", "Today\n$69.49"}));

    // Recalculate All shows the same split beside each level's change, and saves nothing on No.
    m_ui->platform().recordedMessages.answers = {MessageBoxes::Answer::No};
    clickIn(plant, "cmdRecalculateAll");
    const TextTable details = m_ui->platform().recordedMessages.shown.last().table;
    QCOMPARE(details.headings.last(), QStringLiteral("Made up of"));
    QCOMPARE(details.rows.value(0).value(0), QStringLiteral("Kord"));
    QCOMPARE(details.rows.value(0).last(), QStringLiteral("rent +$0.26, power price +$0.22"));
    QCOMPARE(details.rows.value(4).value(0), kCenter);
    QCOMPARE(details.rows.value(4).last(), QString()); // current: nothing to split

    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        QSKIP("poppler-utils is not installed");
    m_ui->platform().recordedFiles.answer = m_ui->path("moved.pdf");
    clickIn(window, "cmdSavePdf");
    const QString text = pdfText(m_ui->path("moved.pdf"));
    for (const QString& expected :
         {QStringLiteral("Why Rates Moved 2030"), QStringLiteral("rent +$0.26, power price +$0.22"),
          QStringLiteral("Kord: +$0.48: rent +$0.26, power price +$0.22")})
        QVERIFY2(text.contains(expected), qPrintable(expected + " not in:\n" + text));
}

QTEST_MAIN(TestWhatDrives)
#include "test_what_drives.moc"
