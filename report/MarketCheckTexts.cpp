#include "report/MarketCheckTexts.h"

#include "textrules/DisplayPattern.h"

#include <QCoreApplication>
#include <cmath>

using namespace textrules;
using namespace pricing;

namespace report {

using namespace marketcheck;

namespace marketchecktexts {
namespace {
struct MarketCheckTextsTexts {
    Q_DECLARE_TR_FUNCTIONS(MarketCheckTexts)
};

const QString kWhole = QStringLiteral("###,###,###,##0");
const QString kUpToTwoDecimals = QStringLiteral("###,###,###,##0.##");
const QString kTenths = QStringLiteral("##0.0");
const QString kHours = QStringLiteral("###,###,##0.00");
constexpr int kLabelWidth = 46;
constexpr int kFigureWidth = 12;

QString money(double value)
{
    return numbers::format(value, numbers::kMoneyPattern);
}

// A share rounded up to a tenth of a percent, so that "or better" holds for the text.
QString percentNeeded(double share)
{
    return numbers::format(std::ceil(share * 1000 - 1e-9) / 10, kTenths) + QStringLiteral(" %");
}

QString ownFigureProblem(const OwnFigure& figure, const QString& what, const QString& unit, const QString& text)
{
    switch (figure.reading) {
    case OwnFigure::Reading::Accepted:
        return QString();
    case OwnFigure::Reading::Missing:
        return MarketCheckTextsTexts::tr("Type the %1 in %2.").arg(what, unit);
    case OwnFigure::Reading::TooLarge:
        return MarketCheckTextsTexts::tr("The %1 is too large a number.").arg(what);
    case OwnFigure::Reading::NotAboveZero:
        break;
    }
    return MarketCheckTextsTexts::tr("The %1 must be above 0 %2; %3 reads as %4.")
        .arg(what, unit, text, numbers::format(figure.value, kUpToTwoDecimals));
}

// "a", "a and b", "a, b and c".
QString listed(const QStringList& items)
{
    if (items.size() < 2)
        return items.join(QString());
    return items.mid(0, items.size() - 1).join(QStringLiteral(", ")) + MarketCheckTextsTexts::tr(" and ") +
           items.last();
}

QString levelsWhere(const MarketCheck& check, bool cheaper)
{
    QStringList levels;
    for (const LevelCheck& level : check.levels)
        if (level.cheaper == cheaper)
            levels << percent(level.efficiency);
    return listed(levels);
}

QString cheaperLevels(const MarketCheck& check)
{
    const QString cheaper = levelsWhere(check, true);
    const QString dearer = levelsWhere(check, false);
    if (dearer.isEmpty())
        return MarketCheckTextsTexts::tr("cheaper than the market at every efficiency level (%1)").arg(cheaper);
    if (cheaper.isEmpty())
        return MarketCheckTextsTexts::tr("not cheaper than the market at any efficiency level (%1)").arg(dearer);
    return MarketCheckTextsTexts::tr("cheaper than the market at %1 efficiency, not at %2").arg(cheaper, dearer);
}

// The short form for the table's last column.
QString cheaperCell(const Crossing& crossing)
{
    switch (crossing.kind) {
    case Crossing::Kind::CheaperAbove:
        return MarketCheckTextsTexts::tr("above ") + numbers::format(std::floor(crossing.quantity), kWhole);
    case Crossing::Kind::CheaperBelow:
        return MarketCheckTextsTexts::tr("below ") + numbers::format(std::ceil(crossing.quantity), kWhole);
    case Crossing::Kind::AlwaysCheaper:
        return MarketCheckTextsTexts::tr("every quantity");
    case Crossing::Kind::NeverCheaper:
        break;
    }
    return MarketCheckTextsTexts::tr("never");
}

QString column(const QString& text, int width)
{
    return text.rightJustified(width);
}

QString figureLine(const QString& label, const QString& figure)
{
    return (QStringLiteral("  ") + label).leftJustified(kLabelWidth) + column(figure, kFigureWidth);
}

QStringList levelTable(const MarketCheck& check)
{
    QStringList lines{
        column(MarketCheckTextsTexts::tr("Level"), 5) + column(MarketCheckTextsTexts::tr("Efficiency"), 11) +
        column(MarketCheckTextsTexts::tr("Rate (B)"), 11) + column(MarketCheckTextsTexts::tr("Job cost"), 12) +
        column(MarketCheckTextsTexts::tr("Margin/hour"), 13) + column(MarketCheckTextsTexts::tr("Margin/job"), 13) +
        MarketCheckTextsTexts::tr("  Press cheaper")};
    for (int i = 0; i < kLevels; ++i) {
        const LevelCheck& level = check.levels[i];
        lines << column(QString::number(i + 1), 3).leftJustified(5) + column(percent(level.efficiency), 11) +
                     column(money(level.rateB), 11) + column(money(level.jobCost), 12) +
                     column(money(level.marginPerHour), 13) + column(money(level.marginPerJob), 13) +
                     QStringLiteral("  ") + cheaperCell(level.crossing);
    }
    return lines;
}

} // namespace

QString percent(double value)
{
    return numbers::format(value, kUpToTwoDecimals) + QStringLiteral(" %");
}

QString quantity(double value)
{
    return numbers::format(value, kUpToTwoDecimals) +
           (value == 1 ? MarketCheckTextsTexts::tr(" piece") : MarketCheckTextsTexts::tr(" pieces"));
}

QString heading(const QString& name)
{
    return MarketCheckTextsTexts::tr("Market Check of ") + name;
}

QString marketLine(const CenterAnalysis& analysis)
{
    const std::optional<MarketPrices> market = marketPrices(analysis);
    if (!market)
        return QString();
    const auto whole = [](const std::optional<double>& v) { return numbers::formatResult(v, kWhole); };
    return MarketCheckTextsTexts::tr("The market's price: run %1 per thousand plus %2 set-up per job, before mark-up "
                                     "(a 1,000-piece job: %3). It implies %4 iph and %5 minutes of set-up.")
        .arg(money(market->runCostPerPiece * 1000), money(market->setUpCost), money(market->cost(1000)),
             whole(analysis.speed2), whole(analysis.setUpMinutes));
}

QString pressLine(const MarketCheck& check)
{
    return MarketCheckTextsTexts::tr("This press: %1 iph, %2 minutes of set-up; typical job: %3.")
        .arg(numbers::format(check.press.speed, kUpToTwoDecimals),
             numbers::format(check.press.setUpMinutes, kUpToTwoDecimals), quantity(check.job));
}

QString ownFigureSentence(const OwnFigure& speed, const OwnFigure& setUpMinutes, const OwnFigure& job)
{
    // The texts are quoted as typed, so the user sees what was read.
    return QStringList{
        ownFigureProblem(speed, MarketCheckTextsTexts::tr("press's running speed"),
                         MarketCheckTextsTexts::tr("impressions per hour"),
                         MarketCheckTextsTexts::tr("the speed typed")),
        ownFigureProblem(setUpMinutes, MarketCheckTextsTexts::tr("press's set-up time"),
                         MarketCheckTextsTexts::tr("minutes"), MarketCheckTextsTexts::tr("the set-up time typed")),
        ownFigureProblem(job, MarketCheckTextsTexts::tr("typical job"), MarketCheckTextsTexts::tr("pieces"),
                         MarketCheckTextsTexts::tr("the job typed"))}
        .join(u' ')
        .simplified();
}

QString gapSentence(const MarketCheck& check, const QString& name)
{
    const QString calculate = MarketCheckTextsTexts::tr("Calculate BHR for %1 to compare its rates.").arg(name);
    switch (check.gap) {
    case MarketCheck::Gap::None:
        return QString();
    case MarketCheck::Gap::NoMarketPrices:
        return MarketCheckTextsTexts::tr(
            "The analysis could not work out the market's prices, so there is nothing to check "
            "this press against.");
    case MarketCheck::Gap::RunCostNotAboveZero:
        return MarketCheckTextsTexts::tr(
            "The market's run price is not above $0.00 a piece, so it pays for no press time.");
    case MarketCheck::Gap::SetUpCostNotAboveZero:
        return MarketCheckTextsTexts::tr(
            "The market's set-up price is not above $0.00, so it pays for no set-up time.");
    case MarketCheck::Gap::NoResults:
        return calculate;
    case MarketCheck::Gap::UnreadableResults:
        return MarketCheckTextsTexts::tr("The saved results of %1 cannot be read. ").arg(name) + calculate;
    case MarketCheck::Gap::NoAnnualCost:
        return MarketCheckTextsTexts::tr("The saved results of %1 hold no annual cost. ").arg(name) + calculate;
    case MarketCheck::Gap::NoHoursAtFull:
        return MarketCheckTextsTexts::tr("The saved results of %1 hold no working hours or no employees. ").arg(name) +
               calculate;
    case MarketCheck::Gap::NoRate:
        break;
    }
    return MarketCheckTextsTexts::tr("The saved results of %1 hold no rate (B) at efficiency level %2. ")
               .arg(name)
               .arg(check.gapLevel) +
           calculate;
}

QStringList verdict(const MarketCheck& check)
{
    QStringList lines{
        MarketCheckTextsTexts::tr("For a job of %1 this press is %2; it needs %3 efficiency or better to break "
                                  "even on this job.")
            .arg(quantity(check.job), cheaperLevels(check), percentNeeded(check.breakEven))};
    for (const LevelCheck& level : check.levels)
        lines << MarketCheckTextsTexts::tr("At %1: %2.").arg(percent(level.efficiency), cheaperWhere(level.crossing));
    return lines;
}

QString cheaperWhere(const Crossing& crossing)
{
    switch (crossing.kind) {
    case Crossing::Kind::CheaperAbove:
        return MarketCheckTextsTexts::tr("cheaper above ") + quantity(std::floor(crossing.quantity));
    case Crossing::Kind::CheaperBelow:
        return MarketCheckTextsTexts::tr("cheaper below ") + quantity(std::ceil(crossing.quantity));
    case Crossing::Kind::AlwaysCheaper:
        return MarketCheckTextsTexts::tr("cheaper at every quantity");
    case Crossing::Kind::NeverCheaper:
        break;
    }
    return MarketCheckTextsTexts::tr("never cheaper");
}

QStringList figureLines(const MarketCheck& check)
{
    QStringList lines{
        MarketCheckTextsTexts::tr("For a job of %1, before mark-up:").arg(quantity(check.job)),
        figureLine(MarketCheckTextsTexts::tr("the market's cost of the job"), money(check.marketCost)),
        figureLine(MarketCheckTextsTexts::tr("press hours: %1 set-up + %2 run")
                       .arg(numbers::format(check.press.setUpHours(), kHours),
                            numbers::format(check.job / check.press.speed, kHours)),
                   numbers::format(check.pressHours, kHours)),
        figureLine(MarketCheckTextsTexts::tr("market-supported hourly cost for this job"), money(check.supported)),
    };
    if (check.hasRates())
        lines << figureLine(MarketCheckTextsTexts::tr("break-even efficiency for this job"),
                            percentNeeded(check.breakEven));
    lines << MarketCheckTextsTexts::tr("To be cheaper on every job, however small: at most %1 per hour")
                 .arg(money(check.everyJob));
    if (check.hasRates())
        lines << QString() << levelTable(check);
    return lines;
}

} // namespace marketchecktexts

} // namespace report
