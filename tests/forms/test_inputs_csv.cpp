// The input boxes of every center to a spreadsheet and back: what an import saves is what typing
// the same texts and Calculate BHR saves, and a refused row changes nothing.

#include "store/CsvTable.h"
#include "tests/support/MainWindowDriver.h"
#include "tests/support/PlantFolder.h"
#include "tests/support/ProgramNames.h"

#include <QAction>
#include <QTemporaryDir>

namespace {

const QStringList kCenters = {"Press A", "Press B", "Cutter C"};

// The table's rows; a row's cell is found by the name in its first cell and the column's heading.
class Sheet {
public:
    explicit Sheet(const QString& path) : m_path(path)
    {
        const csv::Table table = csv::parse(contentOf(path));
        QVERIFY2(table.ok(), qPrintable(table.problem));
        m_rows = table.rows;
    }
    QString& cell(const QString& name, const QString& heading)
    {
        const qsizetype column = m_rows.first().indexOf(heading);
        for (QStringList& row : m_rows)
            if (row.first() == name)
                return row[column];
        qFatal("no row %s", qPrintable(name));
    }
    bool save() const
    {
        QByteArray bytes;
        for (const QStringList& row : m_rows)
            bytes += csv::line(row);
        return writeBytes(m_path, bytes);
    }

private:
    QString m_path;
    QList<QStringList> m_rows;
};

// Three centers calculated from the worked example, each with a wage of its own.
void saveThreeCenters(const DataFolder& folder)
{
    for (int i = 0; i < kCenters.size(); ++i)
        QCOMPARE(
            calculateCenter(folder, kCenters[i], typed(workedExampleTexts(), {{"txtWage1", QString::number(18 + i)}}))
                .kind,
            BudgetOutcome::Kind::Completed);
    QVERIFY(folder.replace(filenames::kListFile, kCenters).ok());
}

const QString kWage = QStringLiteral("Enter Wage Scale for Employee #1 ($/Hr.)");
const QString kLights = QStringLiteral("Enter Total Wattage for Lights, Air Cond, Etc.:");
const QString kEfficiency = QStringLiteral("Enter Percent Efficiency (Example 60%):");
const QString kSupplies = QStringLiteral("Supply Costs per Year Applied To This Center:");
const QString kSocialSecurity = QStringLiteral("Current Social Security Tax Rate in Percentage");

} // namespace

class TestInputsCsv : public QObject {
    Q_OBJECT
private slots:
    void importSavesWhatTypingAndCalculateSave();
    void plantRowIsSavedOnlyWhenConfirmed_data();
    void plantRowIsSavedOnlyWhenConfirmed();

private:
    // Exports the inputs of the driver's folder into the file and returns its rows.
    static void exportTo(MainWindowDriver& ui, const QString& path)
    {
        ui.platform().recordedFiles.answer = path;
        ui.child<QAction>("mnuExportInputs")->trigger();
    }
    static void importFrom(MainWindowDriver& ui, const QString& path, const QList<MessageBoxes::Answer>& answers)
    {
        ui.platform().recordedFiles.chosen = {path};
        ui.platform().recordedMessages.answers = answers;
        ui.child<QAction>("mnuImportInputs")->trigger();
    }
};

void TestInputsCsv::importSavesWhatTypingAndCalculateSave()
{
    QTemporaryDir sheets;
    const QString path = sheets.filePath("inputs.csv");
    MainWindowDriver imported;
    MainWindowDriver typedIn;
    for (const MainWindowDriver* ui : {&imported, &typedIn})
        saveThreeCenters(ui->folder());
    QByteArray cutterBefore;
    for (int digit = 2; digit <= 4; ++digit)
        cutterBefore += imported.fileBytes(filenames::inputFile("Cutter C", digit));
    imported.start();
    imported.clickListEntry(0);
    QCOMPARE(imported.text("txtWage1"), "18");
    exportTo(imported, path);
    QCOMPARE(imported.messages().last(),
             QStringLiteral("The inputs of the plant and 3 centers were exported to %1").arg(path));

    Sheet sheet(path);
    QCOMPARE(sheet.cell("Press B", kWage), "19");
    sheet.cell("Press A", kWage) = "21.75";
    sheet.cell("Press A", kLights) = "1,500";
    sheet.cell("Press B", kEfficiency) = "55";
    sheet.cell("Cutter C", kWage) = "25";
    sheet.cell("Cutter C", kSupplies) = "\"3000";
    QVERIFY(sheet.save());
    importFrom(imported, path, {MessageBoxes::Answer::Yes});

    // The same texts typed into the boxes of a copy of the folder, each center calculated.
    typedIn.start();
    typedIn.clickListEntry(0);
    typedIn.type("txtWage1", "21.75");
    typedIn.type("txtTotWatt", "1,500");
    typedIn.click("Command2");
    typedIn.clickListEntry(1);
    typedIn.type("txtEff60", "55");
    typedIn.click("Command2");
    for (const QString name : {"Press A", "Press B"})
        for (int digit = 2; digit <= 4; ++digit) {
            const QString file = filenames::inputFile(name, digit);
            QCOMPARE(imported.fileBytes(file), typedIn.fileBytes(file));
        }
    QCOMPARE(imported.fileBytes("primary.bud"), typedIn.fileBytes("primary.bud"));
    QByteArray cutterAfter;
    for (int digit = 2; digit <= 4; ++digit)
        cutterAfter += imported.fileBytes(filenames::inputFile("Cutter C", digit));
    QCOMPARE(cutterAfter, cutterBefore);
    // The shown center's boxes hold what was imported, so a later Calculate BHR keeps it.
    QCOMPARE(imported.text("txtWage1"), "21.75");
    const QString outcome = imported.messages().last();
    QVERIFY2(outcome.startsWith("The input files of 2 centers were saved: Press A, Press B."), qPrintable(outcome));
    QVERIFY2(outcome.endsWith("1 row cannot be imported and changes nothing:\nRow 5, \"Cutter C\": the box \"" +
                              kSupplies +
                              "\" holds \"\"3000\", which the data files cannot keep: a value cannot "
                              "begin with a double quote."),
             qPrintable(outcome));
}

void TestInputsCsv::plantRowIsSavedOnlyWhenConfirmed_data()
{
    QTest::addColumn<QList<MessageBoxes::Answer>>("answers"); // the centers' question, then the plant's
    QTest::addColumn<bool>("centerSaved");
    QTest::addColumn<bool>("plantSaved");

    using A = MessageBoxes::Answer;
    QTest::newRow("both confirmed") << QList<A>{A::Yes, A::Yes} << true << true;
    QTest::newRow("plant declined") << QList<A>{A::Yes, A::No} << true << false;
    QTest::newRow("centers declined: no plant question") << QList<A>{A::No, A::Yes} << false << false;
    QTest::newRow("Enter on both") << QList<A>{} << false << false;
}

void TestInputsCsv::plantRowIsSavedOnlyWhenConfirmed()
{
    QFETCH(QList<MessageBoxes::Answer>, answers);
    QFETCH(bool, centerSaved);
    QFETCH(bool, plantSaved);
    QTemporaryDir sheets;
    const QString path = sheets.filePath("inputs.csv");
    MainWindowDriver ui;
    saveThreeCenters(ui.folder());
    const QByteArray plantBefore = ui.fileBytes("primary.bud");
    const QByteArray pressBefore = ui.fileBytes("Press A3");
    ui.start();
    exportTo(ui, path);
    Sheet sheet(path);
    sheet.cell("", kSocialSecurity) = "7.5";
    sheet.cell("Press A", kWage) = "30";
    QVERIFY(sheet.save());

    importFrom(ui, path, answers);

    QCOMPARE(ui.fileBytes("Press A3") != pressBefore, centerSaved);
    QStringList plantLines = QString::fromLatin1(plantBefore).split("\r\n");
    plantLines[0] = "7.5"; // the social security rate is the plant file's first line
    QCOMPARE(ui.fileBytes("primary.bud"), plantSaved ? plantLines.join("\r\n").toLatin1() : plantBefore);
    const int questions = static_cast<int>(std::count_if(ui.platform().recordedMessages.shown.cbegin(),
                                                         ui.platform().recordedMessages.shown.cend(),
                                                         [](const auto& shown) { return shown.question; }));
    QCOMPARE(questions, answers.value(0, MessageBoxes::Answer::No) == MessageBoxes::Answer::Yes ? 2 : 1);
}

QTEST_MAIN(TestInputsCsv)
#include "test_inputs_csv.moc"
