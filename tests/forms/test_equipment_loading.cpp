#include "MainWindowDriver.h"

#include "EquipmentList.h"
#include "FileNames.h"
#include "RecordLayout.h"

namespace {
const QString kNoName = QStringLiteral("You must have a valid File to Analyze. Click OK and begin again");

// Saves an equipment record the way Calculate BHR lays out its input files.
void saveRecord(const DataFolder& folder, const QString& name, const BoxEntries& entries)
{
    const auto textOf = [&entries](const QString& box) { return boxText(entries, box); };
    QVERIFY(folder.replace(filenames::kPlantFile, recordlayout::linesOf(recordlayout::plantFile(), textOf)).ok());
    for (int digit = 2; digit <= 4; ++digit)
        QVERIFY(folder.replace(filenames::inputFile(name, digit),
                               recordlayout::linesOf(recordlayout::inputFile(digit), textOf))
                    .ok());
}
} // namespace

class TestEquipmentLoading : public QObject {
    Q_OBJECT
private slots:
    void firstStartOfANewName();
    void newNameRightAfterAnotherEquipment();
    void savedRecordLoadsEveryBox();
    void selectedEntryBeatsTheTypedName();
    void afterRefreshTheTypedNameIsUsed();
    void enterInTheNameBoxStartsTheAnalysis();
    void emptyNameIsRefusedWithoutChangingTab();
    void nameThatWouldLeaveTheFolderTouchesNothing();
    void workSpaceOnListSelection_data();
    void workSpaceOnListSelection();
    void startAnalysisShowsTheSavedWorkSpaceAsStored();
    void entryWithoutInputFilesLoadsThePlantOnly();
    void emptyListEntryShowsTheMessage();
    void arrowKeysSelectEveryEntryPassed();
    void tabbingIntoTheListLoadsNothing();
    void shortFileNeitherStopsNorStalls();
    void fileNamesOfANameWithBlanks();
    void workSpaceOptions();
};

void TestEquipmentLoading::firstStartOfANewName()
{
    MainWindowDriver ui;
    ui.start();
    ui.type("txtWage1", "12");
    ui.startAnalysis("Kord");

    QCOMPARE(ui.fileLines("budget.fyl"), QStringList{"Kord"});
    QCOMPARE(ui.list()->count(), 0); // shows only after Refresh List
    for (int member = 0; member < 5; ++member)
        QCOMPARE(ui.window().nameLabel(member)->text(), "Kord");
    QCOMPARE(ui.currentTab(), 1);
    QCOMPARE((QStringList{ui.text("txtEff100"), ui.text("txtEff80"), ui.text("txtEff70"), ui.text("txtEff60")}),
             (QStringList{"100", "80", "70", "60"}));
    QCOMPARE(ui.text("txtWage1"), "12");
    QCOMPARE(ui.window().currentName(), "Kord");
    QCOMPARE(ui.messages(), QStringList{"Be certain that you have an KVT folder\r\nOn your C Drive. If Not, Create One."});

    ui.click("Command5");
    QCOMPARE(ui.list()->count(), 1);
}

void TestEquipmentLoading::newNameRightAfterAnotherEquipment()
{
    MainWindowDriver ui;
    saveRecord(ui.folder(), "Kord", workedExampleBoxes());
    ui.start();
    ui.startAnalysis("Kord");
    QCOMPARE(ui.text("txtWage1"), "20");
    ui.type("txtSS", "9.9");
    ui.type("txtEff80", "85");

    ui.startAnalysis("Press B");

    QCOMPARE(ui.text("txtSS"), "7.65"); // the plant boxes reload from the plant file
    QCOMPARE(ui.text("txtEff80"), "80");
    QCOMPARE(ui.text("txtWage1"), "20"); // the previous equipment's values stay
    QCOMPARE(ui.text("txtCost"), "100000");
    QCOMPARE(ui.fileLines("budget.fyl"), (QStringList{"Kord", "Press B"}));
}

void TestEquipmentLoading::savedRecordLoadsEveryBox()
{
    MainWindowDriver ui;
    saveRecord(ui.folder(), "Kord", workedExampleBoxes());
    ui.start();
    ui.startAnalysis("Kord");
    for (const auto& [name, text] : workedExampleBoxes())
        QCOMPARE(ui.text(name), text);
    QCOMPARE(ui.fileLines("budget.fyl"), QStringList{"Kord"});
}

void TestEquipmentLoading::selectedEntryBeatsTheTypedName()
{
    MainWindowDriver ui;
    saveRecord(ui.folder(), "Kord", workedExampleBoxes());
    QVERIFY(ui.folder().replace(filenames::kListFile, {"Kord"}).ok());
    ui.start();
    ui.clickListEntry(0);
    ui.type("txtTitle", "Other");
    ui.click("cmdStart");
    QCOMPARE(ui.text("txtTitle"), "Kord");
    QCOMPARE(ui.window().currentName(), "Kord");
    QCOMPARE(ui.fileLines("budget.fyl"), QStringList{"Kord"});
}

void TestEquipmentLoading::afterRefreshTheTypedNameIsUsed()
{
    MainWindowDriver ui;
    QVERIFY(ui.folder().replace(filenames::kListFile, {"Kord"}).ok());
    ui.start();
    ui.clickListEntry(0);
    ui.click("Command5");
    ui.startAnalysis("Other");
    QCOMPARE(ui.window().currentName(), "Other");
    QCOMPARE(ui.fileLines("budget.fyl"), (QStringList{"Kord", "Other"}));
}

void TestEquipmentLoading::enterInTheNameBoxStartsTheAnalysis()
{
    MainWindowDriver ui;
    ui.start();
    ui.type("txtTitle", "Kord");
    QTest::keyClick(ui.box("txtTitle"), Qt::Key_Return);
    QCOMPARE(ui.currentTab(), 1);
    QCOMPARE(ui.window().nameLabel(4)->text(), "Kord");
    QCOMPARE(ui.text("txtEff100"), "100");
}

void TestEquipmentLoading::emptyNameIsRefusedWithoutChangingTab()
{
    MainWindowDriver ui;
    QVERIFY(ui.folder().replace(filenames::kListFile, {}).ok());
    ui.start();
    ui.click("cmdStart");
    QCOMPARE(ui.messages(), QStringList{kNoName});
    QCOMPARE(ui.currentTab(), 0);
    QVERIFY(ui.fileBytes("budget.fyl").isEmpty());
}

void TestEquipmentLoading::nameThatWouldLeaveTheFolderTouchesNothing()
{
    MainWindowDriver ui;
    ui.start();
    for (const QString& name : {QStringLiteral("../x"), QStringLiteral("a/b")}) {
        ui.startAnalysis(name);
        QVERIFY(ui.messages().last().contains(name));
        ui.click("Command2");
    }
    QCOMPARE(QDir(ui.path("")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{});
    for (const char* outside : {"x2", "x3", "x4", "x55"})
        QVERIFY(!QFile::exists(ui.path(QStringLiteral("../") + outside)));
    QVERIFY(!QDir(ui.path("a")).exists());
}

void TestEquipmentLoading::workSpaceOnListSelection_data()
{
    QTest::addColumn<QString>("saved");
    QTest::addColumn<QString>("cost");
    QTest::addColumn<QString>("totalCost");
    QTest::addColumn<QString>("totalFeet");
    QTest::addColumn<QString>("shown");
    // 100 / 300 * 500 = 166.666..., to 15 significant digits
    QTest::newRow("empty saved value, cost ratio") << "" << "100" << "300" << "500" << "166.666666666667";
    // 50 / 600 * 3 = .25, without a 0 before the point
    QTest::newRow("zero saved value, cost ratio") << "0" << "50" << "600" << "3" << ".25";
    QTest::newRow("saved value kept") << "180" << "100" << "300" << "500" << "180";
    QTest::newRow("text saved reads 0") << "none" << "100" << "300" << "500" << "166.666666666667";
    QTest::newRow("no equipment cost: saved value as stored") << "" << "" << "300" << "500" << "";
    QTest::newRow("plant cost 0: box keeps its text") << "" << "100" << "0" << "500" << "previous";
}

void TestEquipmentLoading::workSpaceOnListSelection()
{
    QFETCH(QString, saved);
    QFETCH(QString, cost);
    QFETCH(QString, totalCost);
    QFETCH(QString, totalFeet);
    QFETCH(QString, shown);
    MainWindowDriver ui;
    saveRecord(ui.folder(), "Kord",
               {{"txtSq", saved}, {"txtCost", cost}, {"txtTotCost", totalCost}, {"txtTotFeet", totalFeet}});
    QVERIFY(ui.folder().replace(filenames::kListFile, {"Kord"}).ok());
    ui.start();
    ui.type("txtSq", "previous");
    ui.clickListEntry(0);
    QCOMPARE(ui.text("txtSq"), shown);
    QCOMPARE(ui.currentTab(), 1);
    QCOMPARE(ui.text("txtTitle"), "Kord");
}

void TestEquipmentLoading::startAnalysisShowsTheSavedWorkSpaceAsStored()
{
    MainWindowDriver ui;
    saveRecord(ui.folder(), "Kord", {{"txtSq", ""}, {"txtCost", "100"}, {"txtTotCost", "300"}, {"txtTotFeet", "500"}});
    ui.start();
    ui.type("txtSq", "previous");
    ui.startAnalysis("Kord");
    QCOMPARE(ui.text("txtSq"), "");
}

void TestEquipmentLoading::entryWithoutInputFilesLoadsThePlantOnly()
{
    MainWindowDriver ui;
    QVERIFY(ui.folder().replace(filenames::kPlantFile, QStringList(16, "7")).ok());
    QVERIFY(ui.folder().replace(filenames::kListFile, {"Kord"}).ok());
    ui.start();
    ui.clickListEntry(0);
    QCOMPARE(ui.text("txtSS"), "7");
    QCOMPARE(ui.text("txtTotFeet"), "7");
    QCOMPARE(ui.text("txtEff100"), ""); // no defaults on this path
}

void TestEquipmentLoading::emptyListEntryShowsTheMessage()
{
    MainWindowDriver ui;
    QVERIFY(ui.folder().replace(filenames::kListFile, {"Kord", ""}).ok());
    ui.start();
    ui.type("txtTitle", "typed");
    ui.clickListEntry(1);
    QCOMPARE(ui.currentTab(), 1);
    QCOMPARE(ui.text("txtTitle"), "");
    QCOMPARE(ui.messages(), QStringList{kNoName});
}

void TestEquipmentLoading::arrowKeysSelectEveryEntryPassed()
{
    MainWindowDriver ui;
    saveRecord(ui.folder(), "Kord", {{"txtCost", "111"}});
    saveRecord(ui.folder(), "Press", {{"txtCost", "222"}});
    QVERIFY(ui.folder().replace(filenames::kListFile, {"Kord", "Press"}).ok());
    ui.start();
    ui.clickListEntry(0);
    QCOMPARE(ui.text("txtCost"), "111");
    QTest::keyClick(ui.list(), Qt::Key_Down);
    QCOMPARE(ui.window().currentName(), "Press");
    QCOMPARE(ui.text("txtCost"), "222");
    QTest::keyClick(ui.list(), Qt::Key_Up);
    QCOMPARE(ui.text("txtCost"), "111");
}

void TestEquipmentLoading::tabbingIntoTheListLoadsNothing()
{
    MainWindowDriver ui;
    saveRecord(ui.folder(), "Kord", {{"txtCost", "111"}});
    QVERIFY(ui.folder().replace(filenames::kListFile, {"Kord"}).ok());
    ui.start();
    QVERIFY(QTest::qWaitForWindowActive(&ui.window()));
    ui.list()->setFocus(Qt::TabFocusReason); // the list marks its first entry as current
    QCOMPARE(ui.list()->currentRow(), 0);
    QCOMPARE(ui.text("txtCost"), "");
    QCOMPARE(ui.currentTab(), 0);
    QCOMPARE(ui.window().currentName(), "");
}

void TestEquipmentLoading::shortFileNeitherStopsNorStalls()
{
    MainWindowDriver ui;
    saveRecord(ui.folder(), "Kord", workedExampleBoxes());
    QVERIFY(ui.folder().replace("Kord2", {"55555", "10", "0"}).ok()); // 3 of 13 lines
    ui.start();
    ui.type("txtHP2", "kept");
    ui.startAnalysis("Kord");
    QCOMPARE(ui.text("txtCost"), "55555");
    QCOMPARE(ui.text("txtHP1"), ""); // lines 2 and 3 are not loaded
    QCOMPARE(ui.text("txtHP2"), "kept");
    QCOMPARE(ui.text("txtWage1"), "20"); // files 3 and 4 still load
    QCOMPARE(ui.text("txtSell"), "8000");
    QCOMPARE(ui.text("txtEff100"), "100");
}

void TestEquipmentLoading::fileNamesOfANameWithBlanks()
{
    MainWindowDriver ui;
    saveRecord(ui.folder(), "AB Press 2", {{"txtCost", "4242"}});
    ui.start();
    ui.startAnalysis("AB Press 9"); // same first seven characters, same files
    QCOMPARE(ui.text("txtCost"), "4242");
    QVERIFY(ui.fileExists("AB Pres2"));
}

void TestEquipmentLoading::workSpaceOptions()
{
    MainWindowDriver ui;
    saveRecord(ui.folder(), "Kord", {{"txtSq", "180"}});
    ui.start();
    ui.startAnalysis("Kord");
    ui.typeAll({{"txtCost", "50"}, {"txtTotCost", "600"}, {"txtTotFeet", "3"}});
    ui.click("Option1");
    QCOMPARE(ui.text("txtSq"), ".25");
    ui.click("Option2");
    QCOMPARE(ui.text("txtSq"), "180");

    ui.startAnalysis("Nothing Saved");
    ui.click("Option2");
    QCOMPARE(ui.text("txtSq"), "");
    ui.type("txtTotCost", "0");
    ui.type("txtSq", "12");
    ui.click("Option1");
    QCOMPARE(ui.text("txtSq"), "12");
    QVERIFY(ui.messages().last().contains("total equipment cost"));
}

QTEST_MAIN(TestEquipmentLoading)
#include "test_equipment_loading.moc"
