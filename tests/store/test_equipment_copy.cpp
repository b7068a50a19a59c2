// Copying an equipment's saved files under a new name, for a what-if.

#include "store/EquipmentCopy.h"
#include "store/EquipmentList.h"
#include "store/FileNames.h"
#include "tests/support/FileContents.h"
#include "tests/support/ProgramNames.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using Kind = equipmentcopy::CopyOutcome::Kind;

namespace {

// The files of a saved equipment, with bytes of their own so that a mix-up shows.
QStringList filesOf(const QString& name)
{
    return {filenames::inputFile(name, 2), filenames::inputFile(name, 3), filenames::inputFile(name, 4),
            filenames::resultFile(name), filenames::pricingFile(name)};
}

bool saveEquipment(const QTemporaryDir& dir, const QString& name, bool withResults)
{
    const QStringList files = filesOf(name);
    for (int i = 0; i < files.size(); ++i) {
        if (i >= 3 && !withResults)
            break;
        const QByteArray bytes = files.at(i).toLatin1() + " of " + name.toLatin1() + "\r\n 12.5 \r\n\r\n";
        if (!writeBytes(dir.filePath(files.at(i)), bytes))
            return false;
    }
    return equipmentlist::addIfAbsent(DataFolder(dir.path()), name).ok();
}

} // namespace

class TestEquipmentCopy : public QObject {
    Q_OBJECT
private slots:
    void copyHoldsTheSameFiguresApart_data();
    void copyHoldsTheSameFiguresApart();
    void refusedCopyChangesNothing_data();
    void refusedCopyChangesNothing();
};

void TestEquipmentCopy::copyHoldsTheSameFiguresApart_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<bool>("withResults"); // result and pricing files saved too
    const auto row = [](const char* name, const char* from, const char* to, bool withResults) {
        QTest::newRow(name) << QString(from) << QString(to) << withResults;
    };
    row("second shift", "AB Press 2", "Second shift AB Press", true);
    row("short names", "Kord", "Kord B", true);
    row("inputs only", "Kord", "Faster Kord", false);
    row("name with a comma", "Heidelberg", "Speedmaster, 2 shifts", true);
}

void TestEquipmentCopy::copyHoldsTheSameFiguresApart()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(bool, withResults);
    QTemporaryDir dir;
    const DataFolder folder(dir.path());
    QVERIFY(saveEquipment(dir, from, withResults));

    const equipmentcopy::CopyOutcome outcome = equipmentcopy::copy(folder, from, to);
    QVERIFY2(outcome.kind == Kind::Copied, qPrintable(outcome.error));
    QCOMPARE(equipmentlist::load(folder).names, QStringList({from, to}));
    const QStringList original = filesOf(from);
    const QStringList copied = filesOf(to);
    QList<QByteArray> before;
    for (int i = 0; i < original.size(); ++i) {
        before.append(contentOf(dir.filePath(original.at(i))));
        QCOMPARE(contentOf(dir.filePath(copied.at(i))), before.at(i));
    }
    // Editing the copy leaves the original as it was.
    for (const QString& file : copied)
        QVERIFY(!folder.exists(file) || folder.replace(file, {"edited"}).ok());
    for (int i = 0; i < original.size(); ++i)
        QCOMPARE(contentOf(dir.filePath(original.at(i))), before.at(i));
}

void TestEquipmentCopy::refusedCopyChangesNothing_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("sharingWith");
    QTest::addColumn<QString>("blocked"); // a file of the new name that is a folder, or empty
    QTest::addColumn<bool>("replace");    // whether files of the new name already there may be replaced
    const auto row = [](const char* name, const char* from, const char* to, Kind kind,
                        const QStringList& sharingWith = {}, const QString& blocked = {}, bool replace = false) {
        QTest::newRow(name) << QString(from) << QString(to) << int(kind) << sharingWith << blocked << replace;
    };
    row("same stem as a listed name", "Kord", "Komori 2", Kind::SharesFiles, {"Komori 1"});
    row("same stem as the original", "Komori 1", "Komori 3", Kind::SharesFiles, {"Komori 1"});
    row("same result file as a listed name", "Kord", "AB_Pres", Kind::SharesFiles, {"AB Press 2"});
    row("already listed", "Kord", "Komori 1", Kind::Exists);
    row("slash in the stem", "Kord", "A/B", Kind::BadName);
    row("leading blank", "Kord", " Kord 2", Kind::BadName);
    row("original never saved", "Fresh", "Fresh copy", Kind::NoInputs);
    row("a file of the new name already there", "Kord", "Kord B", Kind::FilesExist, {},
        filenames::pricingFile("Kord B"));
    row("pricing file cannot be written", "Kord", "Kord B", Kind::NotSaved, {}, filenames::pricingFile("Kord B"), true);
}

void TestEquipmentCopy::refusedCopyChangesNothing()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(int, kind);
    QFETCH(QStringList, sharingWith);
    QFETCH(QString, blocked);
    QFETCH(bool, replace);
    QTemporaryDir dir;
    const DataFolder folder(dir.path());
    for (const char* name : {"Kord", "Komori 1", "AB Press 2"})
        QVERIFY(saveEquipment(dir, name, true));
    if (!blocked.isEmpty())
        QVERIFY(QDir(dir.path()).mkdir(blocked));
    const auto before = filesIn(dir.path());

    const equipmentcopy::CopyOutcome outcome = equipmentcopy::copy(
        folder, from, to, replace ? equipmentcopy::ExistingFiles::Replace : equipmentcopy::ExistingFiles::Keep);
    QCOMPARE(int(outcome.kind), kind);
    QCOMPARE(outcome.sharingWith, sharingWith);
    for (const QString& other : sharingWith)
        QVERIFY2(outcome.error.contains(other), qPrintable(outcome.error));
    if (kind == int(Kind::BadName) || kind == int(Kind::NotSaved))
        QVERIFY(!outcome.error.isEmpty());
    if (kind == int(Kind::FilesExist))
        QCOMPARE(outcome.present, QStringList{blocked});
    QCOMPARE(filesIn(dir.path()), before);
}

QTEST_GUILESS_MAIN(TestEquipmentCopy)
#include "test_equipment_copy.moc"
