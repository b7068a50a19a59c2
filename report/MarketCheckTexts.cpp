#include "report/MarketCheckTexts.h"

#include "textrules/DisplayPattern.h"

#include <cmath>

using namespace textrules;
using namespace pricing;

namespace report {

using namespace marketcheck;

namespace marketchecktexts {
namespace {

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
        return QStringLiteral("Type the %1 in %2.").arg(what, unit);
    case OwnFigure::Reading::TooLarge:
        return QStringLiteral("The %1 is too large a number.").arg(what);
    case OwnFigure::Reading::NotAboveZero:
        break;
    }
    return QStringLiteral("The %1 must be above 0 %2; %3 reads as %4.")
        .arg(what, unit, text, numbers::format(figure.value, kUpToTwoDecimals));
}

// "a", "a and b", "a, b and c".
QString listed(const QStringList& items)
{
    if (items.size() < 2)
        return items.join(QString());
    return items.mid(0, items.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" and ") + items.last();
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
        return QStringLiteral("cheaper than the market at every efficiency level (%1)").arg(cheaper);
    if (cheaper.isEmpty())
        return QStringLiteral("not cheaper than the market at any efficiency level (%1)").arg(dearer);
    return QStringLiteral("cheaper than the market at %1 efficiency, not at %2").arg(cheaper, dearer);
}

// The short form for the table's last column.
QString cheaperCell(const Crossing& crossing)
{
    switch (crossing.kind) {
    case Crossing::Kind::CheaperAbove:
        return QStringLiteral("above ") + numbers::format(std::floor(crossing.quantity), kWhole);
    case Crossing::Kind::CheaperBelow:
        return QStringLiteral("below ") + numbers::format(std::ceil(crossing.quantity), kWhole);
    case Crossing::Kind::AlwaysCheaper:
        return QStringLiteral("every quantity");
    case Crossing::Kind::NeverCheaper:
        break;
    }
    return QStringLiteral("never");
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
    QStringList lines{column(QStringLiteral("Level"), 5) + column(QStringLiteral("Efficiency"), 11) +
                      column(QStringLiteral("Rate (B)"), 11) + column(QStringLiteral("Job cost"), 12) +
                      column(QStringLiteral("Margin/hour"), 13) + column(QStringLiteral("Margin/job"), 13) +
                      QStringLiteral("  Press cheaper")};
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
           (value == 1 ? QStringLiteral(" piece") : QStringLiteral(" pieces"));
}

QString heading(const QString& name)
{
    return QStringLiteral("Market Check of ") + name;
}

QString marketLine(const CenterAnalysis& analysis)
{
    const std::optional<MarketPrices> market = marketPrices(analysis);
    if (!market)
        return QString();
    const auto whole = [](const std::optional<double>& v) { return numbers::formatResult(v, kWhole); };
    return QStringLiteral("The market's price: run %1 per thousand plus %2 set-up per job, before mark-up "
                          "(a 1,000-piece job: %3). It implies %4 iph and %5 minutes of set-up.")
        .arg(money(market->runCostPerPiece * 1000), money(market->setUpCost), money(market->cost(1000)),
             whole(analysis.speed2), whole(analysis.setUpMinutes));
}

QString pressLine(const MarketCheck& check)
{
    return QStringLiteral("This press: %1 iph, %2 minutes of set-up; typical job: %3.")
        .arg(numbers::format(check.press.speed, kUpToTwoDecimals),
             numbers::format(check.press.setUpMinutes, kUpToTwoDecimals), quantity(check.job));
}

QString ownFigureSentence(const OwnFigure& speed, const OwnFigure& setUpMinutes, const OwnFigure& job)
{
    // The texts are quoted as typed, so the user sees what was read.
    return QStringList{
        ownFigureProblem(speed, QStringLiteral("press's running speed"), QStringLiteral("impressions per hour"),
                         QStringLiteral("the speed typed")),
        ownFigureProblem(setUpMinutes, QStringLiteral("press's set-up time"), QStringLiteral("minutes"),
                         QStringLiteral("the set-up time typed")),
        ownFigureProblem(job, QStringLiteral("typical job"), QStringLiteral("pieces"), QStringLiteral("the job typed"))}
        .join(u' ')
        .simplified();
}

QString gapSentence(const MarketCheck& check, const QString& name)
{
    const QString calculate = QStringLiteral("Calculate BHR for %1 to compare its rates.").arg(name);
    switch (check.gap) {
    case MarketCheck::Gap::None:
        return QString();
    case MarketCheck::Gap::NoMarketPrices:
        return QStringLiteral("The analysis could not work out the market's prices, so there is nothing to check "
                              "this press against.");
    case MarketCheck::Gap::RunCostNotAboveZero:
        return QStringLiteral("The market's run price is not above $0.00 a piece, so it pays for no press time.");
    case MarketCheck::Gap::SetUpCostNotAboveZero:
        return QStringLiteral("The market's set-up price is not above $0.00, so it pays for no set-up time.");
    case MarketCheck::Gap::NoResults:
        return calculate;
    case MarketCheck::Gap::UnreadableResults:
        return QStringLiteral("The saved results of %1 cannot be read. ").arg(name) + calculate;
    case MarketCheck::Gap::NoAnnualCost:
        return QStringLiteral("The saved results of %1 hold no annual cost. ").arg(name) + calculate;
    case MarketCheck::Gap::NoHoursAtFull:
        return QStringLiteral("The saved results of %1 hold no working hours or no employees. ").arg(name) + calculate;
    case MarketCheck::Gap::NoRate:
        break;
    }
    return QStringLiteral("The saved results of %1 hold no rate (B) at efficiency level %2. ")
               .arg(name)
               .arg(check.gapLevel) +
           calculate;
}

QStringList verdict(const MarketCheck& check)
{
    QStringList lines{QStringLiteral("For a job of %1 this press is %2; it needs %3 efficiency or better to break "
                                     "even on this job.")
                          .arg(quantity(check.job), cheaperLevels(check), percentNeeded(check.breakEven))};
    for (const LevelCheck& level : check.levels)
        lines << QStringLiteral("At %1: %2.").arg(percent(level.efficiency), cheaperWhere(level.crossing));
    return lines;
}

QString cheaperWhere(const Crossing& crossing)
{
    switch (crossing.kind) {
    case Crossing::Kind::CheaperAbove:
        return QStringLiteral("cheaper above ") + quantity(std::floor(crossing.quantity));
    case Crossing::Kind::CheaperBelow:
        return QStringLiteral("cheaper below ") + quantity(std::ceil(crossing.quantity));
    case Crossing::Kind::AlwaysCheaper:
        return QStringLiteral("cheaper at every quantity");
    case Crossing::Kind::NeverCheaper:
        break;
    }
    return QStringLiteral("never cheaper");
}

QStringList figureLines(const MarketCheck& check)
{
    QStringList lines{
        QStringLiteral("For a job of %1, before mark-up:").arg(quantity(check.job)),
        figureLine(QStringLiteral("the market's cost of the job"), money(check.marketCost)),
        figureLine(QStringLiteral("press hours: %1 set-up + %2 run")
                       .arg(numbers::format(check.press.setUpHours(), kHours),
                            numbers::format(check.job / check.press.speed, kHours)),
                   numbers::format(check.pressHours, kHours)),
        figureLine(QStringLiteral("market-supported hourly cost for this job"), money(check.supported)),
    };
    if (check.hasRates())
        lines << figureLine(QStringLiteral("break-even efficiency for this job"), percentNeeded(check.breakEven));
    lines
        << QStringLiteral("To be cheaper on every job, however small: at most %1 per hour").arg(money(check.everyJob));
    if (check.hasRates())
        lines << QString() << levelTable(check);
    return lines;
}

} // namespace marketchecktexts

} // namespace report
