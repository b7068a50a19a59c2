// A symbolic link in the data folder that leads out of it: every save that would go through it
// is refused, naming the file, and the file it leads to stays as it was.

#include "engine/RecalculateAll.h"
#include "store/EquipmentList.h"
#include "store/HandOverFiles.h"
#include "store/PricingFile.h"
#include "tests/support/FileContents.h"
#include "tests/support/PlantFolder.h"
#include "tests/support/ProgramNames.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

namespace {

// A save, by what the user does; it gives the message the user would read, empty on success.
using Save = std::function<QString(const DataFolder&)>;

QString calculateKord(const DataFolder& folder)
{
    return calculateCenter(folder, "Kord", typed(workedExampleTexts(), {{"txtRent", "7"}})).error;
}

QString recalculateAll(const DataFolder& folder)
{
    const recalculation::Plan plan = recalculation::plan(folder);
    if (!plan.plantProblem.isEmpty() || plan.centers.isEmpty())
        return "nothing planned";
    const recalculation::SaveOutcome saved = recalculation::save(folder, plan);
    return saved.failures.isEmpty() ? QString() : saved.failures.first().error;
}

} // namespace

class TestFolderLinks : public QObject {
    Q_OBJECT
private slots:
    void savesNeverGoThroughALink_data();
    void savesNeverGoThroughALink();
};

void TestFolderLinks::savesNeverGoThroughALink_data()
{
    QTest::addColumn<QString>("link"); // the data file that is a link to a file outside
    QTest::addColumn<Save>("save");
    QTest::newRow("plant file") << "primary.bud" << Save(calculateKord);
    QTest::newRow("input file") << "Kord3" << Save(calculateKord);
    QTest::newRow("result file") << "Kord55" << Save(calculateKord);
    QTest::newRow("name file") << "Name.tmp"
                               << Save([](const DataFolder& f) { return handover::writeName(f, "Press B").error; });
    QTest::newRow("list, a name added") << "budget.fyl" << Save([](const DataFolder& f) {
        return equipmentlist::addIfAbsent(f, "Press B").error;
    });
    QTest::newRow("list, a name removed")
        << "budget.fyl" << Save([](const DataFolder& f) { return equipmentlist::remove(f, "Kord").result.error; });
    QTest::newRow("list copy of a removal")
        << "budget1.fyl" << Save([](const DataFolder& f) { return equipmentlist::remove(f, "Kord").result.error; });
    QTest::newRow("pricing file") << "Kord6" << Save([](const DataFolder& f) {
        return savePricingFile(f, "Kord", {"1000", "10000", "25", "125", "890", "60"}).error;
    });
    QTest::newRow("recalculate all") << "Kord55" << Save(recalculateAll);
}

void TestFolderLinks::savesNeverGoThroughALink()
{
    QFETCH(QString, link);
    QFETCH(Save, save);
    QTemporaryDir root;
    QVERIFY(QDir(root.path()).mkdir("data") && QDir(root.path()).mkdir("elsewhere"));
    const DataFolder folder(root.filePath("data"));
    QVERIFY(calculateCenter(folder, "Kord", workedExampleTexts()).kind == BudgetOutcome::Kind::Completed);
    QVERIFY(equipmentlist::addIfAbsent(folder, "Kord").ok());
    QVERIFY(savePricingFile(folder, "Kord", {"500", "5000", "10", "80", "400", "45"}).ok());
    // The file itself lives outside; the data folder holds a link to it, as ln -s would make.
    const QString target = root.filePath("elsewhere/target");
    if (!QFile::rename(folder.filePath(link), target))
        QVERIFY(writeBytes(target, "outside\r\n"));
    QVERIFY(QFile::link("../elsewhere/target", folder.filePath(link)));
    const QByteArray before = contentOf(target);

    const QString told = save(folder);
    QVERIFY2(told.contains(link) && told.contains("link"), qPrintable(told));
    QCOMPARE(contentOf(target), before);
    QVERIFY(QFileInfo(folder.filePath(link)).isSymLink());
}

QTEST_GUILESS_MAIN(TestFolderLinks)
#include "test_folder_links.moc"
