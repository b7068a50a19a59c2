#include "tests/support/MainWindowDriver.h"
#include "tests/support/PlantFolder.h"
#include "tests/support/ProgramNames.h"

#include "forms/BoxPlaces.h"
#include "store/FileNames.h"
#include "store/RecordLayout.h"

namespace {
const QString kNoName = QStringLiteral("You must have a valid File to Analyze. Click OK and begin again");

// Saves an equipment record the way Calculate BHR lays out its input files.
void saveRecord(const DataFolder& folder, const QString& name, const BoxEntries& entries)
{
    const InputTexts textOf = textsOf(entries);
    QVERIFY(folder.replace(filenames::kPlantFile, recordlayout::linesOf(recordlayout::plantFile(), textOf)).ok());
    QVERIFY(saveInputFiles(folder, name, textOf));
}
} // namespace

class TestEquipmentLoading : public QObject {
    Q_OBJECT
private slots:
    void firstStartOfANewName();
    void savedRecordThenANewName();
    void typingLetsGoOfTheChosenEntry_data();
    void typingLetsGoOfTheChosenEntry();
    void clickOnTheChosenEntryLoadsItAgain();
    void refusedEntryNeverEntersTheNameBox_data();
    void refusedEntryNeverEntersTheNameBox();
    void newNameSharingFilesWithAListedNameIsRefused_data();
    void newNameSharingFilesWithAListedNameIsRefused();
    void afterRefreshTheTypedNameIsUsed();
    void emptyNameIsRefusedWithoutChangingTab_data();
    void emptyNameIsRefusedWithoutChangingTab();
    void workSpaceOnLoading_data();
    void workSpaceOnLoading();
    void entryWithoutInputFilesLoadsThePlantOnly();
    void tabbingInLoadsNothingArrowKeysLoadEveryEntryPassed();
    void shortFileNeitherStopsNorStalls();
    void fileThatCannotBeReadIsPassedOver_data();
    void fileThatCannotBeReadIsPassedOver();
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
    QCOMPARE(ui.messages(), QStringList{kNoListMessage});

    ui.click("Command5");
    QCOMPARE(ui.list()->count(), 1);
}

void TestEquipmentLoading::savedRecordThenANewName()
{
    MainWindowDriver ui;
    saveRecord(ui.folder(), "Kord", workedExampleBoxes());
    ui.start();
    ui.startAnalysis("Kord");
    for (const auto& [name, text] : workedExampleBoxes()) // a saved record fills every box
        QCOMPARE(ui.text(name), text);
    QCOMPARE(ui.fileLines("budget.fyl"), QStringList{"Kord"});
    ui.type("txtSS", "9.9");
    ui.type("txtEff80", "85");

    ui.startAnalysis("Press B");

    QCOMPARE(ui.text("txtSS"), "7.65"); // the plant boxes reload from the plant file
    QCOMPARE(ui.text("txtEff80"), "80");
    QCOMPARE(ui.text("txtWage1"), "20"); // the previous equipment's values stay
    QCOMPARE(ui.text("txtCost"), "100000");
    QCOMPARE(ui.fileLines("budget.fyl"), (QStringList{"Kord", "Press B"}));
}

void TestEquipmentLoading::typingLetsGoOfTheChosenEntry_data()
{
    QTest::addColumn<QString>("typed"); // null: nothing typed after the click
    QTest::addColumn<bool>("byEnter");
    QTest::addColumn<QString>("started");
    QTest::addColumn<QString>("cost");
    QTest::newRow("chosen entry, nothing typed") << QString() << false << QString("Kord") << QString("100000");
    QTest::newRow("typed, Start Analysis") << QString("Other") << false << QString("Other") << QString("");
    QTest::newRow("typed, Enter") << QString("Other") << true << QString("Other") << QString("");
}

// What the user types next is saved under the started name, so that name must be the typed one.
void TestEquipmentLoading::typingLetsGoOfTheChosenEntry()
{
    QFETCH(QString, typed);
    QFETCH(bool, byEnter);
    QFETCH(QString, started);
    QFETCH(QString, cost);
    MainWindowDriver ui;
    saveRecord(ui.folder(), "Kord", workedExampleBoxes());
    ui.startWithList({"Kord"});
    ui.clickListEntry(0);
    ui.box("txtCost")->clear();
    if (!typed.isNull())
        ui.type("txtTitle", typed);
    if (byEnter)
        QTest::keyClick(ui.box("txtTitle"), Qt::Key_Return);
    else
        ui.click("cmdStart");
    QCOMPARE(ui.text("txtTitle"), started);
    QCOMPARE(ui.window().currentName(), started);
    QCOMPARE(ui.window().nameLabel(4)->text(), started);
    QCOMPARE(ui.text("txtCost"), cost);
    QCOMPARE(ui.text("txtEff100"), "100"); // saved, or the default of a new name
    QCOMPARE(ui.currentTab(), 1);
    QCOMPARE(ui.fileLines("budget.fyl").last(), started);
}

void TestEquipmentLoading::clickOnTheChosenEntryLoadsItAgain()
{
    MainWindowDriver ui;
    saveRecord(ui.folder(), "Kord", {{"txtCost", "111"}});
    ui.startWithList({"Kord", ""});
    const auto clickOnFirstTab = [&ui](int row) {
        ui.window().selectTab(FrmTab::Preliminary);
        ui.clickListEntry(row);
    };
    clickOnFirstTab(0);
    ui.type("txtCost", "typed over");
    clickOnFirstTab(0);
    QCOMPARE(ui.text("txtCost"), "111");
    QCOMPARE(ui.currentTab(), 1);
    clickOnFirstTab(1); // an empty entry: the message, the name box emptied, the next tab
    QCOMPARE(ui.text("txtTitle"), "");
    QCOMPARE(ui.currentTab(), 1);
    clickOnFirstTab(1);
    QCOMPARE(ui.messages(), (QStringList{kNoName, kNoName})); // once a click
}

void TestEquipmentLoading::refusedEntryNeverEntersTheNameBox_data()
{
    QTest::addColumn<QString>("entry");
    QTest::newRow("longer than the name box holds") << QString(40000, u'K');
    QTest::newRow("files outside the folder") << "../x";
}

void TestEquipmentLoading::refusedEntryNeverEntersTheNameBox()
{
    QFETCH(QString, entry);
    MainWindowDriver ui;
    ui.startWithList({entry});
    ui.type("txtTitle", "typed");
    ui.clickListEntry(0);
    ui.clickListEntry(0);
    ui.click("cmdStart"); // the refused entry is still the chosen one
    QCOMPARE(ui.messages().size(), 3);
    QCOMPARE(ui.text("txtTitle"), "typed");
    QCOMPARE(ui.window().currentName(), "typed");
    QCOMPARE(ui.fileLines("budget.fyl"), QStringList{entry});
    QCOMPARE(ui.currentTab(), 0);
}

void TestEquipmentLoading::newNameSharingFilesWithAListedNameIsRefused_data()
{
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("byEnter");
    QTest::addColumn<QString>("sharedWith"); // empty: the name starts
    QTest::newRow("same first seven characters") << QStringList{"Komori 1"} << "Komori 2" << false << "Komori 1";
    QTest::newRow("by Enter") << QStringList{"Kord", "Komori 1"} << "Komori 2" << true << "Komori 1";
    QTest::newRow("blank and _ share the result file") << QStringList{"AB Press"} << "AB_Press" << false << "AB Press";
    QTest::newRow("a pair listed before starts") << QStringList{"Komori 1", "Komori 2"} << "Komori 2" << false << "";
    QTest::newRow("different within seven characters") << QStringList{"Komori 1"} << "Komori2" << false << "";
}

void TestEquipmentLoading::newNameSharingFilesWithAListedNameIsRefused()
{
    QFETCH(QStringList, listed);
    QFETCH(QString, name);
    QFETCH(bool, byEnter);
    QFETCH(QString, sharedWith);
    MainWindowDriver ui;
    saveRecord(ui.folder(), listed.last(), {{"txtCost", "4242"}});
    QVERIFY(ui.folder().replace(filenames::kListFile, listed).ok());
    ui.start();
    ui.type("txtTitle", name);
    if (byEnter)
        QTest::keyClick(ui.box("txtTitle"), Qt::Key_Return);
    else
        ui.click("cmdStart");
    if (sharedWith.isEmpty()) {
        QCOMPARE(ui.messages(), QStringList());
        QCOMPARE(ui.window().nameLabel(0)->text(), name);
        return;
    }
    QCOMPARE(ui.messages().size(), 1);
    const QString message = ui.messages().first();
    QVERIFY2(message.contains(name) && message.contains(sharedWith) && message.contains("first seven characters"),
             qPrintable(message));
    QCOMPARE(ui.fileLines("budget.fyl"), listed);
    QCOMPARE(ui.text("txtCost"), ""); // the other equipment's figures are not shown
    QCOMPARE(ui.window().nameLabel(0)->text(), "");
    QCOMPARE(ui.currentTab(), 0);
}

void TestEquipmentLoading::afterRefreshTheTypedNameIsUsed()
{
    MainWindowDriver ui;
    ui.startWithList({"Kord"});
    ui.clickListEntry(0);
    ui.click("Command5");
    ui.startAnalysis("Other");
    QCOMPARE(ui.window().currentName(), "Other");
    QCOMPARE(ui.fileLines("budget.fyl"), (QStringList{"Kord", "Other"}));
}

void TestEquipmentLoading::emptyNameIsRefusedWithoutChangingTab_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("Start Analysis") << "cmdStart";
    QTest::newRow("Calculate BHR") << "Command2";
}

void TestEquipmentLoading::emptyNameIsRefusedWithoutChangingTab()
{
    QFETCH(QString, button);
    MainWindowDriver ui;
    ui.startWithList();
    ui.click(button);
    QCOMPARE(ui.messages(), QStringList{kNoName});
    QCOMPARE(ui.currentTab(), 0);
    QVERIFY(ui.fileBytes("budget.fyl").isEmpty());
    QVERIFY(!ui.fileExists("primary.bud"));
}

void TestEquipmentLoading::workSpaceOnLoading_data()
{
    QTest::addColumn<bool>("fromList"); // false: Start Analysis, which shows the saved text as stored
    QTest::addColumn<QString>("saved");
    QTest::addColumn<QString>("cost");
    QTest::addColumn<QString>("totalCost");
    QTest::addColumn<QString>("totalFeet");
    QTest::addColumn<QString>("shown");
    const auto row = [](const char* name, bool fromList, const QString& saved, const char* cost, const char* totalCost,
                        const char* totalFeet, const QString& shown) {
        QTest::newRow(name) << fromList << saved << cost << totalCost << totalFeet << shown;
    };
    // 100 / 300 * 500 = 166.666..., to 15 significant digits
    row("list: empty saved value, cost ratio", true, "", "100", "300", "500", "166.666666666667");
    // 50 / 600 * 3 = .25, without a 0 before the point
    row("list: zero saved value, cost ratio", true, "0", "50", "600", "3", ".25");
    row("list: saved value kept", true, "180", "100", "300", "500", "180");
    row("list: text saved reads 0", true, "none", "100", "300", "500", "166.666666666667");
    row("list: no equipment cost, saved value as stored", true, "", "", "300", "500", "");
    row("list: plant cost 0, box keeps its text", true, "", "100", "0", "500", "previous");
    row("start: empty", false, "", "100", "300", "500", "");
    row("start: text", false, "12 sq ft", "100", "300", "500", "12 sq ft");
    row("start: too large to read as a number", false, "1e999", "100", "300", "500", "1e999");
}

void TestEquipmentLoading::workSpaceOnLoading()
{
    QFETCH(bool, fromList);
    QFETCH(QString, saved);
    QFETCH(QString, cost);
    QFETCH(QString, totalCost);
    QFETCH(QString, totalFeet);
    QFETCH(QString, shown);
    MainWindowDriver ui;
    saveRecord(ui.folder(), "Kord",
               {{"txtSq", saved}, {"txtCost", cost}, {"txtTotCost", totalCost}, {"txtTotFeet", totalFeet}});
    ui.startWithList({"Kord"});
    ui.type("txtSq", "previous");
    if (fromList)
        ui.clickListEntry(0);
    else
        ui.startAnalysis("Kord");
    QCOMPARE(ui.text("txtSq"), shown);
    QCOMPARE(ui.currentTab(), 1);
    QCOMPARE(ui.text("txtTitle"), "Kord");
}

void TestEquipmentLoading::entryWithoutInputFilesLoadsThePlantOnly()
{
    MainWindowDriver ui;
    QVERIFY(ui.folder().replace(filenames::kPlantFile, QStringList(16, "7")).ok());
    ui.startWithList({"Kord"});
    ui.clickListEntry(0);
    QCOMPARE(ui.text("txtSS"), "7");
    QCOMPARE(ui.text("txtTotFeet"), "7");
    QCOMPARE(ui.text("txtEff100"), ""); // no defaults on this path
}

void TestEquipmentLoading::tabbingInLoadsNothingArrowKeysLoadEveryEntryPassed()
{
    MainWindowDriver ui;
    saveRecord(ui.folder(), "Kord", {{"txtCost", "111"}});
    saveRecord(ui.folder(), "Press", {{"txtCost", "222"}});
    ui.startWithList({"Kord", "Press"});
    QVERIFY(QTest::qWaitForWindowActive(&ui.window()));
    ui.list()->setFocus(Qt::TabFocusReason); // tabbing in marks the first entry but loads nothing
    QCOMPARE(ui.list()->currentRow(), 0);
    QCOMPARE(ui.text("txtCost"), "");
    QCOMPARE(ui.currentTab(), 0);
    QCOMPARE(ui.window().currentName(), "");
    ui.clickListEntry(0);
    QCOMPARE(ui.text("txtCost"), "111");
    QTest::keyClick(ui.list(), Qt::Key_Down);
    QCOMPARE(ui.window().currentName(), "Press");
    QCOMPARE(ui.text("txtCost"), "222");
    QTest::keyClick(ui.list(), Qt::Key_Up);
    QCOMPARE(ui.text("txtCost"), "111");
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

void TestEquipmentLoading::fileThatCannotBeReadIsPassedOver_data()
{
    QTest::addColumn<QString>("unreadable");
    QTest::addColumn<bool>("fromList");
    QTest::newRow("plant file, Start Analysis") << "primary.bud" << false;
    QTest::newRow("input file 2, Start Analysis") << "Kord2" << false;
    QTest::newRow("input file 3, list selection") << "Kord3" << true;
}

// Only a file that is not there stops the load; one that is there but cannot be read is passed.
void TestEquipmentLoading::fileThatCannotBeReadIsPassedOver()
{
    QFETCH(QString, unreadable);
    QFETCH(bool, fromList);
    MainWindowDriver ui;
    saveRecord(ui.folder(), "Kord", workedExampleBoxes());
    QVERIFY(ui.folder().replace(filenames::kListFile, {"Kord"}).ok());
    ui.blockFile(unreadable);
    ui.start();
    for (const auto& [box, text] : workedExampleBoxes())
        ui.type(box, "kept");
    if (fromList)
        ui.clickListEntry(0);
    else
        ui.startAnalysis("Kord");
    QStringList skipped;
    for (const recordlayout::FileLine& line :
         unreadable == "primary.bud" ? recordlayout::plantFile() : recordlayout::inputFile(unreadable.right(1).toInt()))
        skipped.append(line.box ? boxplaces::objectName(*line.box) : QString());
    for (const auto& [box, text] : workedExampleBoxes())
        QCOMPARE(ui.text(box), skipped.contains(box) ? QStringLiteral("kept") : text);
    QCOMPARE(ui.messages(), QStringList());
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
    QVERIFY(!ui.child<QRadioButton>("Option1")->isChecked() && !ui.child<QRadioButton>("Option2")->isChecked());
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
