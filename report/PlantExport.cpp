#include "report/PlantExport.h"

#include "store/CsvTable.h"
#include "textrules/DisplayPattern.h"

#include <functional>
#include <optional>

using namespace textrules;
using namespace store;
using namespace engine;

namespace report {

namespace plantexport {
namespace {

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
        return QStringLiteral("current");
    case CenterState::Stale:
        return QStringLiteral("stale");
    case CenterState::NotCalculated:
        return QStringLiteral("not calculated");
    case CenterState::SharesFiles:
        return QStringLiteral("shares files");
    case CenterState::Unknown:
        return QStringLiteral("unknown");
    case CenterState::Unreadable:
        break;
    }
    return QStringLiteral("unreadable");
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
    QString lower = QStringLiteral("Equipment").leftJustified(kNameWidth);
    const QList<FigureColumn>& all = figureColumns();
    const QStringList upperTexts = {QStringLiteral("Annual cost"), QStringLiteral("Chargeable")};
    const QStringList lowerTexts = {QStringLiteral("(total)"), QStringLiteral("hours")};
    for (int i = 0; i < 2; ++i) {
        upper += numbers::fixedField(upperTexts.at(i), all.at(i).printedWidth);
        lower += numbers::fixedField(lowerTexts.at(i), all.at(i).printedWidth);
    }
    for (int level = 1; level <= ResultRecord::kLevels; ++level) {
        const int width = all.at(2 * level).printedWidth + all.at(2 * level + 1).printedWidth;
        upper += numbers::fixedField(QStringLiteral("Level %1").arg(level), width - 2) + QStringLiteral("  ");
        lower += numbers::fixedField(QStringLiteral("%"), all.at(2 * level).printedWidth) +
                 numbers::fixedField(QStringLiteral("Rate (B)"), all.at(2 * level + 1).printedWidth);
    }
    const int rateA = all.at(all.size() - 2).printedWidth;
    const int rateC = all.at(all.size() - 1).printedWidth;
    upper +=
        numbers::fixedField(QStringLiteral("Level 1"), rateA) + numbers::fixedField(QStringLiteral("Level 1"), rateC);
    lower +=
        numbers::fixedField(QStringLiteral("Rate (A)"), rateA) + numbers::fixedField(QStringLiteral("Rate (C)"), rateC);
    lower += QStringLiteral("  State");
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
    const bool details = full != shortState(row.state) || row.name.size() > kNameWidth;
    if (!details)
        return;
    const QString text = row.name.size() > kNameWidth ? row.name + QStringLiteral(": ") + full : full;
    for (const QString& part : stateLines(text))
        job.printLine(QString(kStateIndent, u' ') + part);
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
    QStringList headings = {QStringLiteral("Equipment"), QStringLiteral("Total annual cost"),
                            QStringLiteral("Chargeable hours")};
    for (int level = 1; level <= ResultRecord::kLevels; ++level)
        headings << QStringLiteral("Efficiency %1 (%)").arg(level) << QStringLiteral("Rate (B) %1").arg(level);
    headings << QStringLiteral("Rate (A) 1") << QStringLiteral("Rate (C) 1") << QStringLiteral("State");
    return headings;
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
    job.printLine(QStringLiteral("Plant Overview %1").arg(year)).bold(false).fontSize(8).endLine();
    if (!overview.plantProblem.isEmpty())
        for (const QString& part : stateLines(overview.plantProblem))
            job.printLine(part);
    printColumnHeadings(job);
    for (const CenterRow& row : overview.centers)
        printRow(job, row);
    job.picture(QStringLiteral("Annual cost by center"), kPictureMillimetres, pagepicture::plantCosts(overview));
    return job.endDocument();
}

} // namespace plantexport

} // namespace report
