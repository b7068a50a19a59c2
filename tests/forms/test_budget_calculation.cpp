#include "tests/support/MainWindowDriver.h"
#include "tests/support/ProgramNames.h"

#include "forms/frmBHR.h"
#include "forms/frmBudget.h"
#include "store/FileNames.h"

namespace {
const QString kOverflow = QStringLiteral("Please fill out all necessary info on ");

QString budgetBox(QWidget* budget, const char* name)
{
    return budget->findChild<QLineEdit*>(QString::fromLatin1(name))->text();
}

} // namespace

class TestBudgetCalculation : public QObject {
    Q_OBJECT
private slots:
    void workedExampleFromTheBoxesToTheBudgetWindow_data();
    void workedExampleFromTheBoxesToTheBudgetWindow();
    void inputFilesHoldTheBoxesAsTyped();
    void allBoxesEmptyStopsWithTheMessageAndKeepsTheOldResults_data();
    void allBoxesEmptyStopsWithTheMessageAndKeepsTheOldResults();
    void emptyHoursStillCompletes();
    void typedNameWithoutStartAnalysisIsSavedButNotListed();
    void replacingFilesSharedWithAnotherNameIsAsked_data();
    void replacingFilesSharedWithAnotherNameIsAsked();
    void unwritableFileIsReportedAndNothingClaimed();
    void missingOrShortFilesAreNamed_data();
    void missingOrShortFilesAreNamed();
    void nextOpensTheRatesInPlaceOfTheBudget();
};

void TestBudgetCalculation::workedExampleFromTheBoxesToTheBudgetWindow_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("tabAfter");
    QTest::newRow("tab button turns to the last tab") << "Command2" << 5;
    QTest::newRow("window button keeps the tab") << "cmdCalc" << 2;
}

void TestBudgetCalculation::workedExampleFromTheBoxesToTheBudgetWindow()
{
    QFETCH(QString, button);
    QFETCH(int, tabAfter);
    MainWindowDriver ui;
    ui.startWorkedExample("AB Press 2");
    ui.window().selectTab(button == "Command2" ? FrmTab::IndirectCosts : FrmTab::Equipment);
    if (button == "Command2")
        ui.click(button);
    else
        ui.press(button);

    QVERIFY(ui.messages().size() == 1); // only the missing-list message at start-up
    QCOMPARE(ui.currentTab(), tabAfter);
    QVERIFY(ui.fileExists("AB_Pres55"));
    QCOMPARE(ui.fileLines("Name.tmp"), QStringList{"AB Press 2"});
    auto* budget = ui.openWindow<FrmBudget>();
    QVERIFY(budget);
    QCOMPARE(budget->findChild<QLabel*>("lblHead1")->text(), "Budgeted Hourly Cost Analysis For AB Press 2");
    QCOMPARE(budgetBox(budget, "txtRent"), "      $2,500.00");  // 500 sq ft x $5
    QCOMPARE(budgetBox(budget, "txtPower"), "      $1,719.41"); // 332.8 + 1303.4112 + 83.2
    QCOMPARE(budgetBox(budget, "txtFix"), "     $15,500.00");   // 2500 + 1000 + 2000 + 10000
    QCOMPARE(budgetBox(budget, "txtII"), "        $357.14");    // 5000 / 72800 x 5200
    QCOMPARE(budgetBox(budget, "txtFacCosts"), "    $116,709.25");
}

void TestBudgetCalculation::inputFilesHoldTheBoxesAsTyped()
{
    MainWindowDriver ui;
    ui.startWorkedExample("Kord");
    ui.type("txtRepair", "1,500");
    ui.type("txtHP5", "$3");
    ui.type("txtUsage5", " 25 ");
    ui.click("Command2");

    QCOMPARE(ui.fileLines("primary.bud"), (QStringList{"7.65", "76200", "3", "2.7", "7000", "50", "3", ".08", "10", "6",
                                                       "5", "1", "2", "10", "300000", "5000"}));
    QCOMPARE(ui.fileLines("Kord2"),
             (QStringList{"100000", "10", " 25 ", "10", "5", "", "", "$3", "80", "50", "", "", " 25 "}));
    QCOMPARE(ui.fileLines("Kord3"),
             (QStringList{"", "500", "1000", "20", "100", "50", "15", "80", "2000", "", "70", "40", "60"}));
    // A comma stands inside double quotes, so that the text reads back whole.
    QCOMPARE(ui.fileLines("Kord4"), (QStringList{"5000", "3000", "\"1,500\"", "10000", "8000"}));
    QVERIFY(ui.fileBytes("Kord4").endsWith("8000\r\n"));
    QCOMPARE(ui.fileLines("Kord55").size(), 206);
}

void TestBudgetCalculation::allBoxesEmptyStopsWithTheMessageAndKeepsTheOldResults_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("tab button") << "Command2";
    QTest::newRow("window button") << "cmdCalc";
}

void TestBudgetCalculation::allBoxesEmptyStopsWithTheMessageAndKeepsTheOldResults()
{
    QFETCH(QString, button);
    MainWindowDriver ui;
    QVERIFY(ui.folder().replace(filenames::kListFile, {}).ok());
    QVERIFY(ui.folder().replace("Kord55", {"earlier"}).ok());
    QVERIFY(ui.folder().replace("Name.tmp", {"Earlier"}).ok());
    ui.start();
    ui.startAnalysis("Kord");
    for (const char* efficiency : {"txtEff100", "txtEff80", "txtEff70", "txtEff60"})
        ui.box(efficiency)->clear();
    ui.press(button);

    QCOMPARE(ui.messages(), QStringList{kOverflow + "Kord"});
    QCOMPARE(ui.fileLines("Kord55"), QStringList{"earlier"});
    QCOMPARE(ui.fileLines("Name.tmp"), QStringList{"Earlier"});
    QCOMPARE(ui.currentTab(), 1);
    QVERIFY(!ui.openWindow<FrmBudget>());
    QCOMPARE(ui.fileLines("primary.bud"), QStringList(16, QString())); // the typed texts are kept
    QCOMPARE(ui.fileLines("Kord3").size(), 13);
}

void TestBudgetCalculation::emptyHoursStillCompletes()
{
    MainWindowDriver ui;
    ui.startWorkedExample("Kord");
    ui.box("txtHours")->clear();
    ui.click("Command2");
    QCOMPARE(ui.messages().size(), 1);
    const LoadedRecord saved = loadResultFile(ui.folder(), "Kord");
    QVERIFY(saved.ok());
    QVERIFY(!saved.record.result(89).has_value()); // rate B has no hours to divide by
    QCOMPARE(saved.record.result(100), std::optional<double>(0.0));
    QVERIFY(ui.openWindow<FrmBudget>());
}

void TestBudgetCalculation::typedNameWithoutStartAnalysisIsSavedButNotListed()
{
    MainWindowDriver ui;
    ui.startWithList({"Press"});
    ui.type("txtTitle", "Kord");
    ui.typeAll(workedExampleBoxes());
    ui.click("Command2");
    QVERIFY(ui.fileExists("Kord2"));
    QVERIFY(ui.fileExists("Kord55"));
    QCOMPARE(ui.fileLines("budget.fyl"), QStringList{"Press"});
}

void TestBudgetCalculation::replacingFilesSharedWithAnotherNameIsAsked_data()
{
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<bool>("started"); // false: the name is only typed
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("answerYes"); // false: Enter takes the default answer
    const QStringList pair{"Komori 1", "Komori 2"};
    QTest::newRow("pair in the list, default answer") << pair << true << "Command2" << false;
    QTest::newRow("pair in the list, Yes") << pair << true << "Command2" << true;
    QTest::newRow("window button, default answer") << pair << true << "cmdCalc" << false;
    QTest::newRow("typed name, listed partner, Yes") << QStringList{"Komori 1"} << false << "Command2" << true;
}

void TestBudgetCalculation::replacingFilesSharedWithAnotherNameIsAsked()
{
    QFETCH(QStringList, listed);
    QFETCH(bool, started);
    QFETCH(QString, button);
    QFETCH(bool, answerYes);
    MainWindowDriver ui;
    const QString sharedResults = filenames::resultFile("Komori 1");
    QVERIFY(ui.folder().replace(filenames::kListFile, listed).ok());
    QVERIFY(ui.folder().replace(sharedResults, {"Komori 1's results"}).ok());
    ui.start();
    if (started)
        ui.startAnalysis("Komori 2");
    else
        ui.type("txtTitle", "Komori 2");
    ui.typeAll(workedExampleBoxes());
    if (answerYes)
        ui.platform().recordedMessages.answers = {MessageBoxes::Answer::Yes};
    ui.press(button);

    const QList<RecordedMessageBoxes::Shown>& shown = ui.platform().recordedMessages.shown;
    QCOMPARE(shown.size(), 1);
    QVERIFY(shown.first().question);
    QCOMPARE(shown.first().defaultAnswer, MessageBoxes::Answer::No);
    QVERIFY2(shown.first().text.contains("\"Komori 1\"") && shown.first().text.contains("\"Komori 2\""),
             qPrintable(shown.first().text));
    QCOMPARE(ui.fileLines(sharedResults).size(), answerYes ? 206 : 1);
    QCOMPARE(ui.fileExists("primary.bud"), answerYes);
    QCOMPARE(bool(ui.openWindow<FrmBudget>()), answerYes);
}

// Running as root, a read-only folder would still take the files; a folder in the way of a
// file cannot be overwritten by anyone.
void TestBudgetCalculation::unwritableFileIsReportedAndNothingClaimed()
{
    for (const QString blocked : {"primary.bud", "Kord3", "Kord55", "Name.tmp"}) {
        MainWindowDriver ui;
        QVERIFY(ui.folder().replace(filenames::kListFile, {}).ok());
        QVERIFY(QDir(ui.path("")).mkdir(blocked));
        ui.startWorkedExample("Kord");
        ui.click("Command2");
        QCOMPARE(ui.messages().size(), 1);
        QVERIFY2(ui.messages().first().contains(blocked), qPrintable(ui.messages().first()));
        QCOMPARE(ui.currentTab(), 1);
        QVERIFY(!ui.openWindow<FrmBudget>());
        if (blocked != "Name.tmp")
            QVERIFY(!ui.fileExists("Name.tmp"));
    }
}

void TestBudgetCalculation::missingOrShortFilesAreNamed_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<bool>("writeName");
    QTest::addColumn<int>("resultLines");
    QTest::addColumn<QString>("named");
    QTest::addColumn<QStringList>("emptyBoxes");
    const QStringList budget = {"txtRent", "txtFacCosts"};
    const QStringList rates = {"txtTotCC", "Option1"};
    QTest::newRow("budget: no name file") << "frmBudget" << false << 206 << "Name.tmp" << budget;
    QTest::newRow("budget: no result file") << "frmBudget" << true << 0 << "Kord55" << budget;
    QTest::newRow("budget: short result file") << "frmBudget" << true << 205 << "Kord55" << budget;
    QTest::newRow("rates: no name file") << "frmBHR" << false << 0 << "Name.tmp" << rates;
    QTest::newRow("rates: short result file") << "frmBHR" << true << 100 << "Kord55" << rates;
}

// The window says which file it could not read, shows no figures, prints nothing and closes.
void TestBudgetCalculation::missingOrShortFilesAreNamed()
{
    QFETCH(QString, window);
    QFETCH(bool, writeName);
    QFETCH(int, resultLines);
    QFETCH(QString, named);
    QFETCH(QStringList, emptyBoxes);
    MainWindowDriver ui;
    if (writeName)
        QVERIFY(ui.folder().replace("Name.tmp", {"Kord"}).ok());
    if (resultLines > 0)
        QVERIFY(ui.folder().replace("Kord55", QStringList(resultLines, " 1 ")).ok());
    QPointer<QWidget> opened = window == "frmBudget" ? static_cast<QWidget*>(ui.window().openWindows().budget())
                                                     : ui.window().openWindows().rates();
    QCOMPARE(ui.messages().size(), 1);
    QVERIFY2(ui.messages().first().contains(named), qPrintable(ui.messages().first()));
    for (const QString& box : emptyBoxes)
        QCOMPARE(control<QWidget>(opened, box)->property("text").toString(), QString());
    if (window == "frmBHR") {
        clickIn(opened, "cmdPrintBHR");
        QCOMPARE(ui.messages().size(), 2);
        QVERIFY(ui.platform().recordedPrinting.pages.isEmpty());
    }
    opened->close();
    QTRY_VERIFY(!opened);
}

void TestBudgetCalculation::nextOpensTheRatesInPlaceOfTheBudget()
{
    MainWindowDriver ui;
    QVERIFY(ui.folder().replace("Name.tmp", {"Kord"}).ok());
    saveResults(ui.folder(), "Kord", {{89, 69.01}});
    FrmBudget* budget = ui.window().openWindows().budget();
    QTest::mouseClick(budget->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    QVERIFY(!budget->isVisible());
    auto* rates = ui.openWindow<FrmBHR>();
    QVERIFY(rates);
    QCOMPARE(rates->findChild<QRadioButton*>("Option1")->text(), "$69.01");
}

QTEST_MAIN(TestBudgetCalculation)
#include "test_budget_calculation.moc"
