// Whether a press can live at the market's prices: the worked examples of the cost formulas and
// the reverse engineering, checked against figures worked out by hand.
#include "CostFormulas.h"
#include "MarketCheck.h"
#include "PricingExamples.h"
#include "ResultSlots.h"
#include "WorkedExample.h"

#include <QTest>

Q_DECLARE_METATYPE(PricingFields)

using namespace marketcheck;
using Kind = Crossing::Kind;
using Gap = MarketCheck::Gap;
using Reading = OwnFigure::Reading;

namespace {
// The worked example of the cost formulas: annual cost 134709.2540571..., 3904 hours at 100 % of
// two employees, rate (B) 69.0109, 86.2636, 98.5870 and 115.0181 at 100, 80, 70 and 60 %.
ResultRecord workedResults()
{
    ResultRecord record;
    if (calculateCosts(workedExampleInputs(), record) != CostOutcome::Completed)
        qFatal("the worked example of the cost formulas no longer calculates");
    return record;
}

// Its market: a run cost of 0.085 / 1.25 = 0.068 a piece and a set-up cost of $32.
MarketCheck workedCheck(double speed, double minutes, const ResultRecord& record = workedResults())
{
    return checkMarket(analyseCenter(workedExampleFields()), {speed, minutes}, record);
}

bool cheaper(const MarketCheck& check, int level, double quantity)
{
    return pressCost(check.press, check.levels[level - 1].rateB, quantity) < check.market.cost(quantity);
}
} // namespace

class TestMarketCheck : public QObject {
    Q_OBJECT
private slots:
    void workedExample_data();
    void workedExample();
    void breakEvenRecomputedFromTheResults_data();
    void breakEvenRecomputedFromTheResults();
    void crossing_data();
    void crossing();
    void pictureFollowsTheAnalysisTable();
    void gapsLeaveNoFigures_data();
    void gapsLeaveNoFigures();
    void ownFigures_data();
    void ownFigures();
};

void TestMarketCheck::workedExample_data()
{
    QTest::addColumn<double>("speed");
    QTest::addColumn<int>("level");
    QTest::addColumn<double>("runSupported");
    QTest::addColumn<double>("rateB");
    QTest::addColumn<double>("margin");
    QTest::addColumn<double>("marginPercent");
    QTest::addColumn<double>("breakEvenPercent");
    QTest::addColumn<int>("crossing");
    QTest::addColumn<double>("crossingQuantity");
    // 32 set-up minutes throughout: the set-up supports 32 / (32/60) = $60 an hour.
    // At 882 iph the run supports 882 x 0.068 = $59.976, the lower: margin = 59.976 - rate (B),
    // break-even = 134709.254 x 2 / (3904 x 59.976) = 115.064 %. Set-up and run both cost the
    // press more than the market (69.01 x 32/60 > 32, 69.01 / 882 > 0.068): never cheaper.
    QTest::newRow("882 iph, 100 %") << 882.0 << 1 << 59.976 << 69.0109 << -9.0349 << -15.0642 << 115.0642
                                    << int(Kind::NeverCheaper) << 0.0;
    QTest::newRow("882 iph, 80 %") << 882.0 << 2 << 59.976 << 86.2636 << -26.2876 << -43.8302 << 115.0642
                                   << int(Kind::NeverCheaper) << 0.0;
    QTest::newRow("882 iph, 70 %") << 882.0 << 3 << 59.976 << 98.5870 << -38.6110 << -64.3774 << 115.0642
                                   << int(Kind::NeverCheaper) << 0.0;
    QTest::newRow("882 iph, 60 %") << 882.0 << 4 << 59.976 << 115.0181 << -55.0421 << -91.7736 << 115.0642
                                   << int(Kind::NeverCheaper) << 0.0;
    // At 2000 iph the run supports 2000 x 0.068 = $136 and the set-up's $60 is the lower:
    // break-even = 134709.254 x 2 / (3904 x 60) = 115.018 %. The set-up costs the press more,
    // the run less: cheaper above (rate x 32/60 - 32) / (0.068 - rate / 2000) pieces,
    // (36.8058 - 32) / (0.068 - 0.0345054) = 143.48 at 100 %.
    QTest::newRow("2000 iph, 100 %") << 2000.0 << 1 << 136.0 << 69.0109 << -9.0109 << -15.0181 << 115.0181
                                     << int(Kind::CheaperAbove) << 143.4802;
    QTest::newRow("2000 iph, 80 %") << 2000.0 << 2 << 136.0 << 86.2636 << -26.2636 << -43.7727 << 115.0181
                                    << int(Kind::CheaperAbove) << 563.2600;
    QTest::newRow("2000 iph, 70 %") << 2000.0 << 3 << 136.0 << 98.5870 << -38.5870 << -64.3116 << 115.0181
                                    << int(Kind::CheaperAbove) << 1100.1371;
    QTest::newRow("2000 iph, 60 %") << 2000.0 << 4 << 136.0 << 115.0181 << -55.0181 << -91.6969 << 115.0181
                                    << int(Kind::CheaperAbove) << 2796.9894;
}

void TestMarketCheck::workedExample()
{
    QFETCH(double, speed);
    QFETCH(int, level);
    QFETCH(double, runSupported);
    QFETCH(double, rateB);
    QFETCH(double, margin);
    QFETCH(double, marginPercent);
    QFETCH(double, breakEvenPercent);
    QFETCH(int, crossing);
    QFETCH(double, crossingQuantity);
    const MarketCheck check = workedCheck(speed, 32);
    QCOMPARE(check.gap, Gap::None);
    const LevelCheck& figures = check.levels[level - 1];
    const auto near = [](double actual, double expected) { return qAbs(actual - expected) < 1e-4; };
    QVERIFY2(near(check.runSupported, runSupported), qPrintable(QString::number(check.runSupported)));
    QVERIFY(near(check.setUpSupported, 60));
    QVERIFY2(near(figures.rateB, rateB), qPrintable(QString::number(figures.rateB)));
    QVERIFY2(near(figures.margin, margin), qPrintable(QString::number(figures.margin)));
    QVERIFY2(near(figures.marginPercent, marginPercent), qPrintable(QString::number(figures.marginPercent)));
    QVERIFY2(near(check.breakEven * 100, breakEvenPercent), qPrintable(QString::number(check.breakEven)));
    QCOMPARE(int(figures.crossing.kind), crossing);
    QVERIFY2(near(figures.crossing.quantity, crossingQuantity), qPrintable(QString::number(figures.crossing.quantity)));
    if (speed == 882) {
        // The market's own speed and minutes give back the analysis's $60 an hour, less what
        // cutting the implied 1000 / (85 / 75) = 882.35 iph down to 882 loses.
        const double impliedSpeed = 1000.0 / (85.0 / 75.0);
        QVERIFY(qAbs(check.runSupported - 60) <= 60 * (1 - 882 / impliedSpeed));
        QVERIFY(qAbs(check.setUpSupported - 60) < 1e-9);
    }
}

void TestMarketCheck::breakEvenRecomputedFromTheResults_data()
{
    QTest::addColumn<double>("speed");
    QTest::addColumn<double>("minutes");
    QTest::newRow("market's own press") << 882.0 << 32.0;
    QTest::newRow("faster press, set-up decides") << 2000.0 << 32.0;
    QTest::newRow("short set-up, below 100 %") << 2000.0 << 20.0;
    QTest::newRow("slow press, run decides") << 500.0 << 5.0;
}

void TestMarketCheck::breakEvenRecomputedFromTheResults()
{
    QFETCH(double, speed);
    QFETCH(double, minutes);
    const ResultRecord record = workedResults();
    const MarketCheck check = workedCheck(speed, minutes, record);
    QCOMPARE(check.gap, Gap::None);
    // Rate (B) = annual cost / chargeable hours x employees, the hours at 100 % scaled from level 1.
    namespace slot = resultslots;
    const double hoursAtFull = *record.result(slot::chargeableHours(1)) * 100 / record.input(slot::efficiency(1));
    const double rate =
        *record.result(slot::annualCenterCost) / (hoursAtFull * check.breakEven) * record.input(slot::employees);
    const double marketCost = qMin(speed * 0.068, 32 / (minutes / 60));
    QVERIFY2(qAbs(rate - marketCost) < 0.01, qPrintable(QStringLiteral("%1 against %2").arg(rate).arg(marketCost)));
}

void TestMarketCheck::crossing_data()
{
    QTest::addColumn<double>("speed");
    QTest::addColumn<double>("minutes");
    QTest::addColumn<int>("crossing");
    QTest::addColumn<double>("quantity");
    // Rate (B) at 100 %: 69.0109. The market: $32 set-up, 0.068 a piece.
    QTest::newRow("costlier set-up, cheaper run") << 2000.0 << 32.0 << int(Kind::CheaperAbove) << 143.4802;
    // 69.0109 x 20/60 = 23.00 < 32 and 69.0109 / 2000 = 0.0345 < 0.068.
    QTest::newRow("cheaper set-up and run") << 2000.0 << 20.0 << int(Kind::AlwaysCheaper) << 0.0;
    QTest::newRow("costlier set-up and run") << 882.0 << 32.0 << int(Kind::NeverCheaper) << 0.0;
    // (32 - 69.0109 x 5/60) / (69.0109 / 500 - 0.068) = 26.2491 / 0.0700218 = 374.87.
    QTest::newRow("cheaper set-up, costlier run") << 500.0 << 5.0 << int(Kind::CheaperBelow) << 374.8704;
}

void TestMarketCheck::crossing()
{
    QFETCH(double, speed);
    QFETCH(double, minutes);
    QFETCH(int, crossing);
    QFETCH(double, quantity);
    const MarketCheck check = workedCheck(speed, minutes);
    const Crossing& found = check.levels[0].crossing;
    QCOMPARE(int(found.kind), crossing);
    QVERIFY2(qAbs(found.quantity - quantity) < 1e-3, qPrintable(QString::number(found.quantity)));
    const bool cheaperFirst = crossing == int(Kind::AlwaysCheaper) || crossing == int(Kind::CheaperBelow);
    const bool cheaperLast = crossing == int(Kind::AlwaysCheaper) || crossing == int(Kind::CheaperAbove);
    QCOMPARE(cheaper(check, 1, 1), cheaperFirst);
    QCOMPARE(cheaper(check, 1, 1e6), cheaperLast);
    if (quantity > 0) {
        const double press = pressCost(check.press, check.levels[0].rateB, quantity);
        QVERIFY(qAbs(press - check.market.cost(quantity)) < 0.01);
        QCOMPARE(cheaper(check, 1, quantity * 0.99), cheaperFirst);
        QCOMPARE(cheaper(check, 1, quantity * 1.01), cheaperLast);
    }
}

void TestMarketCheck::pictureFollowsTheAnalysisTable()
{
    const CenterAnalysis analysis = analyseCenter(workedExampleFields());
    const PriceLines lines = priceLines(checkMarket(analysis, {2000, 32}, workedResults()));
    QCOMPARE(lines.cost.size(), analysis.rows.size());
    for (qsizetype i = 0; i < analysis.rows.size(); ++i) {
        QCOMPARE(lines.cost[i].x(), analysis.rows[i].quantity);
        QVERIFY(qAbs(lines.cost[i].y() - *analysis.rows[i].cost) < 0.01);
        QVERIFY(qAbs(lines.retail[i].y() - *analysis.rows[i].retail) < 0.01);
    }
    // 100 pieces at 100 %: (32/60 + 100/2000) x 69.0109 = 40.2564; at 60 %: x 115.0181 = 67.0939.
    QVERIFY(qAbs(lines.press[0].first().y() - 40.2564) < 1e-4);
    QVERIFY(qAbs(lines.press[3].first().y() - 67.0939) < 1e-4);
    // Every level crosses between 100 and 10000 pieces: 143, 563, 1100 and 2797.
    QCOMPARE(lines.crossings.size(), 4);
    QVERIFY(qAbs(lines.crossings[3].x() - 2796.9894) < 1e-3);
    QVERIFY(qAbs(lines.crossings[3].y() - (32 + 0.068 * 2796.9894)) < 1e-3);
}

void TestMarketCheck::gapsLeaveNoFigures_data()
{
    QTest::addColumn<PricingFields>("fields");
    QTest::addColumn<int>("clearedResult"); // -1: a record with nothing in it
    QTest::addColumn<int>("zeroedInput");
    QTest::addColumn<int>("gap");
    QTest::addColumn<int>("gapLevel");
    const PricingFields example = workedExampleFields();
    QTest::newRow("analysis failed") << PricingFields{} << 0 << 0 << int(Gap::NoMarketPrices) << 0;
    QTest::newRow("one price for every run")
        << withField(withField(example, &PricingFields::price1, "100"), &PricingFields::price2, "100") << 0 << 0
        << int(Gap::RunCostNotAboveZero) << 0;
    QTest::newRow("no set-up price") << withField(withField(example, &PricingFields::price1, "85"),
                                                  &PricingFields::price2, "850")
                                     << 0 << 0 << int(Gap::SetUpCostNotAboveZero) << 0;
    QTest::newRow("nothing calculated") << example << -1 << 0 << int(Gap::NoAnnualCost) << 0;
    QTest::newRow("no annual cost") << example << int(resultslots::annualCenterCost) << 0 << int(Gap::NoAnnualCost)
                                    << 0;
    QTest::newRow("no paid hours") << example << 0 << int(resultslots::paidHours) << int(Gap::NoHoursAtFull) << 0;
    QTest::newRow("no employees") << example << 0 << int(resultslots::employees) << int(Gap::NoHoursAtFull) << 0;
    QTest::newRow("no rate at 70 %") << example << int(resultslots::rateB(3)) << 0 << int(Gap::NoRate) << 3;
}

void TestMarketCheck::gapsLeaveNoFigures()
{
    QFETCH(PricingFields, fields);
    QFETCH(int, clearedResult);
    QFETCH(int, zeroedInput);
    ResultRecord record = workedResults();
    if (clearedResult < 0)
        record.clear();
    else if (clearedResult > 0)
        record.clearResult(clearedResult);
    if (zeroedInput > 0)
        record.setInput(zeroedInput, 0);
    QFETCH(int, gap);
    QFETCH(int, gapLevel);
    const MarketCheck check = checkMarket(analyseCenter(fields), {2000, 32}, record);
    QCOMPARE(int(check.gap), gap);
    QCOMPARE(check.gapLevel, gapLevel);
    QCOMPARE(check.supported, 0.0);
    QCOMPARE(check.breakEven, 0.0);
    QVERIFY(priceLines(check).cost.isEmpty());
}

void TestMarketCheck::ownFigures_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("reading");
    QTest::addColumn<double>("value");
    QTest::newRow("typed") << "2000" << int(Reading::Accepted) << 2000.0;
    QTest::newRow("blanks ignored") << " 2 000 " << int(Reading::Accepted) << 2000.0;
    QTest::newRow("stops at a comma") << "1,500" << int(Reading::Accepted) << 1.0;
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
