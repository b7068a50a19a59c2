// Whether a press can live at the market's prices for a typical job: hand-worked scenarios on the
// worked examples of the cost formulas and the reverse engineering, and the verdict at random
// inputs against a calculation of this test's own.
#include "engine/CostFormulas.h"
#include "engine/ResultSlots.h"
#include "pricing/MarketCheck.h"
#include "report/MarketCheckTexts.h"
#include "tests/engine/WorkedExample.h"
#include "tests/pricing/PricingExamples.h"
#include "tests/support/ProgramNames.h"

#include <QRegularExpression>
#include <QTest>

#include <random>

Q_DECLARE_METATYPE(PricingFields)

using namespace marketcheck;
using Kind = Crossing::Kind;
using Gap = MarketCheck::Gap;
using Reading = OwnFigure::Reading;
namespace slot = resultslots;

namespace {
constexpr double kCent = 0.01;

// The worked example of the cost formulas: annual cost 134709.2540571..., 3904 hours at 100 % of
// two employees, so rate (B) at e % is 134709.254 x 2 / (3904 x e / 100) = 69.0109 / (e / 100):
// 69.0109, 86.2636, 98.5870 and 115.0181 at 100, 80, 70 and 60 %.
Results workedResults()
{
    Results results{Results::State::Read, {}};
    if (calculateCosts(workedExampleInputs(), results.record) != CostOutcome::Completed)
        qFatal("the worked example of the cost formulas no longer calculates");
    return results;
}

// A second market, for a press whose run is dearer than the market's at low efficiency: 1,000
// pieces at $300 and 10,000 at $626.25 with 25 % mark-up. Retail: (626.25 - 300) / 9000 = 0.03625
// a piece and 300 - 36.25 = $263.75 set-up; cost: 0.03625 / 1.25 = 0.029 and 263.75 / 1.25 = $211.
PricingFields cheapRunMarket()
{
    return withField(withField(workedExampleFields(), &PricingFields::price1, "300"), &PricingFields::price2, "626.25");
}

struct Level {
    Kind kind;
    double quantity; // for CheaperAbove and CheaperBelow
    bool cheaper;    // for the job
};

// "above 88.6716 y": cheaper above 88.6716 pieces, and cheaper for the job; "every", "never" alone.
QList<Level> levels(const QString& text)
{
    QList<Level> parsed;
    for (const QString& entry : text.split(u',')) {
        const QStringList words = entry.simplified().split(u' ');
        const QString kind = words.value(0);
        const Kind k = kind == "above"   ? Kind::CheaperAbove
                       : kind == "below" ? Kind::CheaperBelow
                       : kind == "every" ? Kind::AlwaysCheaper
                                         : Kind::NeverCheaper;
        const bool ranged = k == Kind::CheaperAbove || k == Kind::CheaperBelow;
        const bool cheaper = k == Kind::AlwaysCheaper || (ranged && words.value(2) == "y");
        parsed.append({k, ranged ? words.value(1).toDouble() : 0.0, cheaper});
    }
    return parsed;
}

bool near(double program, double hand, double tolerance)
{
    return qAbs(program - hand) <= tolerance;
}

QByteArray beside(const char* what, double program, double hand)
{
    return QStringLiteral("%1: program %2, by hand %3").arg(what).arg(program, 0, 'f', 4).arg(hand, 0, 'f', 4).toUtf8();
}
} // namespace

class TestMarketCheck : public QObject {
    Q_OBJECT
private slots:
    void handWorkedJobs_data();
    void handWorkedJobs();
    void verdictMatchesAnIndependentCalculation();
    void typicalJobLiesBetweenTheQuantities();
    void gapsLeaveNoRates_data();
    void gapsLeaveNoRates();
    void ownFigures_data();
    void ownFigures();
};

void TestMarketCheck::handWorkedJobs_data()
{
    QTest::addColumn<PricingFields>("market");
    QTest::addColumn<double>("speed");
    QTest::addColumn<double>("minutes");
    QTest::addColumn<double>("job");
    QTest::addColumn<double>("marketCost");
    QTest::addColumn<double>("pressHours");
    QTest::addColumn<double>("supported");
    QTest::addColumn<double>("breakEvenPercent");
    QTest::addColumn<QString>("levels"); // 100 %, 80 %, 70 %, 60 %: where cheaper, and at the job

    // The worked example's market: cost 32 + 0.068 x q. A level is cheaper above
    // (rate x set-up hours - 32) / (0.068 - rate / speed) when the set-up is dearer and the run cheaper.
    //
    // 882 iph, 32 minutes, 1,000 pieces: hours 32/60 + 1000/882 = 1.66712; cost 32 + 68 = $100;
    // 100 / 1.66712 = $59.9837 an hour; 69.0109 / 59.9837 = 115.0494 %. The set-up (69.0109 x 32/60 =
    // 36.81 > 32) and the run (69.0109 / 882 = 0.0782 > 0.068) are dearer at every level: never.
    QTest::newRow("882 iph, the market's own press") << workedExampleFields() << 882.0 << 32.0 << 1000.0 << 100.0
                                                     << 1.66712 << 59.9837 << 115.0494 << "never, never, never, never";
    // 5,000 iph, 32 minutes, 1,000 pieces: hours 0.53333 + 0.2 = 0.73333; 100 / 0.73333 = $136.3636;
    // 69.0109 / 136.3636 = 50.6080 %; the job at 100 % costs 0.73333 x 69.0109 = $50.61. Above
    // (36.8058 - 32) / (0.068 - 0.0138022) = 88.6716; at 80 % (46.0073 - 32) / (0.068 - 0.0172527)
    // = 276.0199; at 70 % 20.5797 / 0.0482826 = 426.2348; at 60 % 29.3430 / 0.0449964 = 652.1195.
    QTest::newRow("5,000 iph, cheaper above a few hundred")
        << workedExampleFields() << 5000.0 << 32.0 << 1000.0 << 100.0 << 0.73333 << 136.3636 << 50.6080
        << "above 88.6716 y, above 276.0199 y, above 426.2348 y, above 652.1195 y";
    // 8,000 iph, 120 minutes, 10,000 pieces: hours 2 + 1.25 = 3.25; cost 32 + 680 = $712;
    // 712 / 3.25 = $219.0769; 69.0109 / 219.0769 = 31.5008 %; at 100 % the job costs $224.29.
    // Above (138.0218 - 32) / (0.068 - 0.0086264) = 1785.6709; 80 %: 140.5272 / 0.0572170 = 2456.0376;
    // 70 %: 165.1740 / 0.0556766 = 2966.6662; 60 %: 198.0363 / 0.0536227 = 3693.1407.
    QTest::newRow("8,000 iph, two-hour make-ready")
        << workedExampleFields() << 8000.0 << 120.0 << 10000.0 << 712.0 << 3.25 << 219.0769 << 31.5008
        << "above 1785.6709 y, above 2456.0376 y, above 2966.6662 y, above 3693.1407 y";
    // The second market, cost 211 + 0.029 x q. 3,000 iph, 20 minutes, 20,000 pieces: hours 1/3 +
    // 20000/3000 = 7; cost 211 + 580 = $791; 791 / 7 = $113; 69.0109 / 113 = 61.0716 %. Set-up
    // 69.0109 / 3 = 23.00 < 211 at every level. Run 69.0109 / 3000 = 0.0230 and 86.2636 / 3000 =
    // 0.02875 below 0.029: every quantity; 98.5870 / 3000 = 0.032862 above it: cheaper below
    // (211 - 32.8623) / (0.032862 - 0.029) = 46121.8421, so at 20,000; 115.0181: (211 - 38.3394) /
    // (0.0383394 - 0.029) = 18487.3699, so not at 20,000.
    QTest::newRow("3,000 iph, 20 minutes, dearer run at low efficiency")
        << cheapRunMarket() << 3000.0 << 20.0 << 20000.0 << 791.0 << 7.0 << 113.0 << 61.0716
        << "every, every, below 46121.8421 y, below 18487.3699 n";
    // 500 iph, 45 minutes, 1,000 pieces: hours 0.75 + 2 = 2.75; 100 / 2.75 = $36.3636;
    // 69.0109 / 36.3636 = 189.7799 %. Set-up 69.0109 x 0.75 = 51.76 > 32, run 0.138 > 0.068: never.
    QTest::newRow("500 iph, 45 minutes, never cheaper") << workedExampleFields() << 500.0 << 45.0 << 1000.0 << 100.0
                                                        << 2.75 << 36.3636 << 189.7799 << "never, never, never, never";
    // 12,000 iph, 10 minutes, 1,000 pieces: hours 1/6 + 1/12 = 0.25; 100 / 0.25 = $400;
    // 69.0109 / 400 = 17.2527 %. Set-up 115.0181 / 6 = 19.17 < 32, run 115.0181 / 12000 = 0.0096 <
    // 0.068 even at 60 %: cheaper at every quantity.
    QTest::newRow("12,000 iph, 10 minutes, always cheaper")
        << workedExampleFields() << 12000.0 << 10.0 << 1000.0 << 100.0 << 0.25 << 400.0 << 17.2527
        << "every, every, every, every";
}

void TestMarketCheck::handWorkedJobs()
{
    QFETCH(PricingFields, market);
    QFETCH(double, speed);
    QFETCH(double, minutes);
    QFETCH(double, job);
    QFETCH(double, marketCost);
    QFETCH(double, pressHours);
    QFETCH(double, supported);
    QFETCH(double, breakEvenPercent);
    QFETCH(QString, levels);
    const MarketCheck check = checkMarket(analyseCenter(market), {speed, minutes}, job, workedResults());
    QCOMPARE(check.gap, Gap::None);
    QVERIFY2(near(check.marketCost, marketCost, kCent), beside("market cost", check.marketCost, marketCost));
    QVERIFY2(near(check.pressHours, pressHours, 1e-5), beside("press hours", check.pressHours, pressHours));
    QVERIFY2(near(check.supported, supported, 1e-4), beside("supported", check.supported, supported));
    QVERIFY2(near(check.breakEven * 100, breakEvenPercent, 1e-4),
             beside("break-even %", check.breakEven * 100, breakEvenPercent));
    const QList<Level> hand = ::levels(levels);
    for (int i = 0; i < kLevels; ++i) {
        const LevelCheck& level = check.levels[i];
        QCOMPARE(level.crossing.kind, hand[i].kind);
        // The market's line is held in single precision: a millionth of the quantity.
        QVERIFY2(near(level.crossing.quantity, hand[i].quantity, 1e-6 * hand[i].quantity),
                 beside("cross-over", level.crossing.quantity, hand[i].quantity));
        QCOMPARE(level.cheaper, hand[i].cheaper);
        // The margins say the same as the verdict.
        QCOMPARE(level.marginPerJob > 0, hand[i].cheaper);
        QCOMPARE(level.marginPerHour > 0, hand[i].cheaper);
    }
}

// Random shops, markets and presses. For every level the verdict at the job must be the sign of
// market cost less press cost as worked out here, the cross-over the quantity where the two
// meet, its whole-number text on the right side of it, and the break-even efficiency the one at
// which rate (B) pays what the market's price pays an hour.
void TestMarketCheck::verdictMatchesAnIndependentCalculation()
{
    std::mt19937 random(20);
    const auto uniform = [&random](double from, double to) {
        return std::uniform_real_distribution<double>(from, to)(random);
    };
    const auto cents = [](double amount) { return QString::number(std::round(amount * 100) / 100, 'f', 2); };
    int checked = 0;
    int ties = 0;
    for (int run = 0; run < 10000; ++run) {
        // The market: two retail prices on a line with a set-up part, and a mark-up.
        const int quantity1 = int(uniform(100, 5000));
        const int quantity2 = quantity1 + int(uniform(100, 100000));
        const double setUp = uniform(1, 500);
        const double perThousand = uniform(5, 500);
        const PricingFields fields{QString::number(quantity1),
                                   QString::number(quantity2),
                                   QString::number(uniform(0, 100), 'f', 1),
                                   cents(setUp + perThousand * quantity1 / 1000),
                                   cents(setUp + perThousand * quantity2 / 1000),
                                   QStringLiteral("60")};
        // The shop: its annual cost, hours at 100 %, employees and four efficiency levels.
        Results results{Results::State::Read, {}};
        const double annualCost = uniform(10000, 2000000);
        const double hoursAtFull = uniform(500, 10000);
        const int employees = 1 + int(uniform(0, 3));
        results.record.setResult(slot::annualCenterCost, annualCost);
        results.record.setInput(slot::paidHours, hoursAtFull + 400);
        results.record.setInput(slot::hoursNotWorked, 400);
        results.record.setInput(slot::employees, employees);
        std::array<double, kLevels> rate{};
        for (int level = 1; level <= kLevels; ++level) {
            const double efficiency = uniform(20, 120);
            rate[level - 1] = annualCost / (hoursAtFull * efficiency / 100) * employees;
            results.record.setInput(slot::efficiency(level), efficiency);
            results.record.setResult(slot::rateB(level), rate[level - 1]);
        }
        // The press and the job.
        const double speed = uniform(100, 20000);
        const double minutes = uniform(1, 240);
        const double job = std::round(uniform(1, 200000));

        const CenterAnalysis analysis = analyseCenter(fields);
        const MarketCheck check = checkMarket(analysis, {speed, minutes}, job, results);
        QCOMPARE(check.gap, Gap::None);
        // The market's cost line is the analysis's retail line without its mark-up.
        const double priceFactor = 1 + double(*analysis.markUp);
        const auto marketCost = [&](double q) {
            return (double(*analysis.setUpPrice) + *analysis.slope * q) / priceFactor;
        };
        const auto hours = [&](double q) { return minutes / 60 + q / speed; };
        const double perHour = marketCost(job) / hours(job);
        QVERIFY(near(annualCost * employees / (hoursAtFull * check.breakEven), perHour, kCent));

        for (int i = 0; i < kLevels; ++i) {
            const LevelCheck& level = check.levels[i];
            const auto saving = [&](double q) { return marketCost(q) - rate[i] * hours(q); };
            if (qAbs(saving(job)) < 1e-9 * marketCost(job))
                ++ties;
            else
                QCOMPARE(level.cheaper, saving(job) > 0);
            const QString where = marketchecktexts::cheaperWhere(level.crossing);
            const QRegularExpressionMatch stated =
                QRegularExpression(QStringLiteral("^cheaper (above|below) ([0-9,]+) piece")).match(where);
            if (!stated.hasMatch()) {
                // No cross-over: the same answer at one piece and at a million.
                const bool always = where == QStringLiteral("cheaper at every quantity");
                QVERIFY2(always || where == QStringLiteral("never cheaper"), qPrintable(where));
                QCOMPARE(saving(1) > 0, always);
                QCOMPARE(saving(1e6) > 0, always);
                continue;
            }
            const double crossing = level.crossing.quantity;
            QVERIFY2(near(marketCost(crossing), rate[i] * hours(crossing), kCent), qPrintable(where));
            const double whole = QString(stated.captured(2)).remove(u',').toDouble();
            const bool above = stated.captured(1) == QStringLiteral("above");
            // Above N: N is not cheaper and N + 1 is; below N: N - 1 is cheaper and N is not.
            const double notCheaper = whole;
            const double cheaper = above ? whole + 1 : whole - 1;
            QVERIFY2(saving(notCheaper) <= 1e-9 * marketCost(notCheaper), qPrintable(where));
            if (cheaper >= 0)
                QVERIFY2(saving(cheaper) >= -1e-9 * marketCost(cheaper), qPrintable(where));
            ++checked;
        }
    }
    QVERIFY(checked > 10000); // most random presses meet the market somewhere
    QVERIFY(ties < 10);
}

void TestMarketCheck::typicalJobLiesBetweenTheQuantities()
{
    // The geometric mean of 1,000 and 10,000: the square root of 10,000,000 = 3,162.28.
    QCOMPARE(typicalJob(analyseCenter(workedExampleFields())), 3162.0);
    QCOMPARE(typicalJob(analyseCenter(PricingFields{})), 1000.0);
}

void TestMarketCheck::gapsLeaveNoRates_data()
{
    QTest::addColumn<PricingFields>("fields");
    QTest::addColumn<int>("results"); // -1 missing, -2 unreadable, 0 whole, else a result slot emptied
    QTest::addColumn<int>("zeroedInput");
    QTest::addColumn<int>("gap");
    QTest::addColumn<int>("gapLevel");
    QTest::addColumn<bool>("marketFigures");
    const PricingFields example = workedExampleFields();
    QTest::newRow("analysis failed") << PricingFields{} << 0 << 0 << int(Gap::NoMarketPrices) << 0 << false;
    QTest::newRow("one price for every run")
        << withField(withField(example, &PricingFields::price1, "100"), &PricingFields::price2, "100") << 0 << 0
        << int(Gap::RunCostNotAboveZero) << 0 << false;
    QTest::newRow("no set-up price") << withField(withField(example, &PricingFields::price1, "85"),
                                                  &PricingFields::price2, "850")
                                     << 0 << 0 << int(Gap::SetUpCostNotAboveZero) << 0 << false;
    QTest::newRow("no result file") << example << -1 << 0 << int(Gap::NoResults) << 0 << true;
    QTest::newRow("unreadable result file") << example << -2 << 0 << int(Gap::UnreadableResults) << 0 << true;
    QTest::newRow("no annual cost") << example << int(slot::annualCenterCost) << 0 << int(Gap::NoAnnualCost) << 0
                                    << true;
    QTest::newRow("no paid hours") << example << 0 << int(slot::paidHours) << int(Gap::NoHoursAtFull) << 0 << true;
    QTest::newRow("no employees") << example << 0 << int(slot::employees) << int(Gap::NoHoursAtFull) << 0 << true;
    QTest::newRow("no rate at 70 %") << example << int(slot::rateB(3)) << 0 << int(Gap::NoRate) << 3 << true;
}

void TestMarketCheck::gapsLeaveNoRates()
{
    QFETCH(PricingFields, fields);
    QFETCH(int, results);
    QFETCH(int, zeroedInput);
    Results read = workedResults();
    if (results == -1)
        read.state = Results::State::Missing;
    else if (results == -2)
        read.state = Results::State::Unreadable;
    else if (results > 0)
        read.record.clearResult(results);
    if (zeroedInput > 0)
        read.record.setInput(zeroedInput, 0);
    QFETCH(int, gap);
    QFETCH(int, gapLevel);
    QFETCH(bool, marketFigures);
    const MarketCheck check = checkMarket(analyseCenter(fields), {2000, 32}, 1000, read);
    QCOMPARE(int(check.gap), gap);
    QCOMPARE(check.gapLevel, gapLevel);
    QCOMPARE(check.breakEven, 0.0);
    QVERIFY(efficiencyCurve(check).needed.isEmpty());
    const PriceLines lines = priceLines(check);
    QVERIFY(lines.press[0].isEmpty());
    QCOMPARE(!lines.cost.isEmpty(), marketFigures);
    // The market's side needs no results: 32 + 68 = $100 for 1,000 pieces in 32/60 + 1/2 hours.
    QCOMPARE(check.hasMarketFigures(), marketFigures);
    if (marketFigures)
        QVERIFY(near(check.supported, 100 / (32.0 / 60 + 0.5), 1e-4));
}

void TestMarketCheck::ownFigures_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("reading");
    QTest::addColumn<double>("value");
    QTest::newRow("typed") << "2000" << int(Reading::Accepted) << 2000.0;
    QTest::newRow("blanks ignored") << " 2 000 " << int(Reading::Accepted) << 2000.0;
    QTest::newRow("stops at a comma") << "8,000" << int(Reading::Accepted) << 8.0;
    QTest::newRow("empty") << "" << int(Reading::Missing) << 0.0;
    QTest::newRow("blanks only") << "   " << int(Reading::Missing) << 0.0;
    QTest::newRow("zero") << "0" << int(Reading::NotAboveZero) << 0.0;
    QTest::newRow("negative") << "-32" << int(Reading::NotAboveZero) << -32.0;
    QTest::newRow("not a number") << "fast" << int(Reading::NotAboveZero) << 0.0;
    QTest::newRow("beyond a double") << "1e999" << int(Reading::TooLarge) << 0.0;
}

void TestMarketCheck::ownFigures()
{
    QFETCH(QString, text);
    QFETCH(int, reading);
    QFETCH(double, value);
    const OwnFigure figure = readOwnFigure(text);
    QCOMPARE(int(figure.reading), reading);
    QCOMPARE(figure.value, value);
}

QTEST_APPLESS_MAIN(TestMarketCheck)
#include "test_market_check.moc"
