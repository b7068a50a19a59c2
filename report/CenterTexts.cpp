#include "report/CenterTexts.h"

#include "textrules/DisplayPattern.h"
#include "textrules/NumberText.h"

#include <QCoreApplication>

using namespace textrules;
using namespace pricing;

namespace report {

namespace centertexts {
namespace {
struct CenterTextsTexts {
    Q_DECLARE_TR_FUNCTIONS(CenterTexts)
};

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
    return CenterTextsTexts::tr("Equipment is Specified as ") + name;
}

QStringList speedParagraph(const QString& name, const CenterAnalysis& a)
{
    return {
        CenterTextsTexts::tr("  The ") + name + CenterTextsTexts::tr(" Will Have A Rated Straight Line Speed"),
        CenterTextsTexts::tr("  of ") + digits(a.speed1) + CenterTextsTexts::tr(" iph at a Quantity Level of ") +
            digits(a.quantity1) + CenterTextsTexts::tr(" and ") + digits(a.speed2),
        CenterTextsTexts::tr("  iph at a Quantity Level of ") + digits(a.quantity2) +
            CenterTextsTexts::tr(".  The Retail $/M"),
        CenterTextsTexts::tr("  is ") + money(a.retailPerThousand) +
            CenterTextsTexts::tr(" with a Retail Set-Up Price of ") + money(a.retailSetUpPrice) + QStringLiteral("."),
        CenterTextsTexts::tr("  The Cost per Hour is ") + money(a.hourlyCost) +
            CenterTextsTexts::tr(", with a MarkUp of ") + markUpText(a),
    };
}

QStringList costParagraph(const CenterAnalysis& a)
{
    return {
        CenterTextsTexts::tr("  Your cost before Mark-Up will be ") + money(a.costPerThousand) +
            CenterTextsTexts::tr(" Per"),
        CenterTextsTexts::tr("  Thousand and includes ") + money(a.setUpCost) +
            CenterTextsTexts::tr(" as Set-Up Cost."),
        CenterTextsTexts::tr("  You will be using ") + digits(a.setUpMinutes) +
            CenterTextsTexts::tr(" Minutes for Set-Up Time."),
    };
}

QString tableHeading()
{
    return CenterTextsTexts::tr("  Quantity                       Cost                         Retail");
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
