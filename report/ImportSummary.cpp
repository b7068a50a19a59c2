#include "report/ImportSummary.h"

#include "store/BoxWords.h"

#include <QDir>
#include <QStringList>

using namespace store;

namespace report {

namespace importsummary {
namespace {

using inputsimport::ChangedRow;

QString counted(qsizetype count, const QString& one, const QString& many)
{
    return count == 1 ? QStringLiteral("1 ") + one : QStringLiteral("%1 ").arg(count) + many;
}

QString centers(qsizetype count)
{
    return counted(count, QStringLiteral("center"), QStringLiteral("centers"));
}

QString rows(qsizetype count)
{
    return counted(count, QStringLiteral("row"), QStringLiteral("rows"));
}

// The verb after a count: "holds" for one, "hold" for more.
QString verb(qsizetype count, const QString& plural)
{
    return count == 1 ? plural + u's' : plural;
}

QString prompt(const inputsimport::BoxChange& change)
{
    return inputboxes::prompt(change.box);
}

QString who(const QString& name)
{
    return name.isEmpty() ? QStringLiteral("the plant row") : u'"' + name + u'"';
}

QStringList refusalLines(const inputsimport::Plan& plan)
{
    QStringList lines;
    for (const inputsimport::Refusal& refused : plan.refused) {
        lines.append(QStringLiteral("Row %1, %2: %3.").arg(refused.row).arg(who(refused.name), refused.reason));
    }
    return lines;
}

QString refusedParagraph(const inputsimport::Plan& plan)
{
    if (plan.refused.isEmpty())
        return QString();
    return QStringLiteral("\n\n%1 cannot be imported and %2 nothing:\n%3")
        .arg(rows(plan.refused.size()), verb(plan.refused.size(), QStringLiteral("change")),
             refusalLines(plan).join(u'\n'));
}

} // namespace

QString exported(const inputstable::Exported& exported, const QString& path)
{
    QString text = QStringLiteral("The inputs of the plant and %1 were exported to %2")
                       .arg(centers(exported.centers), QDir::toNativeSeparators(path));
    if (!exported.unreadable.isEmpty())
        text += QStringLiteral("\n\nThese files could not be read, and their boxes are left empty:\n") +
                exported.unreadable.join(u'\n');
    return text;
}

QString question(const inputsimport::Plan& plan)
{
    qsizetype boxes = 0;
    for (const ChangedRow& row : plan.centers)
        boxes += row.changes.size();
    QString text =
        QStringLiteral("Save the imported inputs of %1 in their input files? %2 change.")
            .arg(centers(plan.centers.size()), counted(boxes, QStringLiteral("box"), QStringLiteral("boxes")));
    if (plan.unchanged > 0)
        text += QStringLiteral("\n\n%1 %2 what is saved already.")
                    .arg(rows(plan.unchanged), verb(plan.unchanged, QStringLiteral("hold")));
    if (!plan.refused.isEmpty())
        text += QStringLiteral("\n\n%1 cannot be imported and %2 nothing.")
                    .arg(rows(plan.refused.size()), verb(plan.refused.size(), QStringLiteral("change")));
    return text + QStringLiteral("\n\nShow Details lists every box that changes, with its saved and its new text, "
                                 "and why a row cannot be imported.");
}

TextTable details(const inputsimport::Plan& plan)
{
    TextTable table{{QStringLiteral("Row"), QStringLiteral("Center"), QStringLiteral("Box"), QStringLiteral("Saved"),
                     QStringLiteral("New")},
                    {}};
    for (const ChangedRow& row : plan.centers)
        for (const inputsimport::BoxChange& change : row.changes)
            table.rows.append({QString::number(row.row), row.name, prompt(change), change.before, change.after});
    for (const inputsimport::Refusal& refused : plan.refused)
        table.rows.append({QString::number(refused.row), who(refused.name), QString(), QString(),
                           QStringLiteral("cannot be imported: ") + refused.reason});
    return table;
}

QString plantQuestion(const inputsimport::Plan& plan)
{
    const qsizetype count = plan.plant->changes.size();
    return QStringLiteral("The row with no name (row %1) also changes %2 in primary.bud, which every center shares. "
                          "Save %3 too?\n\nShow Details lists %3.")
        .arg(plan.plant->row)
        .arg(counted(count, QStringLiteral("plant-wide figure"), QStringLiteral("plant-wide figures")),
             count == 1 ? QStringLiteral("it") : QStringLiteral("them"));
}

TextTable plantDetails(const inputsimport::Plan& plan)
{
    TextTable table{{QStringLiteral("Box"), QStringLiteral("Saved"), QStringLiteral("New")}, {}};
    for (const inputsimport::BoxChange& change : plan.plant->changes)
        table.rows.append({prompt(change), change.before, change.after});
    return table;
}

QString nothingToDo(const inputsimport::Plan& plan)
{
    QString text = QStringLiteral("Nothing was imported: no row changes a box.");
    if (plan.unchanged > 0)
        text += QStringLiteral(" %1 %2 what is saved already.")
                    .arg(rows(plan.unchanged), verb(plan.unchanged, QStringLiteral("hold")));
    return text + refusedParagraph(plan);
}

QString outcome(const inputsimport::Plan& plan, const inputsimport::Saved& saved)
{
    QStringList parts;
    if (!saved.centers.isEmpty())
        parts.append(QStringLiteral("The input files of %1 were saved: %2.")
                         .arg(centers(saved.centers.size()), saved.centers.join(QStringLiteral(", "))));
    if (saved.plant)
        parts.append(QStringLiteral("The plant-wide figures in primary.bud were saved."));
    if (!saved.error.isEmpty()) {
        parts.append(QStringLiteral("Saving stopped: %1").arg(saved.error));
        if (saved.notSaved.isEmpty())
            parts.append(QStringLiteral("The plant-wide figures in primary.bud were not saved."));
        else
            parts.append(QStringLiteral("Not saved, so as before: %1.").arg(saved.notSaved.join(QStringLiteral(", "))));
        if (!saved.partlySaved.isEmpty())
            parts.append(QStringLiteral("Only some of the input files of \"%1\" were saved before saving stopped.")
                             .arg(saved.partlySaved));
    }
    if (!saved.centers.isEmpty() || saved.plant)
        parts.append(QStringLiteral("Their saved rates still come from the earlier figures: Recalculate All in the "
                                    "Plant Overview works them out afresh."));
    return parts.join(QStringLiteral("\n\n")) + refusedParagraph(plan);
}

} // namespace importsummary

} // namespace report
