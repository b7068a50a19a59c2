#include "store/EquipmentList.h"
#include "store/FileNames.h"
#include "tests/support/ProgramNames.h"

#include "tests/support/FileContents.h"
#include <QFile>
#include <QTemporaryDir>

#include <QTest>

class TestEquipmentList : public QObject {
    Q_OBJECT
private slots:
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }

    void loadKeepsOrderAndDuplicates();
    void addIfAbsentComparesExactly();
    void namesReadBackWholeAndAreAddedOnce_data();
    void namesReadBackWholeAndAreAddedOnce();
    void removeKeepsEveryOtherLineByteForByte_data();
    void removeKeepsEveryOtherLineByteForByte();
    void listStaysWithinItsLimits_data();
    void listStaysWithinItsLimits();

private:
    DataFolder folder() const { return DataFolder(m_dir->path()); }
    QString path(const QString& file) const { return m_dir->filePath(file); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestEquipmentList::loadKeepsOrderAndDuplicates()
{
    QVERIFY(!equipmentlist::load(folder()).complete); // no list file yet
    QVERIFY(equipmentlist::load(folder()).names.isEmpty());
    QVERIFY(folder().replace(filenames::kListFile, {"Kord", "AB Press 2", "Kord", ""}).ok());
    const equipmentlist::Loaded loaded = equipmentlist::load(folder());
    QVERIFY(loaded.complete);
    QCOMPARE(loaded.names, (QStringList{"Kord", "AB Press 2", "Kord", ""}));
}

void TestEquipmentList::addIfAbsentComparesExactly()
{
    QVERIFY(equipmentlist::addIfAbsent(folder(), "Press").ok()); // creates the list
    QVERIFY(equipmentlist::addIfAbsent(folder(), "Press").ok());
    QVERIFY(equipmentlist::addIfAbsent(folder(), "press").ok());
    QVERIFY(equipmentlist::addIfAbsent(folder(), "Press ").ok());
    QCOMPARE(contentOf(path("budget.fyl")), QByteArray("Press\r\npress\r\nPress \r\n"));
}

void TestEquipmentList::namesReadBackWholeAndAreAddedOnce_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("comma in a name") << QByteArray("Kord\r\n") << "Press, large"
                                     << QByteArray("Kord\r\n\"Press, large\"\r\n");
    QTest::newRow("last line without its end") << QByteArray("Kord") << "Press" << QByteArray("Kord\r\nPress\r\n");
    QTest::newRow("last line ended by LF alone") << QByteArray("Kord\n") << "Press" << QByteArray("Kord\nPress\r\n");
    QTest::newRow("double quote inside a name") << QByteArray() << "12\" Press" << QByteArray("12\" Press\r\n");
}

void TestEquipmentList::namesReadBackWholeAndAreAddedOnce()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, name);
    QFETCH(QByteArray, after);
    if (!before.isEmpty())
        QVERIFY(writeBytes(path("budget.fyl"), before));
    QVERIFY(equipmentlist::addIfAbsent(folder(), name).ok());
    QVERIFY(equipmentlist::addIfAbsent(folder(), name).ok());
    QCOMPARE(contentOf(path("budget.fyl")), after);
    QCOMPARE(equipmentlist::load(folder()).names.count(name), 1);
}

void TestEquipmentList::removeKeepsEveryOtherLineByteForByte_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("after");
    // A hand-made entry with leading blanks keeps them on the way through the copy.
    QTest::newRow("every matching line") << QByteArray("Kord\r\n\" lead\"\r\nPress\r\nKord\r\npress\r\n") << "Kord"
                                         << QByteArray("\" lead\"\r\nPress\r\npress\r\n");
    QTest::newRow("an entry holding an empty character")
        << QByteArray("Kord\r\nBad\0name\r\nPress\r\n", 23) << "Press" << QByteArray("Kord\r\nBad\0name\r\n", 16);
    QTest::newRow("an entry holding a lone CR")
        << QByteArray("Kord\r\nLone\rCR\r\nPress\r\n") << "Kord" << QByteArray("Lone\rCR\r\nPress\r\n");
    QTest::newRow("lines ended by LF, the last by nothing") << QByteArray("A\n  B\nC") << "B" << QByteArray("A\nC");
    QTest::newRow("a line of two values")
        << QByteArray("Kord,Press\r\nX\r\n") << "Kord" << QByteArray("Press\r\nX\r\n");
}

// Only the lines that hold the name are written anew: a damaged entry elsewhere stays as it was
// and never stops the removal.
void TestEquipmentList::removeKeepsEveryOtherLineByteForByte()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, name);
    QFETCH(QByteArray, after);
    QVERIFY(writeBytes(path("budget.fyl"), before));
    QVERIFY(folder().replace("Kord2", {"10000"}).ok());
    const equipmentlist::Removal removal = equipmentlist::remove(folder(), name);
    QVERIFY(removal.found);
    QVERIFY2(removal.result.ok(), qPrintable(removal.result.error));
    QCOMPARE(contentOf(path("budget.fyl")), after);
    QVERIFY(!QFile::exists(path("budget1.fyl")));
    QCOMPARE(contentOf(path("Kord2")), QByteArray("10000\r\n")); // the equipment's own files stay
}

void TestEquipmentList::listStaysWithinItsLimits_data()
{
    QTest::addColumn<int>("names");      // in the list file, each of 14 bytes with its line end
    QTest::addColumn<int>("junk");       // bytes of one damaged line after them
    QTest::addColumn<QString>("damage"); // in what the load says; empty: the list is whole
    QTest::addColumn<bool>("added");     // whether one more name can be added
    QTest::newRow("one name short of full") << 9999 << 0 << "" << true;
    QTest::newRow("full") << 10000 << 0 << "" << false;
    QTest::newRow("one name too many") << 10001 << 0 << "more than the 10,000 names" << false;
    QTest::newRow("a line past the size limit") << 3 << 1100000 << "larger than the 1,048,576 bytes" << false;
}

// A list never grows past its limits, and one that has shows the names within them and says so.
void TestEquipmentList::listStaysWithinItsLimits()
{
    QFETCH(int, names);
    QFETCH(int, junk);
    QFETCH(QString, damage);
    QFETCH(bool, added);
    QByteArray bytes;
    for (int name = 0; name < names; ++name)
        bytes += QByteArray::number(name).rightJustified(12, 'P') + "\r\n";
    QVERIFY(writeBytes(path("budget.fyl"), bytes + QByteArray(junk, 'x')));
    const equipmentlist::Loaded loaded = equipmentlist::load(folder());
    QCOMPARE(loaded.names.size(), qMin(names, 10000));
    QCOMPARE(loaded.complete, damage.isEmpty());
    QVERIFY2(loaded.damage.contains(damage) && loaded.damage.isEmpty() == damage.isEmpty(), qPrintable(loaded.damage));
    const StoreResult add = equipmentlist::addIfAbsent(folder(), "Press");
    QVERIFY2(add.ok() == added && add.error.contains("budget.fyl") != added, qPrintable(add.error));
    QCOMPARE(contentOf(path("budget.fyl")).size(), bytes.size() + junk + (added ? 7 : 0));
}

QTEST_APPLESS_MAIN(TestEquipmentList)
#include "test_equipment_list.moc"
