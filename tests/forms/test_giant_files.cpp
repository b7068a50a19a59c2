// Data files far larger than any the program writes: the window still opens, names the file and
// its size limit, uses what can be read, and reads no more of the file than its limit.
#include "tests/support/MainWindowDriver.h"
#include "tests/support/ProgramNames.h"

#include "forms/frmJobCost.h"
#include "forms/frmPlant.h"
#include "store/FileNames.h"
#include "tests/support/PlantFolder.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QTableView>

namespace {

constexpr qint64 kGiant = 50 * 1024 * 1024;
// Besides the giant file, the window reads the other small files of one center.
constexpr qint64 kOtherFiles = 64 * 1024;

// What this process has read from files so far, as the kernel counts it.
qint64 bytesReadSoFar()
{
    QFile io(QStringLiteral("/proc/self/io"));
    if (!io.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : io.readAll().split('\n'))
        if (line.startsWith("rchar:"))
            return line.mid(6).trimmed().toLongLong();
    return -1;
}

// A file of one readable start and then a single line of 50 MB, made sparse so it is quick.
bool makeGiant(const QString& path, const QByteArray& start)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(start) == start.size() && file.resize(kGiant);
}

} // namespace

class TestGiantFiles : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void windowOpensOnAGiantFile_data();
    void windowOpensOnAGiantFile();
};

// Fonts, styles and pictures are read once, before anything is counted.
void TestGiantFiles::initTestCase()
{
    MainWindowDriver ui;
    ui.startWithList({"Kord"});
    QVERIFY(calculateCenter(ui.folder(), "Kord", workedExampleTexts()).kind == BudgetOutcome::Kind::Completed);
    ui.clickListEntry(0);
    ui.window().findChild<QAction*>("mnuPlant")->trigger();
    QVERIFY(QTest::qWaitForWindowExposed(ui.openWindow<FrmPlant>()));
}

void TestGiantFiles::windowOpensOnAGiantFile_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("start"); // its readable part
    QTest::addColumn<QString>("action");
    QTest::addColumn<qint64>("limit"); // the size limit of such a file, in bytes
    QTest::newRow("list, at start-up") << "budget.fyl" << QByteArray("Kord\r\nPress\r\n") << "start" << qint64(1048576);
    QTest::newRow("plant file, selecting a name")
        << "primary.bud" << QByteArray("7.65\r\n76200\r\n") << "select" << qint64(524336);
    QTest::newRow("input file, selecting a name") << "Kord4" << QByteArray("5000\r\n") << "select" << qint64(163855);
    QTest::newRow("result file, the overview") << "Kord55" << QByteArray(" 1 \r\n") << "overview" << qint64(13184);
    QTest::newRow("plant file, the overview") << "primary.bud" << QByteArray() << "overview" << qint64(524336);
    QTest::newRow("press figures, the job cost window")
        << "Press speeds.dat" << QByteArray("Kord\r\n8000\r\n20\r\n") << "job cost" << qint64(3145728);
}

void TestGiantFiles::windowOpensOnAGiantFile()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, start);
    QFETCH(QString, action);
    QFETCH(qint64, limit);
    MainWindowDriver ui;
    QVERIFY(calculateCenter(ui.folder(), "Kord", workedExampleTexts()).kind == BudgetOutcome::Kind::Completed);
    QVERIFY(ui.folder().replace(filenames::kListFile, {"Kord"}).ok());
    QVERIFY(makeGiant(ui.path(file), start));
    if (action != "start")
        ui.start();

    const qint64 before = bytesReadSoFar();
    if (action == "start")
        ui.start();
    else if (action == "select")
        ui.clickListEntry(0);
    else
        ui.window().findChild<QAction*>(action == "job cost" ? "mnuJobCost" : "mnuPlant")->trigger();
    const qint64 read = bytesReadSoFar() - before;

    // Reading the giant file whole would take fifty times the largest limit.
    QVERIFY2(read >= 0 && read <= 2 * limit + kOtherFiles, qPrintable(QString::number(read)));
    QString told = ui.messages().join(u'\n');
    if (action == "start") {
        QVERIFY(ui.window().isVisible());
        QCOMPARE(entries(ui.list()), (QStringList{"Kord", "Press"}));
    } else if (action == "select") {
        QCOMPARE(ui.text(file == "Kord4" ? "txtInd" : "txtDed"), file == "Kord4" ? "5000" : "76200");
    } else if (action == "job cost") {
        const QAbstractItemModel* table = control<QTableView>(ui.openWindow<FrmJobCost>(), "tblCenters")->model();
        QCOMPARE(table->index(0, 1).data().toString(), "8000");
    } else {
        const FrmPlant* plant = ui.openWindow<FrmPlant>();
        QVERIFY(plant);
        told = control<QTableView>(plant, "tblCenters")->model()->index(0, 13).data().toString();
    }
    const QString limitText = QLocale(QLocale::English).toString(limit) + QStringLiteral(" bytes");
    QVERIFY2(told.contains(file) && told.contains("damaged") && told.contains(limitText), qPrintable(told));
}

QTEST_MAIN(TestGiantFiles)
#include "test_giant_files.moc"
