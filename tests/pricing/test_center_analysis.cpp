// What two known prices imply about a center: the worked example, the table's quantities, and
// how failures are counted.
#include "pricing/CenterAnalysis.h"
#include "pricing/QuantitySeries.h"
#include "tests/pricing/PricingExamples.h"
#include "tests/support/ProgramNames.h"

#include <QTest>

Q_DECLARE_METATYPE(PricingFields)

namespace {
QList<int> rowQuantities(const CenterAnalysis& analysis)
{
    QList<int> quantities;
    for (const TableRow& row : analysis.rows)
        quantities.append(row.quantity);
    return quantities;
}

QList<int> hundredsThen(QList<int> more)
{
    return QList<int>{100, 200, 300, 400, 500} + more;
}
} // namespace

class TestCenterAnalysis : public QObject {
    Q_OBJECT
private slots:
    void workedExample();
    void tableQuantitiesFollowLineTwo_data();
    void tableQuantitiesFollowLineTwo();
    void tableEndsWithinThirtyTwoBits();
    void eachFailingStepCountsOnce_data();
    void eachFailingStepCountsOnce();
};

void TestCenterAnalysis::workedExample()
{
    const CenterAnalysis a = analyseCenter(workedExampleFields());
    QCOMPARE(a.failures, 0);
    QCOMPARE(a.slope, std::optional<float>(0.085f));           // (125-890)/(1000-10000)
    QCOMPARE(a.setUpPrice, std::optional<float>(40));          // 125 - .085 x 1000, in single precision
    QCOMPARE(a.speed1, std::optional<double>(882));            // Int(1000 / ((125-40) / (1.25 x 60)))
    QCOMPARE(a.speed2, std::optional<double>(882));            // Int(10000 / ((890-40) / 75))
    QCOMPARE(a.retailPerThousand, std::optional<double>(125)); // .085 x 1000 + 40, cut to 1/10000
    QCOMPARE(a.retailSetUpPrice, std::optional<double>(40));
    QCOMPARE(a.costPerThousand, std::optional<double>(100)); // 125 / 1.25
    QCOMPARE(a.setUpCost, std::optional<double>(32));        // 40 / 1.25
    QCOMPARE(a.shownMarkUp, std::optional<float>(0.25f));    // 125 / 100 - 1
    QCOMPARE(a.markUpPercent, std::optional<float>(25));
    QCOMPARE(a.setUpMinutes, std::optional<double>(32)); // Int(32 / 60 x 60 + .5)
    QCOMPARE(a.hourlyCost, std::optional<double>(60));
    QCOMPARE(a.rows.size(), 15);
    // 100 pieces: .085 x 100 + 40 = 48.5 retail, 48.5 / 1.25 = 38.8 cost, both single precision
    QCOMPARE(a.rows.first().retail, std::optional<double>(48.5));
    QCOMPARE(a.rows.first().cost, std::optional<double>(double(38.8f)));
    // 10000 pieces: 850 + 40 = 890 retail, 712 cost
    QCOMPARE(a.rows.last().retail, std::optional<double>(890));
    QCOMPARE(a.rows.last().cost, std::optional<double>(712));
}

void TestCenterAnalysis::tableQuantitiesFollowLineTwo_data()
{
    QTest::addColumn<QString>("quantity2");
    QTest::addColumn<QList<int>>("expected");
    const QList<int> thousands{1000, 2000, 3000, 4000, 5000, 6000, 7000, 8000, 9000, 10000};
    QTest::newRow("10000 is not above 10000") << "10000" << hundredsThen(thousands);
    QTest::newRow("3") << "3" << hundredsThen(thousands);
    QTest::newRow("25000") << "25000" << hundredsThen({1000, 3000, 5000, 7000, 9000, 10000, 20000});
    QTest::newRow("10000.4 is above 10000 before rounding")
        << "10000.4" << hundredsThen({1000, 3000, 5000, 7000, 9000, 10000});
}

void TestCenterAnalysis::tableQuantitiesFollowLineTwo()
{
    QFETCH(QString, quantity2);
    QFETCH(QList<int>, expected);
    const CenterAnalysis a = analyseCenter(withField(workedExampleFields(), &PricingFields::quantity2, quantity2));
    QCOMPARE(rowQuantities(a), expected);
}

void TestCenterAnalysis::tableEndsWithinThirtyTwoBits()
{
    for (double line : {2147483647.0, 1e300}) {
        const QList<int> quantities = tableQuantities(line);
        QCOMPARE(quantities.last(), 2147480000);
        QCOMPARE(quantities.size(), 5 + 5 + 214748); // hundreds, 1000 to 9000, then tens of thousands
    }
}

void TestCenterAnalysis::eachFailingStepCountsOnce_data()
{
    QTest::addColumn<PricingFields>("fields");
    QTest::addColumn<int>("failures");
    QTest::addColumn<int>("rowsWithAmounts");
    // Empty lines read as 0: the slope 0/0 fails, and everything else waits on it.
    QTest::newRow("every line empty") << PricingFields{} << 1 << 0;
    // Cost per hour 1.25 x 0: both speeds and the set-up minutes divide by zero.
    QTest::newRow("hourly cost 0") << withField(workedExampleFields(), &PricingFields::hourlyCost, "0") << 3 << 15;
    // 1 + mark-up is 0: both speeds, cost per thousand, set-up cost, and the table once.
    QTest::newRow("mark-up -100") << withField(workedExampleFields(), &PricingFields::markUp, "-100") << 5 << 0;
}

void TestCenterAnalysis::eachFailingStepCountsOnce()
{
    QFETCH(PricingFields, fields);
    QFETCH(int, failures);
    QFETCH(int, rowsWithAmounts);
    const CenterAnalysis a = analyseCenter(fields);
    QCOMPARE(a.failures, failures);
    int complete = 0;
    for (const TableRow& row : a.rows)
        complete += row.cost && row.retail ? 1 : 0;
    QCOMPARE(complete, rowsWithAmounts);
}

QTEST_GUILESS_MAIN(TestCenterAnalysis)
#include "test_center_analysis.moc"
