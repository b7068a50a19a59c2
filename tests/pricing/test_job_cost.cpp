// One job costed on every center: a job worked by hand on two centers of the worked example, the
// price list around it, what keeps a center from being costed, how typed figures are read, and
// the cheapest center at random inputs against a calculation of this test's own.
#include "engine/CostFormulas.h"
#include "engine/ResultSlots.h"
#include "pricing/JobCost.h"
#include "report/JobCostTexts.h"
#include "tests/engine/WorkedExample.h"
#include "tests/support/ProgramNames.h"

#include <QTest>

#include <random>

using namespace jobcost;
using Reading = Figure::Reading;
using plantoverview::CenterRow;
using plantoverview::CenterState;
namespace slot = resultslots;

Q_DECLARE_METATYPE(Box)
Q_DECLARE_METATYPE(Reading)
Q_DECLARE_METATYPE(QList<Gap>)

namespace {
constexpr double kHalfCent = 0.005;

// The worked example of the cost formulas: annual cost 134,709.254057, 3,904 hours at 100 % of
// two employees, so rate (B) at e % is 134,709.254057 x 2 / (3,904 x e / 100): 69.010888 at 100,
// 86.263610 at 80, 98.586983 at 70 and 115.018147 at 60.
ResultRecord workedResults()
{
    ResultRecord record;
    if (calculateCosts(workedExampleInputs(), record) != CostOutcome::Completed)
        qFatal("the worked example of the cost formulas no longer calculates");
    return record;
}

CenterRow center(const QString& name, std::optional<ResultRecord> record, CenterState state = CenterState::Current)
{
    CenterRow row;
    row.name = name;
    row.state = record ? state : CenterState::NotCalculated;
    row.record = std::move(record);
    return row;
}

// Alpha runs 6,000 iph after 30 minutes of set-up; Bravo, the faster, 10,000 iph after 60.
plantoverview::Overview twoPresses()
{
    plantoverview::Overview overview;
    overview.listRead = true;
    overview.centers = {center("Alpha", workedResults()), center("Bravo", workedResults())};
    return overview;
}
const pressfigures::ByCenter kTwoPressFigures = {{"Alpha", {"6000", "30"}}, {"Bravo", {"10000", "60"}}};

const CenterCost& named(const Costing& costing, const QString& name)
{
    const CenterCost* found = costing.find(name);
    if (!found)
        qFatal("no center %s", qPrintable(name));
    return *found;
}

QByteArray beside(const QString& what, double program, double hand)
{
    return QStringLiteral("%1: program %2, by hand %3").arg(what).arg(program, 0, 'f', 4).arg(hand, 0, 'f', 4).toUtf8();
}
} // namespace

class TestJobCost : public QObject {
    Q_OBJECT
private slots:
    void jobWorkedByHand_data();
    void jobWorkedByHand();
    void priceListAroundTheJob_data();
    void priceListAroundTheJob();
    void centersThatCannotBeCosted();
    void typedFigures_data();
    void typedFigures();
    void cheapestMatchesAnIndependentCalculation();
};

void TestJobCost::jobWorkedByHand_data()
{
    QTest::addColumn<double>("quantity");
    QTest::addColumn<double>("markUp");       // a fraction
    QTest::addColumn<QList<double>>("alpha"); // hours, then the costs at the four levels
    QTest::addColumn<QList<double>>("bravo");
    QTest::addColumn<QStringList>("cheapest");

    // 12,000 pieces: Alpha 30/60 + 12,000/6,000 = 2.5 hours, Bravo 60/60 + 12,000/10,000 = 2.2.
    // Alpha 2.5 x 69.010888 = 172.5272, x 86.263610 = 215.6590, x 98.586983 = 246.4675,
    // x 115.018147 = 287.5454; Bravo 2.2 x the same = 151.8240, 189.7799, 216.8914, 253.0399.
    QTest::newRow("12,000 pieces: the faster press")
        << 12000.0 << 0.25 << QList<double>{2.5, 172.5272, 215.6590, 246.4675, 287.5454}
        << QList<double>{2.2, 151.8240, 189.7799, 216.8914, 253.0399} << QStringList{"Bravo"};
    // 3,000 pieces: Alpha 0.5 + 0.5 = 1.0 hour, Bravo 1 + 0.3 = 1.3: the shorter set-up wins.
    // Alpha 69.0109, 86.2636, 98.5870, 115.0181; Bravo 1.3 x each = 89.7142, 112.1427, 128.1631,
    // 149.5236.
    QTest::newRow("3,000 pieces: the shorter set-up")
        << 3000.0 << 0.4 << QList<double>{1.0, 69.0109, 86.2636, 98.5870, 115.0181}
        << QList<double>{1.3, 89.7142, 112.1427, 128.1631, 149.5236} << QStringList{"Alpha"};
    // 7,500 pieces: 0.5 + 1.25 = 1 + 0.75 = 1.75 hours on both, so both are the cheapest; at each
    // level 1.75 x rate = 120.7691, 150.9613, 172.5272, 201.2818.
    QTest::newRow("7,500 pieces: as cheap on both")
        << 7500.0 << 0.0 << QList<double>{1.75, 120.7691, 150.9613, 172.5272, 201.2818}
        << QList<double>{1.75, 120.7691, 150.9613, 172.5272, 201.2818} << QStringList{"Alpha", "Bravo"};
}

void TestJobCost::jobWorkedByHand()
{
    QFETCH(double, quantity);
    QFETCH(double, markUp);
    QFETCH(QList<double>, alpha);
    QFETCH(QList<double>, bravo);
    QFETCH(QStringList, cheapest);
    const Costing costing = costJob(twoPresses(), kTwoPressFigures, Job{quantity, markUp});
    QCOMPARE(costing.readyCount, 2);
    const std::pair<QString, QList<double>> byHand[] = {{"Alpha", alpha}, {"Bravo", bravo}};
    for (const auto& [name, figures] : byHand) {
        const CenterCost& center = named(costing, name);
        QVERIFY2(qAbs(*center.hours - figures[0]) < 1e-9, beside(name + " hours", *center.hours, figures[0]));
        for (int level = 1; level <= kLevels; ++level) {
            const double cost = *center.cost[level - 1];
            const double price = *center.price[level - 1];
            QVERIFY2(qAbs(cost - figures[level]) < kHalfCent, beside(name + " cost", cost, figures[level]));
            QVERIFY2(qAbs(price - figures[level] * (1 + markUp)) < kHalfCent,
                     beside(name + " price", price, figures[level] * (1 + markUp)));
            QCOMPARE(costing.isCheapest(center, level), cheapest.contains(name));
            const double lowest = std::min(alpha[level], bravo[level]);
            QVERIFY2(
                qAbs(*costing.overCheapest(center, level) - (figures[level] - lowest)) < kHalfCent,
                beside(name + " over the cheapest", *costing.overCheapest(center, level), figures[level] - lowest));
        }
    }
    QCOMPARE(costing.byCost(1).first()->name, cheapest.first());
}

void TestJobCost::priceListAroundTheJob_data()
{
    QTest::addColumn<double>("quantity");
    QTest::addColumn<QList<double>>("quantities");
    QTest::addColumn<QList<double>>("hours"); // on Bravo: 1 + q / 10,000
    // Bravo at level 1 and 25 %: 1.6, 2.2, 3.4, 7 and 13 hours x 69.010888 = 110.4174, 151.8240,
    // 234.6370, 483.0762, 897.1415, and x 1.25 the prices.
    QTest::newRow("12,000 pieces") << 12000.0 << QList<double>{6000, 12000, 24000, 60000, 120000}
                                   << QList<double>{1.6, 2.2, 3.4, 7, 13};
    // Half of 3 is 1.5, a whole 2 pieces.
    QTest::newRow("3 pieces") << 3.0 << QList<double>{2, 3, 6, 15, 30}
                              << QList<double>{1.0002, 1.0003, 1.0006, 1.0015, 1.003};
    // Half a piece is still one piece, the job itself: it is listed once.
    QTest::newRow("1 piece") << 1.0 << QList<double>{1, 2, 5, 10} << QList<double>{1.0001, 1.0002, 1.0005, 1.001};
}

void TestJobCost::priceListAroundTheJob()
{
    QFETCH(double, quantity);
    QFETCH(QList<double>, quantities);
    QFETCH(QList<double>, hours);
    const Job job{quantity, 0.25};
    const Costing costing = costJob(twoPresses(), kTwoPressFigures, job);
    const QList<PriceListRow> rows = priceList(named(costing, "Bravo"), 1, job);
    QCOMPARE(rows.size(), quantities.size());
    for (qsizetype i = 0; i < rows.size(); ++i) {
        QCOMPARE(rows[i].quantity, quantities[i]);
        QVERIFY2(qAbs(rows[i].hours - hours[i]) < 1e-9, beside("hours", rows[i].hours, hours[i]));
        QVERIFY(qAbs(rows[i].cost - hours[i] * 69.010888) < kHalfCent);
        QVERIFY(qAbs(*rows[i].price - hours[i] * 69.010888 * 1.25) < kHalfCent);
    }
}

// Neither a missing result file, a result file without rates, nor a missing or unusable speed
// or set-up time makes a figure: the center goes below the others with what it lacks.
void TestJobCost::centersThatCannotBeCosted()
{
    plantoverview::Overview overview;
    overview.listRead = true;
    ResultRecord noRates = workedResults();
    for (int level = 1; level <= kLevels; ++level)
        noRates.clearResult(slot::rateB(level));
    CenterRow unreadable = center("Unreadable", std::nullopt);
    unreadable.state = CenterState::Unreadable;
    overview.centers = {center("Not calculated", std::nullopt),
                        unreadable,
                        center("No rates", noRates),
                        center("No speed", workedResults()),
                        center("Alpha", workedResults()),
                        center("Bad set-up", workedResults(), CenterState::Stale)};
    const pressfigures::ByCenter typed = {{"Not calculated", {"6000", "30"}}, {"Unreadable", {"6000", "30"}},
                                          {"No rates", {"6000", "30"}},       {"No speed", {"", "30"}},
                                          {"Alpha", {"6000", "30"}},          {"Bad set-up", {"6000", "-5"}}};
    const QList<std::pair<QString, QList<Gap>>> expected = {
        {"Alpha", {}},
        {"Not calculated", {Gap::NoResultFile}},
        {"Unreadable", {Gap::UnreadableResults}},
        {"No rates", {Gap::NoRates}},
        {"No speed", {Gap::Speed}},
        {"Bad set-up", {Gap::SetUp}},
    };
    for (const std::optional<Job>& job : {std::optional<Job>(Job{1000, 0.25}), std::optional<Job>()}) {
        const Costing costing = costJob(overview, typed, job);
        QCOMPARE(costing.readyCount, 1);
        QCOMPARE(costing.centers.size(), expected.size());
        for (qsizetype i = 0; i < expected.size(); ++i) {
            const CenterCost& costed = costing.centers[i];
            QCOMPARE(costed.name, expected[i].first);
            QCOMPARE(costed.gaps, expected[i].second);
            const bool figures = costed.ready() && job.has_value();
            QCOMPARE(costed.hours.has_value(), figures);
            for (int level = 1; level <= kLevels; ++level) {
                QCOMPARE(costed.cost[level - 1].has_value(), figures);
                QCOMPARE(costed.price[level - 1].has_value(), figures);
            }
        }
        QCOMPARE(costing.byCost(1).size(), job ? 1 : 0);
    }
}

void TestJobCost::typedFigures_data()
{
    QTest::addColumn<Box>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<Reading>("reading");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("sentence");
    QTest::newRow("quantity") << Box::Quantity << "12000" << Reading::Accepted << 12000.0 << "";
    QTest::newRow("quantity with blanks") << Box::Quantity << " 12 000 " << Reading::Accepted << 12000.0 << "";
    QTest::newRow("quantity with a thousands comma") << Box::Quantity << "12,000" << Reading::Accepted << 12.0 << "";
    QTest::newRow("no quantity") << Box::Quantity << "  " << Reading::Missing << 0.0
                                 << "Type the job's quantity in pieces.";
    QTest::newRow("zero quantity") << Box::Quantity << "0" << Reading::OutOfRange << 0.0
                                   << "The quantity must be above 0 pieces; \"0\" reads as 0.";
    QTest::newRow("quantity in words") << Box::Quantity << "twelve" << Reading::NotANumber << 0.0
                                       << "The quantity \"twelve\" is not a number: type the job's quantity in pieces.";
    QTest::newRow("quantity too large") << Box::Quantity << "1e400" << Reading::TooLarge << 0.0
                                        << "The quantity is too large a number.";
    QTest::newRow("no mark-up at all") << Box::MarkUp << "0" << Reading::Accepted << 0.0 << "";
    QTest::newRow("mark-up with a sign") << Box::MarkUp << "$25" << Reading::NotANumber << 0.0
                                         << "The mark-up \"$25\" is not a number: type the job's mark-up in percent.";
    QTest::newRow("negative mark-up") << Box::MarkUp << "-5" << Reading::OutOfRange << -5.0
                                      << "The mark-up must be at least 0 percent; \"-5\" reads as -5.";
    QTest::newRow("no set-up time") << Box::SetUp << "0" << Reading::Accepted << 0.0 << "";
    QTest::newRow("zero speed") << Box::Speed << "0.0" << Reading::OutOfRange << 0.0
                                << "The speed must be above 0 impressions per hour; \"0.0\" reads as 0.";
    QTest::newRow("a point alone") << Box::Speed << "." << Reading::NotANumber << 0.0
                                   << "The speed \".\" is not a number: type the job's speed in impressions per hour.";
}

void TestJobCost::typedFigures()
{
    QFETCH(Box, box);
    QFETCH(QString, typed);
    QFETCH(Reading, reading);
    QFETCH(double, value);
    QFETCH(QString, sentence);
    const Figure figure = readFigure(box, typed);
    QCOMPARE(figure.reading, reading);
    QCOMPARE(figure.value, value);
    QCOMPARE(jobcosttexts::figureProblem(box, figure, typed), sentence);
}

// Random centers, some without results, rates at a level, speed or set-up, and a random job:
// the centers marked cheapest at each level are those whose cost, worked out here another way,
// is the lowest, and each center's difference to the cheapest is what this test makes it.
void TestJobCost::cheapestMatchesAnIndependentCalculation()
{
    std::mt19937 random(25);
    const auto uniform = [&random](double from, double to) {
        return std::uniform_real_distribution<double>(from, to)(random);
    };
    int checked = 0;
    int ties = 0;
    for (int run = 0; run < 3000; ++run) {
        plantoverview::Overview overview;
        overview.listRead = true;
        pressfigures::ByCenter typed;
        const int count = 1 + int(uniform(0, 9));
        // The cost of the job by center and level, where there is one: rate x (minutes x speed
        // + 60 x quantity) / (60 x speed).
        QHash<QString, std::array<std::optional<double>, kLevels>> byHand;
        const double quantity = std::round(uniform(1, 100000));
        const double markUp = uniform(0, 1);
        for (int c = 0; c < count; ++c) {
            const QString name = QStringLiteral("Press %1").arg(c);
            const bool results = uniform(0, 1) > 0.1;
            const bool speedTyped = uniform(0, 1) > 0.1;
            const double speed = uniform(100, 20000);
            const double minutes = uniform(0, 1) > 0.1 ? uniform(0, 240) : 0;
            typed.insert(name,
                         {speedTyped ? QString::number(speed, 'f', 2) : QString(), QString::number(minutes, 'f', 1)});
            ResultRecord record;
            std::array<std::optional<double>, kLevels> costs{};
            for (int level = 1; level <= kLevels && results; ++level) {
                if (uniform(0, 1) < 0.05)
                    continue; // no rate at this level
                const double rate = uniform(20, 400);
                record.setResult(slot::rateB(level), rate);
                const double readSpeed = QString::number(speed, 'f', 2).toDouble();
                const double readMinutes = QString::number(minutes, 'f', 1).toDouble();
                if (speedTyped)
                    costs[level - 1] = rate * (readMinutes * readSpeed + 60 * quantity) / (60 * readSpeed);
            }
            overview.centers.append(center(name, results ? std::optional(record) : std::nullopt));
            byHand.insert(name, costs);
        }
        const Costing costing = costJob(overview, typed, Job{quantity, markUp});
        for (int level = 1; level <= kLevels; ++level) {
            std::optional<double> lowest;
            for (const auto& costs : std::as_const(byHand))
                if (costs[level - 1] && (!lowest || *costs[level - 1] < *lowest))
                    lowest = costs[level - 1];
            const auto nearLowest = [&](double cost) { return cost - *lowest <= 1e-9 * cost; };
            const auto nearTies = std::count_if(byHand.cbegin(), byHand.cend(), [&](const auto& costs) {
                return costs[level - 1] && nearLowest(*costs[level - 1]);
            });
            for (const CenterCost& center : costing.centers) {
                const std::optional<double> hand = byHand.value(center.name)[level - 1];
                QCOMPARE(center.cost[level - 1].has_value(), hand.has_value());
                if (!hand)
                    continue;
                const double tolerance = 1e-9 * *hand;
                QVERIFY(qAbs(*center.cost[level - 1] - *hand) <= tolerance);
                QVERIFY(qAbs(*center.price[level - 1] - *hand * (1 + markUp)) <= 2 * tolerance);
                QVERIFY(qAbs(*costing.overCheapest(center, level) - (*hand - *lowest)) <= 2 * tolerance);
                if (nearLowest(*hand) && nearTies > 1) {
                    ++ties; // too close to tell apart by another order of the arithmetic
                    continue;
                }
                QCOMPARE(costing.isCheapest(center, level), nearLowest(*hand));
                ++checked;
            }
        }
    }
    QVERIFY2(ties < checked / 100, qPrintable(QStringLiteral("%1 near ties of %2").arg(ties).arg(checked)));
}

QTEST_GUILESS_MAIN(TestJobCost)
#include "test_job_cost.moc"
