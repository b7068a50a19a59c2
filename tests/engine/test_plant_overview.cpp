// The plant overview's judgement of each center, and Recalculate all: what it plans, what it
// writes, and what a failure or a cancelled run leaves behind.

#include "engine/PlantOverview.h"
#include "engine/RecalculateAll.h"
#include "store/EquipmentList.h"
#include "tests/support/FileContents.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/PlantFolder.h"
#include "tests/support/ProgramNames.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

using plantoverview::CenterState;

namespace {

const QStringList kCenters = {QStringLiteral("AB Press 2"), QStringLiteral("Kord"), QStringLiteral("Folder 9")};

// Each center has its own equipment cost and wages, so that no two result files are alike. The
// last one was calculated with its work space box empty, which selecting it would fill from the
// cost ratio: the saved, empty one is what its figures come from.
BoxTexts centerBoxes(int center, const BoxTexts& plantChanges = {})
{
    BoxTexts own = {{"txtCost", QString::number(100000 + 25000 * center)}, {"txtWage1", QString::number(20 + center)}};
    if (center == 2)
        own.insert("txtSq", QString());
    return typed(typed(workedExampleTexts(), own), plantChanges);
}

QString resultPath(const QTemporaryDir& dir, const QString& name)
{
    return dir.filePath(filenames::resultFile(name));
}

// Every file of the folder but the result files, by name, with its bytes.
QMap<QString, QByteArray> otherFiles(const QTemporaryDir& dir)
{
    QMap<QString, QByteArray> files = filesIn(dir.path());
    files.removeIf([](const auto& file) { return file.key().endsWith(QStringLiteral("55")); });
    return files;
}

// The result file Calculate BHR writes for the center with today's plant boxes, in a folder of its own.
QByteArray calculatedResult(int center, const BoxTexts& plantChanges)
{
    QTemporaryDir dir;
    if (calculateCenter(DataFolder(dir.path()), kCenters.at(center), centerBoxes(center, plantChanges)).kind !=
        BudgetOutcome::Kind::Completed)
        return "<not calculated>";
    return contentOf(resultPath(dir, kCenters.at(center)));
}

// All centers calculated with the worked example's plant boxes; then the first one calculated
// again with the plant boxes changed, as a user who edits the plant inputs on one center does.
bool calculatePlant(const QTemporaryDir& dir, const BoxTexts& plantChanges)
{
    const DataFolder folder(dir.path());
    for (int center = 0; center < kCenters.size(); ++center) {
        if (calculateCenter(folder, kCenters.at(center), centerBoxes(center)).kind != BudgetOutcome::Kind::Completed ||
            !equipmentlist::addIfAbsent(folder, kCenters.at(center)).ok())
            return false;
    }
    return calculateCenter(folder, kCenters.first(), centerBoxes(0, plantChanges)).kind ==
           BudgetOutcome::Kind::Completed;
}

const QStringList kMixedList = {"Komori 1", "Komori 2", "AB Press", "AB_Press", "Damaged", "Hollow",  "Hall",
                                "Short",    "Fresh",    "Idle",     "a/b",      "Kord",    "Komori 1"};

QString describe(const plantoverview::CenterRow& row)
{
    return row.name + QStringLiteral(": ") + plantoverview::stateText(row);
}

} // namespace

class TestPlantOverview : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void plantChangeMakesOthersStaleUntilRecalculated_data();
    void plantChangeMakesOthersStaleUntilRecalculated();
    void ownInputChangeMakesACenterStaleUntilRecalculated_data();
    void ownInputChangeMakesACenterStaleUntilRecalculated();
    void savingStopsOrFailsFileByFile_data();
    void savingStopsOrFailsFileByFile();
    void sharedAndDamagedFilesInOneList_data();
    void sharedAndDamagedFilesInOneList();

private:
    QTemporaryDir m_mixed;
};

// One list of awkward cases, set up once: neither the overview nor the plan writes a file.
void TestPlantOverview::initTestCase()
{
    const QTemporaryDir& dir = m_mixed;
    const DataFolder folder(dir.path());
    const BoxTexts boxes = workedExampleTexts();
    for (const char* calculated : {"Komori 1", "AB Press", "AB_Press", "Damaged", "Hollow", "Hall", "Short", "Kord"})
        QVERIFY(calculateCenter(folder, QString::fromUtf8(calculated), boxes).kind == BudgetOutcome::Kind::Completed);
    QVERIFY(calculateCenter(folder, "Idle", typed(boxes, {{"txtEff100", ""}})).kind == BudgetOutcome::Kind::Overflow);
    QVERIFY(writeBytes(dir.filePath("Damaged55"), " 1 \r\n 2 \r\nabc\r\n"));
    QVERIFY(QFile::remove(dir.filePath("Hollow55")) && QDir(dir.path()).mkdir("Hollow55"));
    QVERIFY(QFile::remove(dir.filePath("Hall3")) && QDir(dir.path()).mkdir("Hall3"));
    QVERIFY(writeBytes(dir.filePath("Short4"), "5000\r\n3000\r\n"));
    QVERIFY(writeBytes(dir.filePath(filenames::kListFile), kMixedList.join("\r\n").toUtf8() + "\r\n"));
}

void TestPlantOverview::plantChangeMakesOthersStaleUntilRecalculated_data()
{
    QTest::addColumn<BoxTexts>("plantChanges");
    QTest::addColumn<QStringList>("changedInputs"); // empty: the others stay current

    QTest::newRow("power price") << BoxTexts{{"txtPower", "0.10"}} << QStringList{"Power Consumption Cost ($/KWh)"};
    QTest::newRow("two rates") << BoxTexts{{"txtSS", "6.2"}, {"txtDepreciation", "12"}}
                               << QStringList{"Current Social Security Tax Rate in Percentage",
                                              "Depreciation Used (Percentage Straight Line)"};
    QTest::newRow("holidays emptied") << BoxTexts{{"txtHolidays", ""}} << QStringList{"Paid Holidays"};
    QTest::newRow("more digits than a file holds")
        << BoxTexts{{"txtPower", "0.0812345678901234567"}} << QStringList{"Power Consumption Cost ($/KWh)"};
    QTest::newRow("same value typed differently") << BoxTexts{{"txtRent", " 5.00"}} << QStringList();
    QTest::newRow("plant totals feed no formula")
        << BoxTexts{{"txtTotCost", "2000000"}, {"txtTotFeet", "30000"}} << QStringList();
}

void TestPlantOverview::plantChangeMakesOthersStaleUntilRecalculated()
{
    QFETCH(BoxTexts, plantChanges);
    QFETCH(QStringList, changedInputs);
    QTemporaryDir dir;
    const DataFolder folder(dir.path());
    QVERIFY(calculatePlant(dir, plantChanges));

    const plantoverview::Overview before = plantoverview::read(folder);
    QVERIFY(before.listRead);
    QVERIFY2(before.plantProblem.isEmpty(), qPrintable(before.plantProblem));
    QCOMPARE(before.centers.size(), kCenters.size());
    for (const plantoverview::CenterRow& row : before.centers) {
        const bool stale = row.name != kCenters.first() && !changedInputs.isEmpty();
        QVERIFY2(row.state == (stale ? CenterState::Stale : CenterState::Current), qPrintable(describe(row)));
        QCOMPARE(row.changedInputs, stale ? changedInputs : QStringList());
        QVERIFY(row.record);
    }

    const recalculation::Plan plan = recalculation::plan(folder);
    QVERIFY(plan.refused.isEmpty());
    QCOMPARE(plan.centers.size(), kCenters.size());
    const auto untouched = otherFiles(dir);
    const recalculation::SaveOutcome outcome = recalculation::save(folder, plan);
    QCOMPARE(outcome.saved, kCenters.size());
    QVERIFY(outcome.failures.isEmpty());
    QCOMPARE(otherFiles(dir), untouched);

    for (int center = 0; center < kCenters.size(); ++center)
        QCOMPARE(contentOf(resultPath(dir, kCenters.at(center))), calculatedResult(center, plantChanges));
    for (const plantoverview::CenterRow& row : plantoverview::read(folder).centers)
        QVERIFY2(row.state == CenterState::Current, qPrintable(describe(row)));
}

void TestPlantOverview::ownInputChangeMakesACenterStaleUntilRecalculated_data()
{
    QTest::addColumn<BoxTexts>("ownChanges"); // Kord's boxes saved so, without a calculation
    QTest::addColumn<QStringList>("changedInputs");

    QTest::newRow("a wage") << BoxTexts{{"txtWage1", "30"}} << QStringList{"Enter Wage Scale for Employee #1 ($/Hr.)"};
    QTest::newRow("a motor") << BoxTexts{{"txtHP2", "7.5"}} << QStringList{"Horsepower and usage of the motors"};
    QTest::newRow("work space and efficiency")
        << BoxTexts{{"txtSq", "650"}, {"txtEff70", "65"}}
        << QStringList{"Enter Square Footage of Work Space", "Enter Percent Efficiency (Example 70%)"};
    QTest::newRow("the same wage typed differently") << BoxTexts{{"txtWage1", "21.00"}} << QStringList();
}

// As Import Inputs leaves a center: its input files saved anew, its result file as it was.
void TestPlantOverview::ownInputChangeMakesACenterStaleUntilRecalculated()
{
    QFETCH(BoxTexts, ownChanges);
    QFETCH(QStringList, changedInputs);
    QTemporaryDir dir;
    const DataFolder folder(dir.path());
    QVERIFY(calculatePlant(dir, {}));
    QVERIFY(saveInputFiles(folder, "Kord", textsOf(typed(centerBoxes(1), ownChanges))));

    for (const plantoverview::CenterRow& row : plantoverview::read(folder).centers) {
        const bool stale = row.name == "Kord" && !changedInputs.isEmpty();
        QVERIFY2(row.state == (stale ? CenterState::Stale : CenterState::Current), qPrintable(describe(row)));
        QCOMPARE(row.changedInputs, stale ? changedInputs : QStringList());
    }
    QVERIFY(recalculation::save(folder, recalculation::plan(folder)).failures.isEmpty());
    for (const plantoverview::CenterRow& row : plantoverview::read(folder).centers)
        QVERIFY2(row.state == CenterState::Current, qPrintable(describe(row)));
}

void TestPlantOverview::savingStopsOrFailsFileByFile_data()
{
    QTest::addColumn<int>("stopBefore");     // the file before which the run is cancelled; 3: never
    QTest::addColumn<int>("failing");        // the file that cannot be written; -1: none
    QTest::addColumn<bool>("folderInPlace"); // the failing file is a folder, not a full disk

    QTest::newRow("cancelled before the first") << 0 << -1 << false;
    QTest::newRow("cancelled in the middle") << 1 << -1 << false;
    QTest::newRow("cancelled before the last") << 2 << -1 << false;
    QTest::newRow("disk full on the middle file") << 3 << 1 << false;
    QTest::newRow("disk full on the first file") << 3 << 0 << false;
    QTest::newRow("a folder in place of the last file") << 3 << 2 << true;
    QTest::newRow("disk full, then cancelled") << 2 << 0 << false;
}

void TestPlantOverview::savingStopsOrFailsFileByFile()
{
    QFETCH(int, stopBefore);
    QFETCH(int, failing);
    QFETCH(bool, folderInPlace);
    const BoxTexts plantChanges = {{"txtPower", "0.10"}};
    QTemporaryDir dir;
    const DataFolder folder(dir.path());
    QVERIFY(calculatePlant(dir, plantChanges));
    // The first center was calculated with the new plant figures already; an old copy of its
    // file from before shows whether the run writes it.
    QVERIFY(writeBytes(resultPath(dir, kCenters.first()), "old\r\n"));
    if (folderInPlace) {
        QVERIFY(QFile::remove(resultPath(dir, kCenters.at(failing))));
        QVERIFY(QDir(dir.path()).mkdir(filenames::resultFile(kCenters.at(failing))));
    }
    QList<QByteArray> old;
    for (const QString& name : kCenters)
        old.append(contentOf(resultPath(dir, name)));
    const QStringList entries = folderEntries(dir.path());

    const recalculation::Plan plan = recalculation::plan(folder);
    QCOMPARE(plan.centers.size(), kCenters.size());
    std::optional<FileSizeLimit> fullDisk;
    const recalculation::SaveOutcome outcome = recalculation::save(folder, plan, [&](int done, int total) {
        fullDisk.reset();
        if (done == failing && !folderInPlace)
            fullDisk.emplace(64);
        return total == kCenters.size() && done < stopBefore;
    });
    fullDisk.reset();

    // A cancelled run replaces no file at all: the copies are put in place only once all are written.
    const bool cancelled = stopBefore < kCenters.size();
    const bool failed = failing >= 0 && !cancelled;
    QCOMPARE(outcome.cancelled, cancelled);
    QCOMPARE(outcome.saved, cancelled ? 0 : int(kCenters.size()) - (failed ? 1 : 0));
    QCOMPARE(outcome.failures.size(), failed ? 1 : 0);
    if (failed) {
        QCOMPARE(outcome.failures.first().name, kCenters.at(failing));
        QVERIFY2(outcome.failures.first().error.contains(filenames::resultFile(kCenters.at(failing))),
                 qPrintable(outcome.failures.first().error));
    }
    for (int center = 0; center < kCenters.size(); ++center) {
        const bool written = !cancelled && center != failing;
        QCOMPARE(contentOf(resultPath(dir, kCenters.at(center))),
                 written ? calculatedResult(center, plantChanges) : old.at(center));
    }
    QCOMPARE(folderEntries(dir.path()), entries); // no save file left behind
}

void TestPlantOverview::sharedAndDamagedFilesInOneList_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("detail");  // in the state's sentence
    QTest::addColumn<QString>("refusal"); // in the reason Recalculate all gives; empty: planned

    const auto row = [](const char* tag, const char* name, CenterState state, const char* detail, const char* refusal) {
        QTest::newRow(tag) << QString::fromUtf8(name) << int(state) << QString::fromUtf8(detail)
                           << QString::fromUtf8(refusal);
    };
    row("first of one stem", "Komori 1", CenterState::SharesFiles, "shares files with Komori 2", "");
    row("second of one stem", "Komori 2", CenterState::SharesFiles, "shares files with Komori 1",
        "same files as Komori 1");
    row("one result file, two stems", "AB Press", CenterState::SharesFiles, "shares files with AB_Press",
        "input files differ");
    row("the other stem", "AB_Press", CenterState::SharesFiles, "shares files with AB Press", "input files differ");
    row("result file damaged", "Damaged", CenterState::Unreadable, "Line 3 of the result file Damaged55", "");
    row("folder for a result file", "Hollow", CenterState::Unreadable, "Hollow55: it is a folder", "");
    row("folder for an input file", "Hall", CenterState::Current, "current", "Could not read Hall3");
    row("input file cut short", "Short", CenterState::Current, "current", "Short4 is incomplete");
    row("never calculated", "Fresh", CenterState::NotCalculated, "not calculated", "Fresh2 was not found");
    row("formulas stop", "Idle", CenterState::NotCalculated, "not calculated", "formulas stop for Idle");
    row("unstorable name", "a/b", CenterState::Unreadable, "may not contain /", "may not contain /");
    row("plain", "Kord", CenterState::Current, "current", "");
}

void TestPlantOverview::sharedAndDamagedFilesInOneList()
{
    QFETCH(QString, name);
    QFETCH(int, state);
    QFETCH(QString, detail);
    QFETCH(QString, refusal);
    const DataFolder folder(m_mixed.path());
    const plantoverview::Overview overview = plantoverview::read(folder);
    QCOMPARE(overview.centers.size(), kMixedList.size() - 1); // each name once
    const auto found = std::find_if(overview.centers.cbegin(), overview.centers.cend(),
                                    [&name](const plantoverview::CenterRow& row) { return row.name == name; });
    QVERIFY(found != overview.centers.cend());
    QVERIFY2(int(found->state) == state, qPrintable(describe(*found)));
    QVERIFY2(plantoverview::stateText(*found).contains(detail), qPrintable(describe(*found)));

    const recalculation::Plan plan = recalculation::plan(folder);
    QStringList planned;
    for (const recalculation::PlannedCenter& center : plan.centers)
        planned.append(center.name);
    QCOMPARE(planned.contains(name), refusal.isEmpty());
    QCOMPARE(planned.removeDuplicates(), 0);
    for (const recalculation::Refusal& refused : plan.refused)
        if (refused.name == name)
            QVERIFY2(refused.reason.contains(refusal), qPrintable(refused.reason));
    QCOMPARE(plan.centers.size() + plan.refused.size(), overview.centers.size());
}

QTEST_GUILESS_MAIN(TestPlantOverview)
#include "test_plant_overview.moc"
