#include "MarketCheckReport.h"

#include "DisplayPattern.h"
#include "NumberText.h"

#include <cmath>

using namespace marketcheck;

namespace marketchecktexts {
namespace {

const QString kWhole = QStringLiteral("###,###,###,##0");
const QString kUpToTwoDecimals = QStringLiteral("###,###,###,##0.##");
const QString kTenths = QStringLiteral("##0.0");

QString money(double value)
{
    return numbers::format(value, numbers::kMoneyPattern);
}

QString percent(double value, const QString& pattern)
{
    return numbers::format(value, pattern) + QStringLiteral(" %");
}

// A share rounded up to the given step of a percent, so that "or better" holds for the text.
double percentNeeded(double share, double step)
{
    return std::ceil(share * 100 / step - 1e-9) * step;
}

QString ownFigureProblem(const OwnFigure& figure, const QString& what, const QString& unit, const QString& text)
{
    switch (figure.reading) {
    case OwnFigure::Reading::Accepted:
        return QString();
    case OwnFigure::Reading::Missing:
        return QStringLiteral("Type the press's %1 in %2.").arg(what, unit);
    case OwnFigure::Reading::TooLarge:
        return QStringLiteral("The %1 is too large a number.").arg(what);
    case OwnFigure::Reading::NotAboveZero:
        break;
    }
    return QStringLiteral("The %1 must be above 0 %2; %3 reads as %4.")
        .arg(what, unit, text, numbers::format(figure.value, kUpToTwoDecimals));
}

QString crossingText(const Crossing& crossing)
{
    switch (crossing.kind) {
    case Crossing::Kind::CheaperAbove:
        // Every whole quantity above the meeting point is cheaper.
        return QStringLiteral("above %1 pieces").arg(numbers::format(std::floor(crossing.quantity), kWhole));
    case Crossing::Kind::CheaperBelow:
        return QStringLiteral("below %1 pieces").arg(numbers::format(std::ceil(crossing.quantity), kWhole));
    case Crossing::Kind::AlwaysCheaper:
        return QStringLiteral("at every quantity");
    case Crossing::Kind::NeverCheaper:
        break;
    }
    return QStringLiteral("at no quantity");
}

QString column(const QString& text, int width)
{
    return text.rightJustified(width);
}

} // namespace

QString heading(const QString& name)
{
    return QStringLiteral("Market Check of ") + name;
}

QString analysisLine(const CenterAnalysis& a)
{
    const auto whole = [](const std::optional<double>& v) { return numbers::formatResult(v, kWhole); };
    const auto amount = [](const std::optional<double>& v) { return numbers::formatResult(v, numbers::kMoneyPattern); };
    return QStringLiteral("The market pays %1 per thousand with %2 for set-up before mark-up, "
                          "which implies %3 iph and %4 minutes of set-up.")
        .arg(amount(a.costPerThousand), amount(a.setUpCost), whole(a.speed2), whole(a.setUpMinutes));
}

QString ownFigureSentence(const OwnFigure& speed, const OwnFigure& setUpMinutes)
{
    // The texts are quoted as typed, so the user sees what was read.
    return QStringList{ownFigureProblem(speed, QStringLiteral("running speed"), QStringLiteral("impressions per hour"),
                                        QStringLiteral("the speed typed")),
                       ownFigureProblem(setUpMinutes, QStringLiteral("set-up time"), QStringLiteral("minutes"),
                                        QStringLiteral("the set-up time typed"))}
        .join(u' ')
        .trimmed();
}

QString gapSentence(const MarketCheck& check, const QString& name)
{
    const QString calculateFirst = QStringLiteral("; press Calculate BHR for it first.");
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
    case MarketCheck::Gap::NoAnnualCost:
        return QStringLiteral("The results of %1 hold no annual cost").arg(name) + calculateFirst;
    case MarketCheck::Gap::NoHoursAtFull:
        return QStringLiteral("The results of %1 hold no working hours or no employees").arg(name) + calculateFirst;
    case MarketCheck::Gap::NoRate:
        break;
    }
    return QStringLiteral("The results of %1 hold no rate (B) at efficiency level %2").arg(name).arg(check.gapLevel) +
           calculateFirst;
}

QString verdict(const MarketCheck& check)
{
    const QString needed = percent(percentNeeded(check.breakEven, 1), kWhole);
    if (check.breakEven > 1)
        return QStringLiteral("Even at 100 % efficiency this press does not meet the market's price; it would need %1.")
            .arg(needed);
    return QStringLiteral("At %1 efficiency or better this press meets the market's price.").arg(needed);
}

QStringList figureLines(const MarketCheck& check)
{
    const QString speed = numbers::format(check.press.speed, kUpToTwoDecimals);
    const QString minutes = numbers::format(check.press.setUpMinutes, kUpToTwoDecimals);
    QStringList lines{
        QStringLiteral("Hourly cost the market's prices support:"),
        QStringLiteral("  run price at %1 iph").arg(speed).leftJustified(44) + column(money(check.runSupported), 12),
        QStringLiteral("  set-up price at %1 minutes").arg(minutes).leftJustified(44) +
            column(money(check.setUpSupported), 12),
        QStringLiteral("  the lower, which every job meets").leftJustified(44) + column(money(check.supported), 12),
        QString(),
        column(QStringLiteral("Level"), 5) + column(QStringLiteral("Efficiency"), 11) +
            column(QStringLiteral("Rate (B)"), 10) + column(QStringLiteral("Margin/hour"), 12) +
            column(QStringLiteral("Margin"), 9) + QStringLiteral("  Press cheaper"),
    };
    for (int i = 0; i < kLevels; ++i) {
        const LevelCheck& level = check.levels[i];
        lines << column(QString::number(i + 1), 3).leftJustified(5) + column(percent(level.efficiency, kWhole), 11) +
                     column(money(level.rateB), 10) + column(money(level.margin), 12) +
                     column(percent(level.marginPercent, kTenths), 9) + QStringLiteral("  ") +
                     crossingText(level.crossing);
    }
    lines << QString()
          << QStringLiteral("Break-even efficiency").leftJustified(44) +
                 column(percent(percentNeeded(check.breakEven, 0.1), kTenths), 12);
    return lines;
}

QString quantityAxisTitle()
{
    return QStringLiteral("Quantity (pieces)");
}

QString priceAxisTitle()
{
    return QStringLiteral("Price of the job ($)");
}

} // namespace marketchecktexts

PrintJob marketCheckReport(const QString& name, const CenterAnalysis& analysis, const MarketCheck& check)
{
    PrintJob job;
    job.fontName(QStringLiteral("Courier New")).fontSize(12).bold(true);
    job.printLine(QStringLiteral("   MARKET CHECK FOR: ") + name).fontSize(9).bold(false).endLine();
    job.printLine(QStringLiteral("   ") + marketchecktexts::analysisLine(analysis)).endLine();
    for (const QString& line : marketchecktexts::figureLines(check))
        job.printLine(line.isEmpty() ? line : QStringLiteral("   ") + line);
    job.endLine().bold(true).printLine(QStringLiteral("   ") + marketchecktexts::verdict(check)).bold(false);
    return job.endLine();
}
