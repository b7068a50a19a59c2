// The plant overview as a CSV file for spreadsheets and as a printed table with its picture.

#include "engine/ResultFile.h"
#include "engine/ResultSlots.h"
#include "report/PlantExport.h"
#include "store/EquipmentList.h"
#include "tests/support/PlantFolder.h"
#include "tests/support/ProgramNames.h"
#include "tests/support/TextPagePrinter.h"

#include "tests/support/FileContents.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

namespace slot = resultslots;

// A plant with awkward names: one center calculated before the power price changed, one never
// calculated, the others with the worked example's figures.
const QStringList kNames = {QStringLiteral("Kord"),
                            QStringLiteral("Comma, Inc"),
                            QStringLiteral("Quote \"Q\" Press"),
                            QStringLiteral("Rüdiger"),
                            QStringLiteral("Heidelberg Speedmaster 74"),
                            QStringLiteral("Old Press"),
                            QStringLiteral("Fresh")};

bool calculatePlant(const DataFolder& folder)
{
    if (calculateCenter(folder, "Old Press", typed(workedExampleTexts(), {{"txtPower", "0.09"}})).kind !=
        BudgetOutcome::Kind::Completed)
        return false;
    for (const QString& name : kNames.mid(0, 5))
        if (calculateCenter(folder, name, workedExampleTexts()).kind != BudgetOutcome::Kind::Completed)
            return false;
    for (const QString& name : kNames)
        if (!equipmentlist::addIfAbsent(folder, name).ok())
            return false;
    return true;
}

// A small reader of comma separated values: fields in double quotes may hold commas, line
// breaks and doubled quotes; records end with CR LF.
QList<QStringList> readCsv(const QString& text)
{
    QList<QStringList> records;
    QStringList fields;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text.at(i + 1) == u'"')
                field += text.at(++i);
            else if (c == u'"')
                quoted = false;
            else
                field += c;
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u',') {
            fields.append(std::exchange(field, QString()));
        } else if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n') {
            fields.append(std::exchange(field, QString()));
            records.append(std::exchange(fields, QStringList()));
            ++i;
        } else {
            field += c;
        }
    }
    if (!field.isEmpty() || !fields.isEmpty())
        records.append(fields << field); // an unended last record shows as one
    return records;
}

// Where each figure column of the export comes from in the result file: a result value, or
// (for the efficiency percentages) an input value.
struct Column {
    int slot;
    bool input;
};
const QList<Column> kFigureColumns = {
    {slot::annualCenterCost, false}, {slot::chargeableHours(1), false}, {slot::efficiency(1), true},
    {slot::rateB(1), false},         {slot::efficiency(2), true},       {slot::rateB(2), false},
    {slot::efficiency(3), true},     {slot::rateB(3), false},           {slot::efficiency(4), true},
    {slot::rateB(4), false},         {slot::rateA(1), false},           {slot::rateC(1), false},
};

} // namespace

class TestPlantExport : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void csvAndPictureReadBackAsTheResultFiles_data();
    void csvAndPictureReadBackAsTheResultFiles();
    void printedTableShowsEachCenter_data();
    void printedTableShowsEachCenter();
    void csvRunsNoFormula_data();
    void csvRunsNoFormula();
    void unreadablePlantLeavesEveryStateUnknown_data();
    void unreadablePlantLeavesEveryStateUnknown();

private:
    QTemporaryDir m_dir;
    plantoverview::Overview m_overview;
};

void TestPlantExport::initTestCase()
{
    QVERIFY(calculatePlant(DataFolder(m_dir.path())));
    m_overview = plantoverview::read(DataFolder(m_dir.path()));
    QCOMPARE(m_overview.centers.size(), kNames.size());
}

void TestPlantExport::csvAndPictureReadBackAsTheResultFiles_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("state");
    for (const QString& name : kNames)
        QTest::newRow(qPrintable(name)) << name
                                        << (name == "Fresh"       ? "not calculated"
                                            : name == "Old Press" ? "stale: Power Consumption Cost ($/KWh)"
                                                                  : "current");
}

void TestPlantExport::csvAndPictureReadBackAsTheResultFiles()
{
    QFETCH(QString, name);
    QFETCH(QString, state);
    const QByteArray bytes = plantexport::csv(m_overview);
    QVERIFY(!bytes.startsWith("\xEF\xBB\xBF"));
    const QList<QStringList> records = readCsv(QString::fromUtf8(bytes));
    QCOMPARE(records.size(), kNames.size() + 1);
    QCOMPARE(records.first(), plantexport::columnHeadings());
    const QStringList fields = records.at(kNames.indexOf(name) + 1);
    QCOMPARE(fields.size(), 2 + kFigureColumns.size());
    QCOMPARE(fields.first(), name);
    QCOMPARE(fields.last(), state);

    const LoadedRecord saved = loadResultFile(DataFolder(m_dir.path()), name);
    // The printed page's picture: a bar for each center with results, of its cost and rate (B).
    const PagePicture picture = TextPagePrinter::of(plantexport::printed(m_overview, 2026)).pictures().value(0);
    const QList<pagepicture::CenterCost> bars = std::get<pagepicture::PlantCosts>(picture).centers;
    const auto bar = std::find_if(bars.cbegin(), bars.cend(), [&name](const auto& b) { return b.name == name; });
    QCOMPARE(bar != bars.cend(), saved.ok());
    if (saved.ok()) {
        QCOMPARE(bar->split.total(), *saved.record.result(slot::annualCenterCost));
        QCOMPARE(bar->rateB1, saved.record.result(slot::rateB(1)));
    }
    for (int column = 0; column < kFigureColumns.size(); ++column) {
        const QString field = fields.at(column + 1);
        if (!saved.ok()) {
            QVERIFY2(field.isEmpty(), qPrintable(field));
            continue;
        }
        const Column from = kFigureColumns.at(column);
        const double expected = from.input ? saved.record.input(from.slot) : *saved.record.result(from.slot);
        bool isNumber = false;
        QCOMPARE(QLocale::c().toDouble(field, &isNumber), expected);
        QVERIFY2(isNumber && !field.contains(u','), qPrintable(field));
    }
}

void TestPlantExport::printedTableShowsEachCenter_data()
{
    QTest::addColumn<QStringList>("row"); // what its line shows, in this order
    QTest::addColumn<QString>("details"); // the line under it, or empty for none

    const QStringList workedExample = {"$134,709.25", "3904",   "100", "$69.01",  "80",     "$86.26",
                                       "70",          "$98.59", "60",  "$115.02", "$64.91", "$34.51"};
    QTest::newRow("current") << (QStringList("Kord") << workedExample << "current") << QString();
    QTest::newRow("accented name") << (QStringList("Rüdiger") << workedExample << "current") << QString();
    QTest::newRow("name cut in its column")
        << (QStringList("Heidelberg Sp...") << workedExample << "current") << "Heidelberg Speedmaster 74: current";
    QTest::newRow("stale") << QStringList{"Old Press", "$134,", "stale"} << "stale: Power Consumption Cost ($/KWh)";
    QTest::newRow("never calculated") << QStringList{"Fresh", "not calculated"} << QString();
}

void TestPlantExport::printedTableShowsEachCenter()
{
    QFETCH(QStringList, row);
    QFETCH(QString, details);
    const PrintJob job = plantexport::printed(m_overview, 2026);
    QVERIFY(job.isLandscape());
    const QStringList lines = TextPagePrinter::of(job).lines();
    QCOMPARE(lines.first(), "Plant Overview 2026");
    QCOMPARE(lines.last(), "[picture: Annual cost by center]");
    for (const QString& line : lines)
        QVERIFY2(line.size() <= 130, qPrintable(lines.join("\n")));

    const auto found = std::find_if(lines.cbegin(), lines.cend(),
                                    [&row](const QString& line) { return line.startsWith(row.first() + u' '); });
    QVERIFY(found != lines.cend());
    qsizetype from = 0;
    for (const QString& part : row) {
        from = found->indexOf(part, from);
        QVERIFY2(from >= 0, qPrintable(QStringLiteral("%1 not in order in: %2").arg(part, *found)));
        from += part.size();
    }
    const QString next = found + 1 == lines.cend() ? QString() : *(found + 1);
    QCOMPARE(next.startsWith(QStringLiteral("      ")) ? next.trimmed() : QString(), details);
}

void TestPlantExport::csvRunsNoFormula_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("cell"); // what the spreadsheet shows of the name
    QTest::newRow("equals sign") << QString("=HYPERLINK(\"http://x\";\"Press\")")
                                 << QString("'=HYPERLINK(\"http://x\";\"Press\")");
    QTest::newRow("plus") << QString("+Press") << QString("'+Press");
    QTest::newRow("minus") << QString("-2+3") << QString("'-2+3");
    QTest::newRow("at sign") << QString("@SUM(A1)") << QString("'@SUM(A1)");
    QTest::newRow("tab") << QString("\t=1") << QString("'\t=1");
    QTest::newRow("carriage return") << QString("\r=1") << QString("'\r=1");
    QTest::newRow("a sign inside the name") << QString("Press =2") << QString("Press =2");
}

// Whatever a name begins with, the file read back holds no cell a spreadsheet would run: every
// cell that begins with a formula sign is a plain number or starts with "'".
void TestPlantExport::csvRunsNoFormula()
{
    QFETCH(QString, name);
    QFETCH(QString, cell);
    plantoverview::Overview overview = m_overview;
    overview.centers.first().name = name;
    overview.centers.last().name = name;
    const QList<QStringList> records = readCsv(QString::fromUtf8(plantexport::csv(overview)));
    QCOMPARE(records.at(1).first(), cell);
    QCOMPARE(records.last().first(), cell);
    static const QRegularExpression number(QStringLiteral("^-?[0-9.]+(e[+-][0-9]+)?$"));
    for (const QStringList& record : records)
        for (const QString& field : record)
            if (!field.isEmpty() && QStringLiteral("=+-@\t\r").contains(field.front()))
                QVERIFY2(number.match(field).hasMatch(), qPrintable(field));
}

void TestPlantExport::unreadablePlantLeavesEveryStateUnknown_data()
{
    QTest::addColumn<QByteArray>("plant"); // what primary.bud holds; "<folder>": a folder in its place
    QTest::addColumn<QString>("problem");  // in the state of every calculated center
    QTest::newRow("missing") << QByteArray() << "primary.bud was not found";
    QTest::newRow("a folder") << QByteArray("<folder>") << "primary.bud: it is a folder";
    QTest::newRow("cut short") << QByteArray("7.65\r\n76200\r\n") << "primary.bud is incomplete";
    QTest::newRow("giant") << QByteArray(600000, 'x') << "primary.bud is damaged: it is larger than the 524,336 bytes";
}

// Without today's plant figures no saved rate can be called current: the window's table, the CSV
// file and the printed table say so of each calculated center.
void TestPlantExport::unreadablePlantLeavesEveryStateUnknown()
{
    QFETCH(QByteArray, plant);
    QFETCH(QString, problem);
    QTemporaryDir dir;
    QVERIFY(calculatePlant(DataFolder(dir.path())));
    QVERIFY(QFile::remove(dir.filePath("primary.bud")));
    if (plant == "<folder>")
        QVERIFY(QDir(dir.path()).mkdir("primary.bud"));
    else if (!plant.isEmpty())
        QVERIFY(writeBytes(dir.filePath("primary.bud"), plant));
    const plantoverview::Overview overview = plantoverview::read(DataFolder(dir.path()));

    const QList<QStringList> records = readCsv(QString::fromUtf8(plantexport::csv(overview)));
    const QString printed = TextPagePrinter::of(plantexport::printed(overview, 2026)).lines().join(u' ');
    QCOMPARE(overview.centers.size(), kNames.size());
    for (qsizetype i = 0; i < kNames.size(); ++i) {
        const QString state = plantoverview::stateText(overview.centers.at(i));
        if (kNames.at(i) == "Fresh") {
            QCOMPARE(state, "not calculated");
            continue;
        }
        QVERIFY2(state.startsWith("plant figures unreadable: ") && state.contains(problem), qPrintable(state));
        QCOMPARE(records.at(i + 1).last(), state);
    }
    QVERIFY2(!printed.contains("current") && printed.contains("plant figures unreadable: "), qPrintable(printed));
}

QTEST_GUILESS_MAIN(TestPlantExport)
#include "test_plant_export.moc"
