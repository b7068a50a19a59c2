// The shop's data under its own control: the data folder shown, backed up, and exchanged for
// another one that the next start remembers.

#include "forms/frmBudget.h"
#include "platform/DataLocation.h"
#include "platform/FolderMemory.h"
#include "tests/support/MainWindowDriver.h"
#include "tests/support/ProgramNames.h"

#include <QAction>
#include <QMap>
#include <QTemporaryDir>

namespace {

QString native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

class TestDataFolder : public QObject {
    Q_OBJECT
private slots:
    void backUpSwitchAndSwitchBackKeepsEveryFile();
    void refusesWhatItCannotDoAndLosesNothing_data();
    void refusesWhatItCannotDoAndLosesNothing();

private:
    static void choose(MainWindowDriver& ui, const char* action, const QString& chosen)
    {
        ui.platform().recordedFiles.chosen = {chosen};
        ui.child<QAction>(action)->trigger();
    }
};

void TestDataFolder::backUpSwitchAndSwitchBackKeepsEveryFile()
{
    QTemporaryDir elsewhere;
    QTemporaryDir settings;
    SettingsFolderMemory memory(settings.filePath("Budgeted Hourly Rates.ini"));
    MainWindowDriver ui;
    ui.platform().memory = &memory;
    const QString home = ui.folder().path();
    ui.startWorkedExample("Heidelberg");
    ui.click("Command2");
    QVERIFY(ui.openWindow<FrmBudget>());
    const auto saved = filesIn(home);
    QCOMPARE(saved.keys(),
             (QStringList{"Heidelb2", "Heidelb3", "Heidelb4", "Heidelb55", "Name.tmp", "budget.fyl", "primary.bud"}));

    choose(ui, "mnuBackUp", elsewhere.path());
    const QString backup = elsewhere.filePath("Budgeted Hourly Rates data 2030-03-14");
    QCOMPARE(ui.messages().last(),
             QStringLiteral("7 data files were copied from %1 to %2.").arg(native(home), native(backup)));
    QCOMPARE(filesIn(backup), saved);

    // In the backup, another press is started and calculated: its files go there alone.
    choose(ui, "mnuUseFolder", backup);
    QCOMPARE(ui.folder().path(), backup);
    QVERIFY(!ui.openWindow<FrmBudget>());
    QCOMPARE(entries(ui.list()), QStringList{"Heidelberg"});
    QVERIFY(ui.list()->selectedItems().isEmpty());
    QCOMPARE(ui.text("txtWage1"), QString());
    QCOMPARE(ui.text("txtTitle"), QString());
    QCOMPARE(ui.window().currentName(), QString());
    QCOMPARE(ui.window().nameLabel(0)->text(), QString());
    QCOMPARE(ui.currentTab(), 0);
    QCOMPARE(memory.remembered(), backup);
    ui.startAnalysis("Komori");
    ui.typeAll(workedExampleBoxes());
    ui.click("Command2");
    QVERIFY(QFile::exists(QDir(backup).filePath("Komori55")));

    choose(ui, "mnuUseFolder", home);
    QCOMPARE(ui.folder().path(), home);
    QCOMPARE(filesIn(home), saved);
    QCOMPARE(entries(ui.list()), QStringList{"Heidelberg"});
    QCOMPARE(
        ui.messages().last(),
        QStringLiteral("The data files are now those in %1, from now on and at the next starts.").arg(native(home)));

    // The next start, wherever the program is, uses the folder chosen last.
    const datalocation::StartFolder next =
        datalocation::startFolder(elsewhere.filePath("program"), elsewhere.filePath("user"),
                                  SettingsFolderMemory(settings.filePath("Budgeted Hourly Rates.ini")).remembered());
    QCOMPARE(next.folder, home);
    QCOMPARE(next.note, QString());
}

void TestDataFolder::refusesWhatItCannotDoAndLosesNothing_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("chosen"); // "file", "missing", "data", "empty", "saved" (another data folder)
    QTest::addColumn<QList<MessageBoxes::Answer>>("answers");
    QTest::addColumn<bool>("switched");
    QTest::addColumn<QString>("message"); // {data} the data folder, {chosen} the chosen path

    using A = MessageBoxes::Answer;
    const auto row = [](const char* name, const char* action, const char* chosen, const QList<A>& answers,
                        bool switched, const char* message) {
        QTest::newRow(name) << QString(action) << QString(chosen) << answers << switched << QString(message);
    };
    row("open without a file manager", "mnuOpenDataFolder", "", {}, false,
        "No file manager could show the data folder {data}.");
    row("back up into a file", "mnuBackUp", "file", {}, false,
        "The backup cannot go into {chosen}: it is a file, not a folder. Nothing was backed up.");
    row("use a folder that is not there", "mnuUseFolder", "missing", {}, false,
        "The data files cannot be kept in {chosen}: it is not there. They are still those in {data}.");
    row("use the folder in use", "mnuUseFolder", "data", {}, false, "{chosen} is the data folder already.");
    row("use an empty folder, answered No", "mnuUseFolder", "empty", {A::No}, false,
        "{chosen} holds no data files yet. Start a new set of data there, with an empty equipment list? The files in "
        "{data} stay as they are.");
    row("use an empty folder, answered Yes", "mnuUseFolder", "empty", {A::Yes}, true,
        "The data files are now those in {chosen}, from now on and at the next starts.");
    row("use another data folder, the choice not remembered", "mnuUseFolder", "saved", {}, true,
        "The data files are now those in {chosen}, but the next start will not know it: the settings cannot be "
        "written.");
}

void TestDataFolder::refusesWhatItCannotDoAndLosesNothing()
{
    QFETCH(QString, action);
    QFETCH(QString, chosen);
    QFETCH(QList<MessageBoxes::Answer>, answers);
    QFETCH(bool, switched);
    QFETCH(QString, message);
    QTemporaryDir scratch;
    MainWindowDriver ui;
    ui.startWorkedExample("Heidelberg");
    ui.click("Command2");
    ui.platform().noRegistry.fileManagerWorks = false;
    ui.platform().rememberedInMemory.works = QByteArray(QTest::currentDataTag()).contains("not remembered") == false;
    const QString data = ui.folder().path();
    const auto saved = filesIn(data);
    const QStringList listed = entries(ui.list());
    QVERIFY(writeBytes(scratch.filePath("file"), "not a folder"));
    QVERIFY(QDir(scratch.path()).mkpath("empty"));
    QVERIFY(QDir(scratch.path()).mkpath("saved"));
    QVERIFY(writeBytes(scratch.filePath("saved/budget.fyl"), "Komori\r\n"));
    const QString path = chosen == "data" ? data : scratch.filePath(chosen);
    ui.platform().recordedMessages.answers = answers;

    choose(ui, qPrintable(action), path);

    QCOMPARE(ui.messages().last(), message.replace("{data}", native(data)).replace("{chosen}", native(path)));
    QCOMPARE(ui.folder().path(), switched ? path : data);
    QCOMPARE(filesIn(data), saved);
    QCOMPARE(ui.window().currentName(), switched ? QString() : QStringLiteral("Heidelberg"));
    const QStringList shown = !switched ? listed : chosen == "saved" ? QStringList{"Komori"} : QStringList{};
    QCOMPARE(entries(ui.list()), shown);
    if (chosen == "empty")
        QCOMPARE(contentOf(scratch.filePath("empty/budget.fyl")), switched ? QByteArray() : QByteArray("<missing>"));
    if (action == "mnuOpenDataFolder")
        QCOMPARE(ui.platform().noRegistry.foldersOpened, QStringList{data});
}

QTEST_MAIN(TestDataFolder)
#include "test_data_folder.moc"
