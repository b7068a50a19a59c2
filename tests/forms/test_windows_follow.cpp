// Every open window that shows figures follows the program's writing actions.
#include "tests/support/MainWindowDriver.h"
#include "tests/support/ProgramNames.h"

#include "engine/BudgetCalculation.h"
#include "engine/ResultSlots.h"
#include "forms/frmBHR.h"
#include "forms/frmBudget.h"
#include "forms/frmCenter.h"
#include "forms/frmDelete.h"
#include "forms/frmJobCost.h"
#include "forms/frmMarketCheck.h"
#include "forms/frmPlant.h"
#include "report/RateTable.h"
#include "report/ResultTexts.h"
#include "store/FileNames.h"
#include "tests/support/PlantFolder.h"
#include "textrules/DisplayPattern.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QTableView>

namespace {

const QString kStateGone = QStringLiteral("<not shown>");
constexpr int kSpeedColumn = 1; // in the job cost table, then the set-up, the hours and the costs
constexpr int kSetUpColumn = 2;
constexpr int kFirstCostColumn = 4;
constexpr int kStateColumn = 13; // in the plant overview

ResultRecord savedResults(const DataFolder& folder, const QString& name)
{
    return loadResultFile(folder, name).record;
}

} // namespace

class TestWindowsFollow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { m_ui.reset(); }
    void everyOpenWindowShowsTheFilesAfterEachWritingAction_data();
    void everyOpenWindowShowsTheFilesAfterEachWritingAction();

private:
    void act(const QString& action);
    bool budgetShowsFile(const QString& name) const;
    bool ratesShowFile(const QString& name) const;
    bool marketCheckShowsFile(const QString& name) const;
    bool saysGone(const QWidget* window) const;

    std::unique_ptr<MainWindowDriver> m_ui;
    QPointer<FrmBudget> m_budget;
    QPointer<FrmBHR> m_rates;
    QPointer<FrmCenter> m_analysis;
    QPointer<FrmMarketCheck> m_marketCheck;
    QPointer<FrmPlant> m_plant;
    QPointer<FrmJobCost> m_jobCost;
};

// Beta, then Alpha calculated from the worked example; Alpha's budget, rates, analysis and market
// check open, the plant overview, and a job of 1,000 pieces costed on both presses.
void TestWindowsFollow::init()
{
    m_ui = std::make_unique<MainWindowDriver>();
    m_ui->startWithList();
    for (const QString name : {"Beta", "Alpha"}) {
        m_ui->startAnalysis(name);
        m_ui->typeAll(workedExampleBoxes());
        m_ui->press("Command2");
    }
    clickIn(m_ui->openWindow<FrmBudget>(), "Command1"); // Next: the rates, in place of the budget
    m_ui->press("Command2");
    m_ui->typePricing(workedExamplePricing());
    m_ui->click("Command1");
    m_ui->window().findChild<QAction*>("mnuPlant")->trigger();
    m_budget = m_ui->openWindow<FrmBudget>();
    m_rates = m_ui->openWindow<FrmBHR>();
    m_analysis = m_ui->openWindow<FrmCenter>();
    m_plant = m_ui->openWindow<FrmPlant>();
    QVERIFY(m_budget && m_rates && m_analysis && m_plant);
    clickIn(m_analysis, "cmdMarketCheck");
    m_marketCheck = m_ui->openWindow<FrmMarketCheck>();
    QVERIFY(m_marketCheck);
    QTest::keyClicks(control<QLineEdit>(m_marketCheck, "txtSpeed"), "2000");
    QTest::keyClicks(control<QLineEdit>(m_marketCheck, "txtSetUp"), "32");
    m_ui->window().findChild<QAction*>("mnuJobCost")->trigger();
    m_jobCost = m_ui->openWindow<FrmJobCost>();
    QVERIFY(m_jobCost);
    QAbstractItemModel* table = control<QTableView>(m_jobCost, "tblCenters")->model();
    for (int row = 0; row < table->rowCount(); ++row) {
        QVERIFY(table->setData(table->index(row, kSpeedColumn), "6000"));
        QVERIFY(table->setData(table->index(row, kSetUpColumn), "30"));
    }
    QTest::keyClicks(control<QLineEdit>(m_jobCost, "txtQuantity"), "1000");
}

void TestWindowsFollow::act(const QString& action)
{
    RecordedMessageBoxes& messages = m_ui->platform().recordedMessages;
    if (action == "Calculate BHR") {
        m_ui->type("txtPower", ".2");
        m_ui->press("Command2");
    } else if (action == "Recalculate All") {
        const BoxTexts plant = typed(workedExampleTexts(), {{"txtRent", "6"}});
        QVERIFY(savePlantFile(m_ui->folder(), textsOf(plant)).ok());
        messages.choices = {1}; // the saved figures, not the rent still typed on tab 2
        messages.answers = {MessageBoxes::Answer::Yes};
        clickIn(m_plant, "cmdRecalculateAll");
    } else if (action == "Save as new name") {
        messages.typed = {"Gamma"};
        m_ui->window().findChild<QAction*>("mnuSaveAsNew")->trigger();
    } else if (action == "Import Inputs") {
        const QString sheet = m_ui->path("inputs.csv");
        m_ui->platform().recordedFiles.answer = sheet;
        m_ui->window().findChild<QAction*>("mnuExportInputs")->trigger();
        QByteArray bytes = contentOf(sheet);
        QVERIFY(bytes.contains("\r\n,7.65,"));
        bytes.replace("\r\n,7.65,", "\r\n,7.5,"); // the plant row's social security rate
        QVERIFY(writeBytes(sheet, bytes));
        m_ui->platform().recordedFiles.chosen = {sheet};
        messages.answers = {MessageBoxes::Answer::Yes}; // the plant row's question, the only one
        m_ui->window().findChild<QAction*>("mnuImportInputs")->trigger();
    } else if (action == "Delete") {
        m_ui->window().findChild<QAction*>("mnuDelete")->trigger();
        auto* remove = m_ui->openWindow<FrmDelete>();
        control<QLineEdit>(remove, "txtDelete")->setText("Alpha");
        messages.answers = {MessageBoxes::Answer::Yes};
        clickIn(remove, "cmdDelete");
    }
}

bool TestWindowsFollow::budgetShowsFile(const QString& name) const
{
    const ResultRecord saved = savedResults(m_ui->folder(), name);
    const QString factoryCost = resulttexts::fieldText(saved.annualCost(AnnualCost::FactoryCost),
                                                       numbers::kIndentedAmountPattern, resulttexts::kAmountWidth);
    const QString power = resulttexts::fieldText(saved.annualCost(AnnualCost::TotalPowerCost),
                                                 numbers::kIndentedAmountPattern, resulttexts::kAmountWidth);
    return control<QLineEdit>(m_budget, "txtFacCosts")->text() == factoryCost &&
           control<QLineEdit>(m_budget, "txtPower")->text() == power;
}

bool TestWindowsFollow::ratesShowFile(const QString& name) const
{
    const ResultRecord saved = savedResults(m_ui->folder(), name);
    const QStringList rows = boxLines(m_rates, "txtHead2");
    for (int level = 0; level < ratetable::kLevels; ++level)
        if (rows.value(level) != ratetable::row(saved, level))
            return false;
    return true;
}

bool TestWindowsFollow::marketCheckShowsFile(const QString& name) const
{
    const ResultRecord saved = savedResults(m_ui->folder(), name);
    const QString rateB1 = numbers::format(*saved.result(resultslots::rateB(1)), numbers::kMoneyPattern);
    return control<QLabel>(m_marketCheck, "lblFigures")->text().contains(rateB1);
}

bool TestWindowsFollow::saysGone(const QWidget* window) const
{
    const auto* note = control<QLabel>(window, "lblCenterGone");
    return !note->isHidden() && note->text().contains("\"Alpha\"");
}

void TestWindowsFollow::everyOpenWindowShowsTheFilesAfterEachWritingAction_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("alphaChanges"); // Alpha's result file is written anew
    QTest::addColumn<QString>("betaState"); // in the overview, how it begins
    QTest::addColumn<QString>("gammaState");
    QTest::addColumn<bool>("alphaGone");
    QTest::newRow("Calculate BHR") << "Calculate BHR" << true << "stale" << kStateGone << false;
    QTest::newRow("Recalculate All") << "Recalculate All" << true << "current" << kStateGone << false;
    QTest::newRow("Save as new name") << "Save as new name" << false << "current" << QString("current") << false;
    QTest::newRow("Import Inputs") << "Import Inputs" << false << "stale" << kStateGone << false;
    QTest::newRow("Delete") << "Delete" << false << "current" << kStateGone << true;
}

void TestWindowsFollow::everyOpenWindowShowsTheFilesAfterEachWritingAction()
{
    QFETCH(QString, action);
    QFETCH(bool, alphaChanges);
    QFETCH(QString, betaState);
    QFETCH(QString, gammaState);
    QFETCH(bool, alphaGone);
    const QByteArray alphaBefore = m_ui->fileBytes(filenames::resultFile("Alpha"));
    act(action);

    QCOMPARE(m_ui->fileBytes(filenames::resultFile("Alpha")) != alphaBefore, alphaChanges);
    QVERIFY(budgetShowsFile("Alpha"));
    QVERIFY(ratesShowFile("Alpha"));
    QVERIFY(marketCheckShowsFile("Alpha"));
    QVERIFY2(centerCell(m_plant, "Beta", kStateColumn).startsWith(betaState),
             qPrintable(centerCell(m_plant, "Beta", kStateColumn)));
    QCOMPARE(centerCell(m_plant, "Gamma", kStateColumn), gammaState);
    QCOMPARE(centerCell(m_plant, "Alpha", kStateColumn) == kStateGone, alphaGone);
    // The job of 1,000 pieces takes 30/60 + 1,000/6,000 hours at the saved rate (B).
    const double rateB1 = *savedResults(m_ui->folder(), "Alpha").result(resultslots::rateB(1));
    QCOMPARE(centerCell(m_jobCost, "Alpha", kFirstCostColumn),
             alphaGone ? kStateGone : numbers::format(rateB1 * (0.5 + 1000.0 / 6000), numbers::kMoneyPattern));
    QCOMPARE(centerCell(m_jobCost, "Gamma", kSpeedColumn) == kStateGone, gammaState == kStateGone);
    for (const QWidget* window :
         {static_cast<QWidget*>(m_budget), static_cast<QWidget*>(m_rates), static_cast<QWidget*>(m_analysis)})
        QCOMPARE(saysGone(window), alphaGone);
}

QTEST_MAIN(TestWindowsFollow)
#include "test_windows_follow.moc"
