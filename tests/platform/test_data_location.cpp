#include "forms/ProgramStart.h"
#include "forms/frmAbout.h"
#include "forms/frmTab.h"
#include "platform/DataLocation.h"
#include "store/EquipmentList.h"
#include "tests/support/ProgramNames.h"
#include "tests/support/RecordedPlatform.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

// A desktop whose data lives apart from the executable, as for an installed program.
class InstalledPlatform : public RecordedPlatform {
public:
    InstalledPlatform() : RecordedPlatform(2031) {}
    DataFolder programFolder() const override { return DataFolder(programDir.path()); }
    QTemporaryDir programDir;
};

} // namespace

class TestDataLocation : public QObject {
    Q_OBJECT
private slots:
    void init();

    void dataFolderIsChosenOnce_data();
    void dataFolderIsChosenOnce();
    void aFolderChosenEarlierIsUsedWhileItIsThere_data();
    void aFolderChosenEarlierIsUsedWhileItIsThere();
    void theStartSaysWhenTheChosenFolderIsMissing();
    void helpComesFromTheProgramFolderAndAboutNamesTheDataFolder();

private:
    std::unique_ptr<QTemporaryDir> m_root;
};

void TestDataLocation::init()
{
    m_root = std::make_unique<QTemporaryDir>();
    QVERIFY(m_root->isValid());
    QVERIFY(QDir(m_root->path()).mkdir("program"));
}

void TestDataLocation::dataFolderIsChosenOnce_data()
{
    QTest::addColumn<QStringList>("programFiles");
    QTest::addColumn<QString>("userFolder"); // below the temporary root
    QTest::addColumn<bool>("programFolderChosen");

    QTest::newRow("new user") << QStringList() << "user/data" << false;
    QTest::newRow("portable set-up with the list") << QStringList{"budget.fyl"} << "user/data" << true;
    QTest::newRow("portable set-up with the plant file only") << QStringList{"primary.bud"} << "user/data" << true;
    QTest::newRow("another file is no data set") << QStringList{"Name.tmp"} << "user/data" << false;
    QTest::newRow("user folder cannot be made") << QStringList() << "blocker/data" << true;
}

void TestDataLocation::dataFolderIsChosenOnce()
{
    QFETCH(QStringList, programFiles);
    QFETCH(QString, userFolder);
    QFETCH(bool, programFolderChosen);
    const QDir root(m_root->path());
    for (const QString& file : programFiles + QStringList{"../blocker"}) { // a file where a folder is wanted
        QFile made(root.filePath("program/" + file));
        QVERIFY(made.open(QIODevice::WriteOnly));
    }
    const QString program = root.filePath("program");
    const QString user = root.filePath(userFolder);

    const QString chosen = datalocation::chooseFolder(program, user);

    QCOMPARE(chosen, programFolderChosen ? program : user);
    QCOMPARE(QFileInfo(user).isDir(), !programFolderChosen);
    QCOMPARE(QDir(program).entryList(QDir::Files | QDir::NoDotAndDotDot), programFiles);
}

void TestDataLocation::aFolderChosenEarlierIsUsedWhileItIsThere_data()
{
    QTest::addColumn<QString>("chosen"); // below the temporary root; "" when none was chosen
    QTest::addColumn<bool>("portable");  // the program folder holds a list file
    QTest::addColumn<QString>("used");
    QTest::addColumn<bool>("noted");

    QTest::newRow("none chosen") << "" << false << "user" << false;
    QTest::newRow("chosen and there") << "shop" << false << "shop" << false;
    QTest::newRow("chosen and there, beside a portable set-up") << "shop" << true << "shop" << false;
    QTest::newRow("chosen, not there") << "share" << false << "user" << true;
    QTest::newRow("chosen, not there, beside a portable set-up") << "share" << true << "program" << true;
    QTest::newRow("chosen, a file there") << "blocker" << false << "user" << true;
}

void TestDataLocation::aFolderChosenEarlierIsUsedWhileItIsThere()
{
    QFETCH(QString, chosen);
    QFETCH(bool, portable);
    QFETCH(QString, used);
    QFETCH(bool, noted);
    const QDir root(m_root->path());
    if (portable)
        QVERIFY(QFile(root.filePath("program/budget.fyl")).open(QIODevice::WriteOnly));
    QVERIFY(root.mkdir("shop"));
    QVERIFY(QFile(root.filePath("blocker")).open(QIODevice::WriteOnly));
    const QString chosenPath = chosen.isEmpty() ? QString() : root.filePath(chosen);

    const datalocation::StartFolder start =
        datalocation::startFolder(root.filePath("program"), root.filePath("user"), chosenPath);

    QCOMPARE(start.folder, root.filePath(used));
    const QString note = QStringLiteral("The data folder %1 chosen earlier is not there. Until it is back, the data "
                                        "files are those in %2.")
                             .arg(QDir::toNativeSeparators(chosenPath), QDir::toNativeSeparators(start.folder));
    QCOMPARE(start.note, noted ? note : QString());
}

// Said before the list, which is then that of another folder.
void TestDataLocation::theStartSaysWhenTheChosenFolderIsMissing()
{
    RecordedPlatform platform(2031);
    platform.note = QStringLiteral("The data folder /mnt/shop chosen earlier is not there.");
    ProgramStart start(platform);
    start.splash()->timer()->start(0);
    QTRY_VERIFY(start.mainWindow());
    QCOMPARE(platform.recordedMessages.texts(), (QStringList{platform.note, equipmentlist::kMissingListMessage}));
    QCOMPARE(platform.recordedMessages.shown.first().icon, MessageBoxes::Icon::Warning);
}

void TestDataLocation::helpComesFromTheProgramFolderAndAboutNamesTheDataFolder()
{
    InstalledPlatform platform;
    FrmTab window(platform);
    window.findChild<QAction*>("frmContents")->trigger();
    window.findChild<QAction*>("mnuAbout")->trigger();

    QCOMPARE(platform.recordedHelp.requests.size(), 1);
    QCOMPARE(platform.recordedHelp.requests.first().path,
             QDir(platform.programDir.path()).filePath("BudgetAnalysis.hlp"));
    auto* about = window.findChild<FrmAbout*>();
    QVERIFY(about);
    QCOMPARE(about->findChild<QLabel*>("lblDataFolder")->text(),
             "Data folder: " + QDir::toNativeSeparators(platform.folder().path()));
}

QTEST_MAIN(TestDataLocation)
#include "test_data_location.moc"
