// The input boxes of every center as a spreadsheet table: how the table is read, and which rows
// an import refuses and why.

#include "store/CsvTable.h"
#include "store/FileNames.h"
#include "store/InputsImport.h"
#include "store/InputsTable.h"
#include "store/RecordLayout.h"
#include "tests/support/FileContents.h"
#include "tests/support/PlantFolder.h"
#include "tests/support/ProgramNames.h"
#include "tests/support/WorkedExampleBoxes.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Listed and saved: two presses, and two names that share their files.
const QStringList kListed = {"Press A", "Press B", "Heidelberg 1", "Heidelberg 2"};

// A row as the exported table holds it: the worked example in the boxes of the row's kind, with
// the given boxes typed differently; "" names the plant row.
QStringList tableRow(const QString& name, const BoxEntries& typed = {})
{
    QStringList cells = {name};
    for (const inputboxes::Entry& box : inputboxes::all()) {
        const QString object = boxplaces::objectName(box.box);
        const bool held = inputstable::isPlantBox(box) == name.isEmpty();
        QString text = held ? boxText(workedExampleBoxes(), object) : QString();
        if (const QString changed = boxText(typed, object); !changed.isNull() && !changed.isEmpty())
            text = changed;
        cells.append(text);
    }
    return cells;
}

QByteArray table(const QList<QStringList>& rows)
{
    QByteArray bytes = csv::line(inputstable::headings());
    for (const QStringList& row : rows)
        bytes += csv::line(row);
    return bytes;
}

} // namespace

class TestInputsTable : public QObject {
    Q_OBJECT
private slots:
    void init();

    void readsWhatSpreadsheetsWrite_data();
    void readsWhatSpreadsheetsWrite();
    void writesFormulaTextsAsTextAndReadsThemBack_data();
    void writesFormulaTextsAsTextAndReadsThemBack();
    void refusesAFileItCannotMatchToTheBoxes_data();
    void refusesAFileItCannotMatchToTheBoxes();
    void refusedRowChangesNothing_data();
    void refusedRowChangesNothing();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<DataFolder> m_folder;
};

void TestInputsTable::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_folder = std::make_unique<DataFolder>(m_dir->path());
    const InputTexts text = textsOf(workedExampleBoxes());
    QVERIFY(m_folder->replace(filenames::kPlantFile, recordlayout::linesOf(recordlayout::plantFile(), text)).ok());
    for (const QString& name : kListed)
        QVERIFY(saveInputFiles(*m_folder, name, text));
    QVERIFY(m_folder->replace(filenames::kListFile, kListed).ok());
}

void TestInputsTable::readsWhatSpreadsheetsWrite_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QList<QStringList>>("rows");
    QTest::addColumn<QList<int>>("rowNumbers");

    QTest::newRow("commas and quotes in quotes")
        << QByteArray("a,\"b,c\",\"say \"\"hi\"\"\"\r\nd,,\r\n")
        << QList<QStringList>{{"a", "b,c", "say \"hi\""}, {"d", "", ""}} << QList<int>{1, 2};
    QTest::newRow("LF alone, no end after the last row")
        << QByteArray("a,b\nc,d") << QList<QStringList>{{"a", "b"}, {"c", "d"}} << QList<int>{1, 2};
    QTest::newRow("byte order mark") << QByteArray("\xEF\xBB\xBF"
                                                   "a,b\r\n")
                                     << QList<QStringList>{{"a", "b"}} << QList<int>{1};
    QTest::newRow("line break in a quoted cell")
        << QByteArray("\"two\r\nlines\",x\r\ny,z\r\n") << QList<QStringList>{{"two\r\nlines", "x"}, {"y", "z"}}
        << QList<int>{1, 2};
    QTest::newRow("rows of empty cells left out, the others keep their numbers")
        << QByteArray("a,b\r\n,\r\n\r\nc,d\r\n,,,\r\n") << QList<QStringList>{{"a", "b"}, {"c", "d"}}
        << QList<int>{1, 4};
    QTest::newRow("saved in the single-byte code page")
        << QByteArray("caf\xE9,\x80 5\r\n")
        << QList<QStringList>{{QStringLiteral("caf\u00e9"), QStringLiteral("\u20ac 5")}} << QList<int>{1};
}

void TestInputsTable::readsWhatSpreadsheetsWrite()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QList<QStringList>, rows);
    QFETCH(QList<int>, rowNumbers);
    const csv::Table read = csv::parse(bytes);
    QVERIFY2(read.ok(), qPrintable(read.problem));
    QCOMPARE(read.rows, rows);
    QCOMPARE(read.rowNumbers, rowNumbers);
}

void TestInputsTable::writesFormulaTextsAsTextAndReadsThemBack_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("nameCell"); // as a name, or any other text
    QTest::addColumn<QString>("boxCell");  // as a box's text
    const auto row = [](const char* rowName, const char* text, const char* nameCell, const char* boxCell) {
        QTest::newRow(rowName) << QString(text) << QString(nameCell) << QString(boxCell);
    };
    row("a formula", "=HYPERLINK(\"x\")", "'=HYPERLINK(\"x\")", "'=HYPERLINK(\"x\")");
    row("a negative number", "-5", "'-5", "-5");
    row("a number and more", "-5+A1", "'-5+A1", "'-5+A1");
    row("a number with an exponent", "+1.5e3", "'+1.5e3", "+1.5e3");
    row("already guarded", "'@x", "''@x", "''@x");
    row("a plain quote", "'x", "'x", "'x");
    row("plain text", "Press A", "Press A", "Press A");
}

void TestInputsTable::writesFormulaTextsAsTextAndReadsThemBack()
{
    QFETCH(QString, text);
    QFETCH(QString, nameCell);
    QFETCH(QString, boxCell);
    QCOMPARE(csv::textCell(text), nameCell);
    QCOMPARE(csv::boxCell(text), boxCell);
    QCOMPARE(csv::fromCell(nameCell), text);
    QCOMPARE(csv::fromCell(boxCell), text);
}

void TestInputsTable::refusesAFileItCannotMatchToTheBoxes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("problem");

    QByteArray cutHeading = csv::line(inputstable::headings().mid(0, 44)) + csv::line(tableRow("Press A"));
    QTest::newRow("another table") << QByteArray("Name,Wage\r\nPress A,22\r\n")
                                   << "Its first row is not the heading row that Export Inputs writes: column 1 is "
                                      "headed \"Name\" where \"Equipment\" belongs. The columns cannot be matched to "
                                      "the boxes.";
    QTest::newRow("heading cut short") << cutHeading
                                       << "Its first row is not the heading row that Export Inputs writes: column 45 "
                                          "is headed \"\" where \"General Selling Costs ($/Yr) Applied To This "
                                          "Center:\" belongs. The columns cannot be matched to the boxes.";
    QTest::newRow("quote never closed") << table({}) + "\"Press A,22\r\n"
                                        << "It cannot be read as a table: a quoted field that begins on row 2 is "
                                           "never closed.";
}

void TestInputsTable::refusesAFileItCannotMatchToTheBoxes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, problem);
    const inputsimport::Plan plan = inputsimport::plan(*m_folder, bytes);
    QCOMPARE(plan.problem, problem);
    QVERIFY(!plan.changesAnything());
    QVERIFY(plan.refused.isEmpty());
}

void TestInputsTable::refusedRowChangesNothing_data()
{
    QTest::addColumn<QList<QStringList>>("rows"); // below the heading row, which is row 1
    QTest::addColumn<QList<int>>("refusedRows");
    QTest::addColumn<QString>("reason");

    const BoxEntries wage = {{"txtWage1", "22"}};
    const auto refused = [](const char* name, const QStringList& row, const QString& reason) {
        QTest::newRow(name) << QList<QStringList>{row} << QList<int>{2} << reason;
    };
    refused("a cell missing", tableRow("Press A", wage).mid(0, 44), "it has 44 cells where the heading row has 45");
    refused("not in the list", tableRow("Press C", wage),
            "it is not in the equipment list; start it in the main window first");
    refused("a name that shares another's files", tableRow("Heidelberg 1", wage),
            "its files are also those of \"Heidelberg 2\": an equipment's files are named from the first seven "
            "characters of its name");
    refused("a name that cannot name its files", tableRow(" Press A", wage),
            "The equipment name \" Press A\" cannot be used: a name may not begin with a blank.");
    QTest::newRow("a center on two rows")
        << QList<QStringList>{tableRow("Press A", wage), tableRow("Press B", {{"txtWage1", "23"}}),
                              tableRow("Press A", {{"txtWage1", "24"}})}
        << QList<int>{2, 4} << "the file holds more than one row for it";
    QTest::newRow("two plant rows") << QList<QStringList>{tableRow("", {{"txtSS", "7"}}),
                                                          tableRow("", {{"txtSS", "8"}})}
                                    << QList<int>{2, 3}
                                    << "the file holds more than one row with no name, and only one plant";
    refused("a plant-wide box in a center's row", tableRow("Press A", {{"txtHolidays", "8"}}),
            "the plant-wide box \"Paid Holidays:\" belongs in the row with no name");
    refused("a center's box in the plant row", tableRow("", wage),
            "the row with no name holds the plant-wide boxes only, and \"Enter Wage Scale for Employee #1 ($/Hr.)\" "
            "belongs to a center");
    refused("a value the field rule cannot give back", tableRow("Press B", {{"txtSupply", "\"3000"}}),
            "the box \"Supply Costs per Year Applied To This Center:\" holds \"\"3000\", which the data files cannot "
            "keep: a value cannot begin with a double quote");
    refused("a character one byte cannot hold", tableRow("Press B", {{"txtRepair", QStringLiteral("2000\u2192")}}),
            QStringLiteral("the box \"Repair Costs per Year Applied To This Center:\" holds \"2000\u2192\", which the "
                           "data files cannot keep: the character \"\u2192\" cannot be stored in the data files"));
    refused("a line end in a value", tableRow("", {{"txtRent", "5\n6"}}),
            "the box \"Current Rent ($/Square Foot):\" holds \"5\n6\", which the data files cannot keep: a line end "
            "cannot be stored in the data files");
}

void TestInputsTable::refusedRowChangesNothing()
{
    QFETCH(QList<QStringList>, rows);
    QFETCH(QList<int>, refusedRows);
    QFETCH(QString, reason);
    const auto before = filesIn(m_dir->path());

    const inputsimport::Plan plan = inputsimport::plan(*m_folder, table(rows));
    QVERIFY2(plan.problem.isEmpty(), qPrintable(plan.problem));
    QList<int> refused;
    for (const inputsimport::Refusal& refusal : plan.refused) {
        refused.append(refusal.row);
        QCOMPARE(refusal.reason, reason);
    }
    QCOMPARE(refused, refusedRows);
    // Only the row that changes Press B's wage in "a center on two rows" goes through.
    const bool pressB = rows.size() == 3;
    QCOMPARE(plan.centers.size(), pressB ? 1 : 0);
    QVERIFY(!plan.plant);

    (void)inputsimport::save(*m_folder, plan, true);
    for (auto it = before.cbegin(); it != before.cend(); ++it)
        if (!pressB || !it.key().startsWith("Press B"))
            QCOMPARE(contentOf(m_dir->filePath(it.key())), it.value());
}

QTEST_MAIN(TestInputsTable)
#include "test_inputs_table.moc"
