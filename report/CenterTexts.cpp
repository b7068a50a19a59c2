#include "report/CenterTexts.h"

#include "textrules/DisplayPattern.h"
#include "textrules/NumberText.h"

using namespace textrules;
using namespace pricing;

namespace report {

namespace centertexts {
namespace {
const QString kGap(11, u' ');

QString digits(const std::optional<int>& value)
{
    return value ? QString::number(*value) : QString();
}

QString markUpText(const CenterAnalysis& analysis)
{
    return analysis.shownMarkUp ? markUpFigure(analysis) + QStringLiteral("%.") : QString();
}

QString tableRow(const TableRow& row)
{
    return QStringLiteral("  ") + QString::number(row.quantity).rightJustified(7) + kGap +
           money(row.cost).rightJustified(10) + kGap + money(row.retail).rightJustified(10);
}
} // namespace

QString digits(const std::optional<double>& value)
{
    return value ? numbers::boxText(*value) : QString();
}

QString money(const std::optional<double>& value)
{
    return numbers::formatResult(value, numbers::kMoneyPattern);
}

QString markUpFigure(const CenterAnalysis& analysis)
{
    if (!analysis.shownMarkUp)
        return QString();
    if (*analysis.shownMarkUp > 0)
        return numbers::formatResult(analysis.markUpPercent, numbers::kPercentPattern);
    return QStringLiteral("0");
}

QString heading(const QString& name)
{
    return QStringLiteral("Equipment is Specified as ") + name;
}

QStringList speedParagraph(const QString& name, const CenterAnalysis& a)
{
    return {
        QStringLiteral("  The ") + name + QStringLiteral(" Will Have A Rated Straight Line Speed"),
        QStringLiteral("  of ") + digits(a.speed1) + QStringLiteral(" iph at a Quantity Level of ") +
            digits(a.quantity1) + QStringLiteral(" and ") + digits(a.speed2),
        QStringLiteral("  iph at a Quantity Level of ") + digits(a.quantity2) + QStringLiteral(".  The Retail $/M"),
        QStringLiteral("  is ") + money(a.retailPerThousand) + QStringLiteral(" with a Retail Set-Up Price of ") +
            money(a.retailSetUpPrice) + QStringLiteral("."),
        QStringLiteral("  The Cost per Hour is ") + money(a.hourlyCost) + QStringLiteral(", with a MarkUp of ") +
            markUpText(a),
    };
}

QStringList costParagraph(const CenterAnalysis& a)
{
    return {
        QStringLiteral("  Your cost before Mark-Up will be ") + money(a.costPerThousand) + QStringLiteral(" Per"),
        QStringLiteral("  Thousand and includes ") + money(a.setUpCost) + QStringLiteral(" as Set-Up Cost."),
        QStringLiteral("  You will be using ") + digits(a.setUpMinutes) + QStringLiteral(" Minutes for Set-Up Time."),
    };
}

QString tableHeading()
{
    return QStringLiteral("  Quantity                       Cost                         Retail");
}

QStringList tableRows(const CenterAnalysis& analysis)
{
    QStringList rows;
    for (const TableRow& row : analysis.rows)
        rows.append(tableRow(row));
    return rows;
}

} // namespace centertexts

} // namespace report
