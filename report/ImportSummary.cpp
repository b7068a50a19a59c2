#include "report/ImportSummary.h"

#include "store/BoxWords.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringList>

using namespace store;

namespace report {

namespace importsummary {
namespace {
struct ImportSummaryTexts {
    Q_DECLARE_TR_FUNCTIONS(ImportSummary)
};

using inputsimport::ChangedRow;

QString counted(qsizetype count, const QString& one, const QString& many)
{
    return count == 1 ? QStringLiteral("1 ") + one : QStringLiteral("%1 ").arg(count) + many;
}

QString centers(qsizetype count)
{
    return counted(count, ImportSummaryTexts::tr("center"), ImportSummaryTexts::tr("centers"));
}

QString rows(qsizetype count)
{
    return counted(count, ImportSummaryTexts::tr("row"), ImportSummaryTexts::tr("rows"));
}

// The verb after a count: "holds" for one, "hold" for more.
QString verb(qsizetype count, const QString& plural)
{
    return count == 1 ? plural + u's' : plural;
}

QString prompt(const inputsimport::BoxChange& change)
{
    return inputboxes::shownPrompt(change.box);
}

QString who(const QString& name)
{
    return name.isEmpty() ? ImportSummaryTexts::tr("the plant row") : u'"' + name + u'"';
}

QStringList refusalLines(const inputsimport::Plan& plan)
{
    QStringList lines;
    for (const inputsimport::Refusal& refused : plan.refused) {
        lines.append(ImportSummaryTexts::tr("Row %1, %2: %3.").arg(refused.row).arg(who(refused.name), refused.reason));
    }
    return lines;
}

QString refusedParagraph(const inputsimport::Plan& plan)
{
    if (plan.refused.isEmpty())
        return QString();
    return ImportSummaryTexts::tr("\n\n%1 cannot be imported and %2 nothing:\n%3")
        .arg(rows(plan.refused.size()), verb(plan.refused.size(), ImportSummaryTexts::tr("change")),
             refusalLines(plan).join(u'\n'));
}

} // namespace

QString exported(const inputstable::Exported& exported, const QString& path)
{
    QString text = ImportSummaryTexts::tr("The inputs of the plant and %1 were exported to %2")
                       .arg(centers(exported.centers), QDir::toNativeSeparators(path));
    if (!exported.unreadable.isEmpty())
        text += ImportSummaryTexts::tr("\n\nThese files could not be read, and their boxes are left empty:\n") +
                exported.unreadable.join(u'\n');
    return text;
}

QString question(const inputsimport::Plan& plan)
{
    qsizetype boxes = 0;
    for (const ChangedRow& row : plan.centers)
        boxes += row.changes.size();
    QString text = ImportSummaryTexts::tr("Save the imported inputs of %1 in their input files? %2 change.")
                       .arg(centers(plan.centers.size()),
                            counted(boxes, ImportSummaryTexts::tr("box"), ImportSummaryTexts::tr("boxes")));
    if (plan.unchanged > 0)
        text += ImportSummaryTexts::tr("\n\n%1 %2 what is saved already.")
                    .arg(rows(plan.unchanged), verb(plan.unchanged, ImportSummaryTexts::tr("hold")));
    if (!plan.refused.isEmpty())
        text += ImportSummaryTexts::tr("\n\n%1 cannot be imported and %2 nothing.")
                    .arg(rows(plan.refused.size()), verb(plan.refused.size(), ImportSummaryTexts::tr("change")));
    return text +
           ImportSummaryTexts::tr("\n\nShow Details lists every box that changes, with its saved and its new text, "
                                  "and why a row cannot be imported.");
}

TextTable details(const inputsimport::Plan& plan)
{
    TextTable table{{ImportSummaryTexts::tr("Row"), ImportSummaryTexts::tr("Center"), ImportSummaryTexts::tr("Box"),
                     ImportSummaryTexts::tr("Saved"), ImportSummaryTexts::tr("New")},
                    {}};
    for (const ChangedRow& row : plan.centers)
        for (const inputsimport::BoxChange& change : row.changes)
            table.rows.append({QString::number(row.row), row.name, prompt(change), change.before, change.after});
    for (const inputsimport::Refusal& refused : plan.refused)
        table.rows.append({QString::number(refused.row), who(refused.name), QString(), QString(),
                           ImportSummaryTexts::tr("cannot be imported: ") + refused.reason});
    return table;
}

QString plantQuestion(const inputsimport::Plan& plan)
{
    const qsizetype count = plan.plant->changes.size();
    return ImportSummaryTexts::tr(
               "The row with no name (row %1) also changes %2 in primary.bud, which every center shares. "
               "Save %3 too?\n\nShow Details lists %3.")
        .arg(plan.plant->row)
        .arg(counted(count, ImportSummaryTexts::tr("plant-wide figure"), ImportSummaryTexts::tr("plant-wide figures")),
             count == 1 ? ImportSummaryTexts::tr("it") : ImportSummaryTexts::tr("them"));
}

TextTable plantDetails(const inputsimport::Plan& plan)
{
    TextTable table{{ImportSummaryTexts::tr("Box"), ImportSummaryTexts::tr("Saved"), ImportSummaryTexts::tr("New")},
                    {}};
    for (const inputsimport::BoxChange& change : plan.plant->changes)
        table.rows.append({prompt(change), change.before, change.after});
    return table;
}

QString nothingToDo(const inputsimport::Plan& plan)
{
    QString text = ImportSummaryTexts::tr("Nothing was imported: no row changes a box.");
    if (plan.unchanged > 0)
        text += ImportSummaryTexts::tr(" %1 %2 what is saved already.")
                    .arg(rows(plan.unchanged), verb(plan.unchanged, ImportSummaryTexts::tr("hold")));
    return text + refusedParagraph(plan);
}

QString outcome(const inputsimport::Plan& plan, const inputsimport::Saved& saved)
{
    QStringList parts;
    if (!saved.centers.isEmpty())
        parts.append(ImportSummaryTexts::tr("The input files of %1 were saved: %2.")
                         .arg(centers(saved.centers.size()), saved.centers.join(QStringLiteral(", "))));
    if (saved.plant)
        parts.append(ImportSummaryTexts::tr("The plant-wide figures in primary.bud were saved."));
    if (!saved.error.isEmpty()) {
        parts.append(ImportSummaryTexts::tr("Saving stopped: %1").arg(saved.error));
        if (saved.notSaved.isEmpty())
            parts.append(ImportSummaryTexts::tr("The plant-wide figures in primary.bud were not saved."));
        else
            parts.append(
                ImportSummaryTexts::tr("Not saved, so as before: %1.").arg(saved.notSaved.join(QStringLiteral(", "))));
        if (!saved.partlySaved.isEmpty())
            parts.append(
                ImportSummaryTexts::tr("Only some of the input files of \"%1\" were saved before saving stopped.")
                    .arg(saved.partlySaved));
    }
    if (!saved.centers.isEmpty() || saved.plant)
        parts.append(
            ImportSummaryTexts::tr("Their saved rates still come from the earlier figures: Recalculate All in the "
                                   "Plant Overview works them out afresh."));
    return parts.join(QStringLiteral("\n\n")) + refusedParagraph(plan);
}

} // namespace importsummary

} // namespace report
