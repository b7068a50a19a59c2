#include "store/InputsImport.h"

#include "store/BoxWords.h"
#include "store/CsvTable.h"
#include "store/EquipmentList.h"
#include "store/FieldReader.h"
#include "store/FieldText.h"
#include "store/FileNames.h"
#include "store/InputsTable.h"
#include "store/RecordLayout.h"
#include "store/SharedFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace store {

namespace inputsimport {
namespace {
struct InputsImportTexts {
    Q_DECLARE_TR_FUNCTIONS(InputsImport)
};

using inputboxes::Entry;

QString prompt(const Entry& box)
{
    return inputboxes::prompt(box.box);
}

// What the data files give back of a text once it is saved (blanks before it are not kept).
QString readBack(const QString& text)
{
    const std::optional<QString> line = fieldtext::line(text);
    return line ? FieldReader(*line).next().value_or(QString()) : text;
}

// The cells of the boxes, after the name: one per entry of the box table, in its order.
const QString& cellOf(const QStringList& cells, std::size_t box)
{
    return cells.at(static_cast<qsizetype>(box) + 1);
}

QString headingProblem(const csv::Table& table)
{
    const QStringList expected = inputstable::headings();
    const QStringList found = table.rows.isEmpty() ? QStringList() : table.rows.first();
    for (qsizetype column = 0; column < expected.size(); ++column) {
        if (found.value(column).trimmed() != expected.at(column).trimmed())
            return InputsImportTexts::tr(
                       "Its first row is not the heading row that Export Inputs writes: column %1 is "
                       "headed \"%2\" where \"%3\" belongs. The columns cannot be matched to the boxes.")
                .arg(column + 1)
                .arg(fieldtext::excerpt(found.value(column)), expected.at(column));
    }
    if (found.size() != expected.size())
        return InputsImportTexts::tr("Its heading row has %1 columns where Export Inputs writes %2.")
            .arg(found.size())
            .arg(expected.size());
    return QString();
}

// A box the row may not hold that has text: the plant row holds only the plant-wide boxes, a
// center's row only its own.
QString misplacedBox(const QStringList& cells, bool plantRow)
{
    const auto& boxes = inputboxes::all();
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        if (inputstable::isPlantBox(boxes[i]) == plantRow || cellOf(cells, i).isEmpty())
            continue;
        if (plantRow)
            return InputsImportTexts::tr("the row with no name holds the plant-wide boxes only, and \"%1\" belongs to "
                                         "a center")
                .arg(prompt(boxes[i]));
        return InputsImportTexts::tr("the plant-wide box \"%1\" belongs in the row with no name").arg(prompt(boxes[i]));
    }
    return QString();
}

QString valueProblem(const QStringList& cells)
{
    const auto& boxes = inputboxes::all();
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        if (const QString problem = fieldtext::problem(cellOf(cells, i)); !problem.isEmpty())
            return InputsImportTexts::tr("the box \"%1\" holds \"%2\", which the data files cannot keep: %3")
                .arg(prompt(boxes[i]), fieldtext::excerpt(cellOf(cells, i)), problem);
    }
    return QString();
}

ChangedRow compare(int row, const QStringList& cells, bool plantRow, const InputTexts& saved)
{
    ChangedRow compared{row, cells.first(), {}, {}};
    const auto& boxes = inputboxes::all();
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        if (inputstable::isPlantBox(boxes[i]) != plantRow)
            continue;
        const QString& text = cellOf(cells, i);
        compared.texts[boxes[i].box] = text;
        const QString& before = saved[boxes[i].box];
        if (const QString after = readBack(text); after != before)
            compared.changes.append({boxes[i].box, before, after});
    }
    return compared;
}

// Reads the rows one by one against the list file and the saved files.
class Planner {
public:
    Planner(const DataFolder& folder, const csv::Table& table)
        : m_folder(folder), m_table(table), m_listed(equipmentlist::load(folder).names)
    {
        for (const QStringList& cells : table.rows.mid(1))
            ++m_rowsNamed[cells.first()];
    }

    Plan plan()
    {
        Plan planned;
        const qsizetype width = inputstable::headings().size();
        for (qsizetype i = 1; i < m_table.rows.size(); ++i) {
            const QStringList& cells = m_table.rows.at(i);
            const int row = m_table.rowNumbers.at(i);
            QString reason = cells.size() == width
                                 ? QString()
                                 : InputsImportTexts::tr("it has %1 cells where the heading row has %2")
                                       .arg(cells.size())
                                       .arg(width);
            const bool plantRow = cells.first().isEmpty();
            if (reason.isEmpty())
                reason = plantRow ? plantRefusal(cells) : centerRefusal(cells);
            InputTexts saved;
            if (reason.isEmpty())
                reason = savedTexts(cells.first(), saved);
            if (!reason.isEmpty()) {
                planned.refused.append({row, cells.first(), reason});
                continue;
            }
            place(compare(row, cells, plantRow, saved), planned);
        }
        return planned;
    }

private:
    QString plantRefusal(const QStringList& cells) const
    {
        if (m_rowsNamed.value(QString()) > 1)
            return InputsImportTexts::tr("the file holds more than one row with no name, and only one plant");
        if (const QString misplaced = misplacedBox(cells, true); !misplaced.isEmpty())
            return misplaced;
        return valueProblem(cells);
    }

    QString centerRefusal(const QStringList& cells) const
    {
        const QString& name = cells.first();
        if (const QString problem = filenames::nameProblem(name); !problem.isEmpty())
            return problem;
        if (!m_listed.contains(name))
            return InputsImportTexts::tr("it is not in the equipment list; start it in the main window first");
        if (m_rowsNamed.value(name) > 1)
            return InputsImportTexts::tr("the file holds more than one row for it");
        if (const QStringList sharing = sharedfiles::namesSharingFiles(m_listed, name); !sharing.isEmpty())
            return InputsImportTexts::tr("its files are also those of \"%1\": an equipment's files are named from the "
                                         "first seven characters of its name")
                .arg(sharing.join(QStringLiteral("\", \"")));
        if (const QString misplaced = misplacedBox(cells, false); !misplaced.isEmpty())
            return misplaced;
        return valueProblem(cells);
    }

    // The saved texts of the row's files; the reason when a file is there but cannot be read.
    QString savedTexts(const QString& name, InputTexts& texts) const
    {
        const inputstable::SavedTexts saved =
            name.isEmpty() ? inputstable::plantTexts(m_folder) : inputstable::centerTexts(m_folder, name);
        texts = saved.texts;
        return saved.problem;
    }

    static void place(ChangedRow compared, Plan& planned)
    {
        if (compared.changes.isEmpty())
            ++planned.unchanged;
        else if (compared.name.isEmpty())
            planned.plant = std::move(compared);
        else
            planned.centers.append(std::move(compared));
    }

    const DataFolder& m_folder;
    const csv::Table& m_table;
    QStringList m_listed;
    QHash<QString, int> m_rowsNamed; // how many rows carry each name
};

// Writes the center's input files 2, 3 and 4; the error of the first that fails, after `written` were.
QString writeCenter(const DataFolder& folder, const ChangedRow& center, int& written)
{
    for (int digit = 2; digit <= 4; ++digit, ++written) {
        const StoreResult result = folder.replace(filenames::inputFile(center.name, digit),
                                                  recordlayout::linesOf(recordlayout::inputFile(digit), center.texts));
        if (!result.ok())
            return result.error;
    }
    return QString();
}

} // namespace

Plan plan(const DataFolder& folder, const QByteArray& csvBytes)
{
    csv::Table table = csv::parse(csvBytes);
    if (!table.ok())
        return {InputsImportTexts::tr("It cannot be read as a table: %1.").arg(table.problem), {}, {}, {}, 0};
    if (const QString problem = headingProblem(table); !problem.isEmpty())
        return {problem, {}, {}, {}, 0};
    for (qsizetype row = 1; row < table.rows.size(); ++row)
        for (QString& cell : table.rows[row])
            cell = csv::fromCell(cell);
    return Planner(folder, table).plan();
}

Saved save(const DataFolder& folder, const Plan& plan, bool withPlant)
{
    Saved saved;
    for (const ChangedRow& center : plan.centers) {
        if (!saved.error.isEmpty()) {
            saved.notSaved.append(center.name);
            continue;
        }
        int written = 0;
        saved.error = writeCenter(folder, center, written);
        if (saved.error.isEmpty()) {
            saved.centers.append(center.name);
            continue;
        }
        if (written > 0)
            saved.partlySaved = center.name;
        saved.notSaved.append(center.name);
    }
    if (withPlant && plan.plant && saved.error.isEmpty()) {
        saved.error =
            folder.replace(filenames::kPlantFile, recordlayout::linesOf(recordlayout::plantFile(), plan.plant->texts))
                .error;
        saved.plant = saved.error.isEmpty();
    }
    return saved;
}

ReadTable readCsv(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{},
                InputsImportTexts::tr("Could not read %1: %2").arg(QDir::toNativeSeparators(path), file.errorString())};
    return {file.readAll(), QString()};
}

} // namespace inputsimport

} // namespace store
