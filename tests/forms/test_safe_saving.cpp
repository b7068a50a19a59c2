#include "tests/support/MainWindowDriver.h"
#include "tests/support/ProgramNames.h"

#include "forms/frmBudget.h"
#include "forms/frmCenter.h"
#include "store/FileNames.h"
#include "tests/support/FileSizeLimit.h"

#include <QDir>

namespace {

// Works in a folder of its own for as long as it lives, so that a stray file shows up there.
class OwnWorkingFolder {
public:
    OwnWorkingFolder() : m_start(QDir::currentPath()) { QDir::setCurrent(m_folder.path()); }
    ~OwnWorkingFolder() { QDir::setCurrent(m_start); }
    QStringList entries() const { return folderEntries(m_folder.path()); }

private:
    QTemporaryDir m_folder;
    QString m_start;
};

} // namespace

class TestSafeSaving : public QObject {
    Q_OBJECT
private slots:
    void boxesAndNamesWithCommasComeBackAsTyped();
    void calculateOnAFullDiskStopsAtTheFileItCouldNotSave_data();
    void calculateOnAFullDiskStopsAtTheFileItCouldNotSave();
    void reverseCalculateOnAFullDiskKeepsThePricesAndOpensNothing();
    void startAnalysisOnAFullDiskSaysTheListWasNotSaved();
    void hostileNamesNeverWriteOutsideTheFolder_data();
    void hostileNamesNeverWriteOutsideTheFolder();
};

// Amounts typed with thousands commas and a name with a comma survive saving and selecting
// again: every box shows what was typed, and the list holds the name once, whole.
void TestSafeSaving::boxesAndNamesWithCommasComeBackAsTyped()
{
    MainWindowDriver ui;
    ui.start();
    ui.startAnalysis("Press, big");
    BoxEntries typed = workedExampleBoxes();
    for (auto& [box, text] : typed)
        text += QStringLiteral(",000");
    ui.typeAll(typed);
    ui.click("Command2");
    QVERIFY(ui.openWindow<FrmBudget>());
    ui.openWindow<FrmBudget>()->close();
    for (const auto& [box, text] : typed)
        ui.box(box)->clear();

    ui.click("Command5");
    QCOMPARE(ui.list()->count(), 1);
    ui.clickListEntry(0);
    ui.click("Command5");

    for (const auto& [box, text] : typed)
        QCOMPARE(ui.text(box), text);
    QCOMPARE(ui.list()->count(), 1);
    QCOMPARE(ui.list()->item(0)->text(), "Press, big");
    QCOMPARE(ui.fileLines("Name.tmp"), QStringList{"\"Press, big\""});
}

void TestSafeSaving::calculateOnAFullDiskStopsAtTheFileItCouldNotSave_data()
{
    QTest::addColumn<int>("bytesAllowed");
    QTest::addColumn<QString>("failedFile");
    QTest::addColumn<QStringList>("savedBefore");
    QTest::newRow("the plant file, the first") << 0 << "primary.bud" << QStringList{};
    QTest::newRow("the result file, after the inputs")
        << 400 << "AB_Pres55" << QStringList{"primary.bud", "AB Pres2", "AB Pres3", "AB Pres4"};
}

// A disk that holds only so many bytes a file: Calculate BHR names the file it could not save,
// keeps it whole, saves nothing after it and opens no budget window.
void TestSafeSaving::calculateOnAFullDiskStopsAtTheFileItCouldNotSave()
{
    QFETCH(int, bytesAllowed);
    QFETCH(QString, failedFile);
    QFETCH(QStringList, savedBefore);
    MainWindowDriver ui;
    ui.startWorkedExample("AB Press 2");
    ui.click("Command2");
    ui.openWindow<FrmBudget>()->close();
    ui.window().selectTab(FrmTab::Preliminary);
    const auto before = filesIn(ui.folder().path());
    const int messagesBefore = ui.messages().size();

    ui.typeAll({{"txtRent", "7"}, {"txtCost", "120000"}, {"txtHours", "38"}, {"txtInd", "6000"}});
    {
        const FileSizeLimit fullDisk(bytesAllowed);
        QVERIFY(fullDisk.active());
        ui.click("Command2");
    }

    QCOMPARE(ui.messages().size(), messagesBefore + 1);
    QVERIFY2(ui.messages().last().contains(failedFile), qPrintable(ui.messages().last()));
    QVERIFY(!ui.openWindow<FrmBudget>());
    QCOMPARE(ui.currentTab(), 0);
    const auto after = filesIn(ui.folder().path());
    QCOMPARE(after.keys(), before.keys());
    for (const QString& file : before.keys())
        QCOMPARE(after[file] != before[file], savedBefore.contains(file));
}

void TestSafeSaving::reverseCalculateOnAFullDiskKeepsThePricesAndOpensNothing()
{
    MainWindowDriver ui;
    ui.startWorkedExample("Kord");
    ui.click("Command2");
    ui.openWindow<FrmBudget>()->close();
    ui.typePricing(workedExamplePricing());
    ui.click("Command1");
    ui.openWindow<FrmCenter>()->close();
    const auto before = filesIn(ui.folder().path());
    const int messagesBefore = ui.messages().size();

    ui.type("txtP1", "215");
    {
        const FileSizeLimit fullDisk(0);
        QVERIFY(fullDisk.active());
        ui.click("Command1");
    }

    QCOMPARE(ui.messages().size(), messagesBefore + 1);
    QVERIFY2(ui.messages().last().contains("Kord6"), qPrintable(ui.messages().last()));
    QVERIFY(!ui.openWindow<FrmCenter>());
    QCOMPARE(filesIn(ui.folder().path()), before);
}

void TestSafeSaving::startAnalysisOnAFullDiskSaysTheListWasNotSaved()
{
    MainWindowDriver ui;
    ui.start();
    ui.startAnalysis("Kord");
    const int messagesBefore = ui.messages().size();
    {
        const FileSizeLimit fullDisk(0);
        QVERIFY(fullDisk.active());
        ui.startAnalysis("Press");
    }
    QCOMPARE(ui.messages().size(), messagesBefore + 1);
    QVERIFY2(ui.messages().last().contains("budget.fyl"), qPrintable(ui.messages().last()));
    QCOMPARE(ui.fileLines("budget.fyl"), QStringList{"Kord"});
    QCOMPARE(ui.window().nameLabel(0)->text(), "Kord");
}

void TestSafeSaving::hostileNamesNeverWriteOutsideTheFolder_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("colon first") << ":Press B" << true;
    QTest::newRow("colon alone") << ":x" << true;
    QTest::newRow("dot dot") << ".." << true;
    QTest::newRow("trailing blanks") << "Kord   " << true;
    QTest::newRow("parent folder") << "../x" << false;
    QTest::newRow("slash") << "a/b" << false;
    QTest::newRow("backslash") << "a\\b" << false;
    QTest::newRow("empty character") << "Ko" + QString(QChar(0)) + "rd" << false;
    QTest::newRow("leading blanks") << "  Kord" << false;
    QTest::newRow("blanks only") << "    " << false;
}

// Start Analysis and Calculate BHR with a hostile name: nothing appears in the working folder,
// and in the program folder only the files of an accepted name.
void TestSafeSaving::hostileNamesNeverWriteOutsideTheFolder()
{
    QFETCH(QString, name);
    QFETCH(bool, accepted);
    MainWindowDriver ui;
    OwnWorkingFolder workingFolder;
    ui.start();
    const QStringList before = folderEntries(ui.folder().path());

    ui.box("txtTitle")->setText(name); // pasted past the typing checks
    ui.click("cmdStart");
    ui.typeAll(workedExampleBoxes());
    ui.click("Command2");

    QCOMPARE(workingFolder.entries(), QStringList{});
    for (const QString& file : {filenames::inputFile(name, 2), filenames::inputFile(name, 3),
                                filenames::inputFile(name, 4), filenames::resultFile(name)}) {
        const QString reached = QDir::cleanPath(ui.folder().path() + u'/' + file);
        if (QFileInfo(reached).absolutePath() != QFileInfo(ui.folder().path()).absoluteFilePath())
            QVERIFY2(!QFileInfo::exists(reached), qPrintable(reached));
    }
    const QStringList after = folderEntries(ui.folder().path());
    if (accepted) {
        QVERIFY2(QFile::exists(ui.folder().filePath(filenames::resultFile(name))), qPrintable(after.join(u'|')));
        QCOMPARE(ui.fileLines("budget.fyl"), QStringList{name});
        QVERIFY(ui.openWindow<FrmBudget>());
    } else {
        QVERIFY(ui.messages().size() >= 2);
        QVERIFY2(ui.messages().at(1).contains(name), qPrintable(ui.messages().at(1)));
        QCOMPARE(after, before);
    }
}

QTEST_MAIN(TestSafeSaving)
#include "test_safe_saving.moc"
