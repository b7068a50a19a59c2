#include "DataLocation.h"
#include "RecordedPlatform.h"
#include "frmAbout.h"
#include "frmTab.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

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
