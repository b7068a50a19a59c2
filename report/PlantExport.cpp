#include "report/PlantExport.h"

#include "store/CsvTable.h"
#include "textrules/DisplayPattern.h"

#include <QCoreApplication>
#include <functional>
#include <optional>

using namespace textrules;
using namespace store;
using namespace engine;

namespace report {

namespace plantexport {
namespace {
struct PlantExportTexts {
    Q_DECLARE_TR_FUNCTIONS(PlantExport)
};

using plantoverview::CenterRow;
using plantoverview::CenterState;

// ---- CSV

// Spreadsheets read these back as the same number: no grouping, no currency, "." as the point.
QString plainNumber(const std::optional<double>& value)
{
    return value ? QString::number(*value, 'g', 15) : QString();
}

// ---- Printed table

constexpr int kNameWidth = 16;
constexpr int kStateIndent = 6;
constexpr int kLineWidth = 128;

// A name too long for its column is cut, with dots to show it was.
QString nameField(const QString& name)
{
    if (name.size() <= kNameWidth)
        return name.leftJustified(kNameWidth);
    return name.left(kNameWidth - 3) + QStringLiteral("...");
}

QString shortState(CenterState state)
{
    switch (state) {
    case CenterState::Current:
        return PlantExportTexts::tr("current");
    case CenterState::Stale:
        return PlantExportTexts::tr("stale");
    case CenterState::NotCalculated:
        return PlantExportTexts::tr("not calculated");
    case CenterState::SharesFiles:
        return PlantExportTexts::tr("shares files");
    case CenterState::Unknown:
        return PlantExportTexts::tr("unknown");
    case CenterState::Unreadable:
        break;
    }
    return PlantExportTexts::tr("unreadable");
}

// The full state, under the row, broken between words to stay on the page.
QStringList stateLines(const QString& text)
{
    const int room = kLineWidth - kStateIndent;
    QStringList lines;
    QString line;
    for (const QString& word : text.split(u' ')) {
        if (!line.isEmpty() && line.size() + 1 + word.size() > room) {
            lines.append(line);
            line.clear();
        }
        line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
    }
    if (!line.isEmpty())
        lines.append(line);
    return lines;
}

// Two heading lines over the figures, each part right-aligned over its column.
void printColumnHeadings(PrintJob& job)
{
    QString upper = QString(kNameWidth, u' ');
    QString lower = PlantExportTexts::tr("Equipment").leftJustified(kNameWidth);
    const QList<FigureColumn>& all = figureColumns();
    const QStringList upperTexts = {PlantExportTexts::tr("Annual cost"), PlantExportTexts::tr("Chargeable")};
    const QStringList lowerTexts = {PlantExportTexts::tr("(total)"), PlantExportTexts::tr("hours")};
    for (int i = 0; i < 2; ++i) {
        upper += numbers::fixedField(upperTexts.at(i), all.at(i).printedWidth);
        lower += numbers::fixedField(lowerTexts.at(i), all.at(i).printedWidth);
    }
    for (int level = 1; level <= ResultRecord::kLevels; ++level) {
        const int width = all.at(2 * level).printedWidth + all.at(2 * level + 1).printedWidth;
        upper += numbers::fixedField(PlantExportTexts::tr("Level %1").arg(level), width - 2) + QStringLiteral("  ");
        lower += numbers::fixedField(QStringLiteral("%"), all.at(2 * level).printedWidth) +
                 numbers::fixedField(PlantExportTexts::tr("Rate (B)"), all.at(2 * level + 1).printedWidth);
    }
    const int rateA = all.at(all.size() - 2).printedWidth;
    const int rateC = all.at(all.size() - 1).printedWidth;
    upper += numbers::fixedField(PlantExportTexts::tr("Level 1"), rateA) +
             numbers::fixedField(PlantExportTexts::tr("Level 1"), rateC);
    lower += numbers::fixedField(PlantExportTexts::tr("Rate (A)"), rateA) +
             numbers::fixedField(PlantExportTexts::tr("Rate (C)"), rateC);
    lower += PlantExportTexts::tr("  State");
    job.printLine(upper).printLine(lower).printLine(QString(kLineWidth, u'-'));
}

void printRow(PrintJob& job, const CenterRow& row)
{
    QString line = nameField(row.name);
    for (const FigureColumn& figure : figureColumns()) {
        const std::optional<double> value = row.record ? figure.value(*row.record) : std::nullopt;
        line += numbers::fixedField(numbers::formatResult(value, figure.pattern), figure.printedWidth);
    }
    line += QStringLiteral("  ") + shortState(row.state);
    job.printLine(line);
    const QString full = plantoverview::stateText(row);
    // A name cut in its column is given whole with the details.
    const bool details =
        (row.state != CenterState::Current && row.state != CenterState::NotCalculated) || row.name.size() > kNameWidth;
    if (!details)
        return;
    const QString text = row.name.size() > kNameWidth ? row.name + QStringLiteral(": ") + full : full;
    for (const QString& part : stateLines(text))
        job.printLine(QString(kStateIndent, u' ') + part);
}

// The headings head the columns of the spreadsheet file as written, and the window's as shown.
using Words = QString (*)(const char*);

QString asWritten(const char* text)
{
    return QString::fromLatin1(text);
}

QString asShown(const char* text)
{
    return QCoreApplication::translate("PlantExport", text);
}

QStringList headingsIn(Words word)
{
    QStringList headings = {word(QT_TRANSLATE_NOOP("PlantExport", "Equipment")),
                            word(QT_TRANSLATE_NOOP("PlantExport", "Total annual cost")),
                            word(QT_TRANSLATE_NOOP("PlantExport", "Chargeable hours"))};
    for (int level = 1; level <= ResultRecord::kLevels; ++level)
        headings << word(QT_TRANSLATE_NOOP("PlantExport", "Efficiency %1 (%)")).arg(level)
                 << word(QT_TRANSLATE_NOOP("PlantExport", "Rate (B) %1")).arg(level);
    headings << word(QT_TRANSLATE_NOOP("PlantExport", "Rate (A) 1"))
             << word(QT_TRANSLATE_NOOP("PlantExport", "Rate (C) 1")) << word(QT_TRANSLATE_NOOP("PlantExport", "State"));
    return headings;
}

} // namespace

const QList<FigureColumn>& figureColumns()
{
    static const QList<FigureColumn> all = [] {
        const auto rateOf = [](HourlyRate rate, int level) {
            return [rate, level](const ResultRecord& record) { return record.rate(rate, level); };
        };
        QList<FigureColumn> list = {
            {[](const ResultRecord& record) { return record.annualCost(AnnualCost::AnnualCenterCost); },
             numbers::kAmountPattern, 14},
            {[](const ResultRecord& record) { return record.chargeableHours(1); }, numbers::kHoursPattern, 11},
        };
        for (int level = 1; level <= ResultRecord::kLevels; ++level) {
            list.append({[level](const ResultRecord& record) { return std::optional(record.efficiency(level)); },
                         numbers::kPercentPattern, 4});
            list.append({rateOf(HourlyRate::B, level), numbers::kMoneyPattern, 9});
        }
        list.append({rateOf(HourlyRate::A, 1), numbers::kMoneyPattern, 9});
        list.append({rateOf(HourlyRate::C, 1), numbers::kMoneyPattern, 9});
        return list;
    }();
    return all;
}

QStringList columnHeadings()
{
    return headingsIn(asWritten);
}

QStringList shownColumnHeadings()
{
    return headingsIn(asShown);
}

QByteArray csv(const plantoverview::Overview& overview)
{
    QByteArray bytes = csv::line(columnHeadings());
    for (const CenterRow& row : overview.centers) {
        QStringList fields = {csv::textCell(row.name)};
        for (const FigureColumn& figure : figureColumns())
            fields.append(row.record ? plainNumber(figure.value(*row.record)) : QString());
        fields.append(csv::textCell(plantoverview::stateText(row)));
        bytes += csv::line(fields);
    }
    return bytes;
}

PrintJob printed(const plantoverview::Overview& overview, int year)
{
    constexpr double kPictureMillimetres = 110;
    PrintJob job;
    job.landscape().fontName(QStringLiteral("Courier New")).fontSize(12).bold(true);
    job.printLine(PlantExportTexts::tr("Plant Overview %1").arg(year)).bold(false).fontSize(8).endLine();
    if (!overview.plantProblem.isEmpty())
        for (const QString& part : stateLines(overview.plantProblem))
            job.printLine(part);
    printColumnHeadings(job);
    for (const CenterRow& row : overview.centers)
        printRow(job, row);
    job.picture(PlantExportTexts::tr("Annual cost by center"), kPictureMillimetres, pagepicture::plantCosts(overview));
    return job.endDocument();
}

} // namespace plantexport

} // namespace report
