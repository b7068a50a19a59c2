// Which typed pricing inputs Calculate accepts, and which check speaks first.
#include "pricing/PricingCheck.h"
#include "tests/pricing/PricingExamples.h"
#include "tests/support/ProgramNames.h"

#include <QTest>

Q_DECLARE_METATYPE(PricingFields)
Q_DECLARE_METATYPE(PricingCheck)

class TestPricingChecks : public QObject {
    Q_OBJECT
private slots:
    void checksInTheirOrder_data();
    void checksInTheirOrder();
};

void TestPricingChecks::checksInTheirOrder_data()
{
    QTest::addColumn<PricingFields>("fields");
    QTest::addColumn<PricingCheck>("expected");
    const PricingFields example = workedExampleFields();
    auto row = [&](const char* name, QString PricingFields::*field, const char* text, PricingCheck expected) {
        QTest::newRow(name) << withField(example, field, QString::fromLatin1(text)) << expected;
    };
    using F = PricingFields;
    QTest::newRow("worked example: slope .085, set-up 40") << example << PricingCheck::Accepted;
    row("empty mark-up is 0 %", &F::markUp, "", PricingCheck::Accepted);
    row("quantity 1 of 0.5 rounds to 0", &F::quantity1, "0.5", PricingCheck::QuantityNotAboveZero);
    row("quantity 2 of -3", &F::quantity2, "-3", PricingCheck::QuantityNotAboveZero);
    row("empty hourly cost", &F::hourlyCost, "", PricingCheck::HourlyCostNotAboveZero);
    row("zero hourly cost", &F::hourlyCost, "0", PricingCheck::HourlyCostNotAboveZero);
    row("hourly cost $60 reads as 0", &F::hourlyCost, "$60", PricingCheck::HourlyCostNotAboveZero);
    // Level prices: slope 0, so the set-up price is the price itself.
    row("level line", &F::price1, "890", PricingCheck::PriceNotAboveSetUp);
    row("quantity beyond 32 bits", &F::quantity2, "3000000000", PricingCheck::Overflow);
    row("price beyond a double", &F::price2, "1e999", PricingCheck::Overflow);
    row("mark-up beyond single precision", &F::markUp, "1e45", PricingCheck::Overflow);

    // 1000 at 100, 10000 at 50: slope -50/9000, set-up price 105.56 lies above both prices.
    const PricingFields falling = withField(withField(example, &F::price1, "100"), &F::price2, "50");
    QTest::newRow("falling line") << falling << PricingCheck::PriceNotAboveSetUp;

    PricingFields sameQuantity = withField(example, &F::quantity2, QStringLiteral("1000"));
    // 0/0 slope
    QTest::newRow("equal quantities, equal prices")
        << withField(sameQuantity, &F::price2, "125") << PricingCheck::Overflow;
    // (125-890)/0 is passed over: no slope, set-up price 125, price 1 not above it
    QTest::newRow("equal quantities, different prices") << sameQuantity << PricingCheck::PriceNotAboveSetUp;
    // 1.5 and 2.5 both round to 2, so the equal prices meet a 0/0 slope
    QTest::newRow("1.5 and 2.5 both round to 2")
        << withField(withField(withField(example, &F::quantity1, "1.5"), &F::quantity2, "2.5"), &F::price2, "125")
        << PricingCheck::Overflow;

    PricingFields noCost = withField(example, &F::hourlyCost, QString());
    QTest::newRow("quantity told before the empty hourly cost")
        << withField(noCost, &F::quantity2, "0.5") << PricingCheck::QuantityNotAboveZero;
    QTest::newRow("hourly cost told before the falling line")
        << withField(falling, &F::hourlyCost, QString()) << PricingCheck::HourlyCostNotAboveZero;
    QTest::newRow("overflow told before the empty hourly cost")
        << withField(noCost, &F::price1, "1e999") << PricingCheck::Overflow;
}

void TestPricingChecks::checksInTheirOrder()
{
    QFETCH(PricingFields, fields);
    QFETCH(PricingCheck, expected);
    QCOMPARE(checkPricing(fields), expected);
}

QTEST_GUILESS_MAIN(TestPricingChecks)
#include "test_pricing_checks.moc"
