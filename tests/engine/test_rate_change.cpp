// What drives a rate and why it moved: each input moved 10 % either way against a hand
// calculation, and the split of a change in rate (B) over the plant-wide inputs against two
// separate calculations of the old and the new rate.

#include "engine/CostFormulas.h"
#include "engine/PlantChanges.h"
#include "engine/RateChange.h"
#include "engine/RateDrivers.h"
#include "engine/ResultSlots.h"
#include "forms/BoxPlaces.h"
#include "store/InputTexts.h"
#include "tests/support/ProgramNames.h"
#include "tests/support/WorkedExampleBoxes.h"

#include <QRandomGenerator>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <optional>

namespace {

namespace slot = resultslots;

InputTexts workedExample()
{
    return textsOf(workedExampleBoxes());
}

// Rate (B) at a level as one run of the formulas gives it, apart from anything under test.
std::optional<double> rateB(const InputTexts& texts, int level)
{
    ResultRecord record;
    if (calculateCosts(texts, record) != CostOutcome::Completed)
        return std::nullopt;
    return record.result(slot::rateB(level));
}

ResultRecord savedRecord(const InputTexts& texts)
{
    ResultRecord record;
    if (calculateCosts(texts, record) != CostOutcome::Completed)
        qWarning("the saved figures do not calculate");
    return record;
}

// A figure a shop could type into a plant-wide box, or now and then an emptied box.
QString plausibleText(InputBox box, QRandomGenerator& random)
{
    struct Range {
        InputBox box;
        double low, high;
        int decimals;
    };
    static const Range kRanges[] = {
        {InputBox::SocialSecurityRate, 0, 15, 2},
        {InputBox::MaximumSalary, 10000, 200000, 0},
        {InputBox::WorkmansComp, 0, 10, 2},
        {InputBox::UnemploymentComp, 0, 6, 2},
        {InputBox::MaximumUnemploymentWages, 1000, 50000, 0},
        {InputBox::GroupInsurance, 0, 200, 2},
        {InputBox::Pension, 0, 10, 2},
        {InputBox::PowerPrice, 0.01, 0.5, 3},
        {InputBox::VacationDays, 0, 30, 0},
        {InputBox::Holidays, 0, 15, 0},
        {InputBox::Rent, 0, 40, 2},
        {InputBox::EquipmentInsurance, 0, 5, 2},
        {InputBox::PropertyTaxes, 0, 5, 2},
        {InputBox::Depreciation, 0, 20, 2},
        {InputBox::PlantEquipmentCost, 1e5, 5e6, 0},
        {InputBox::PlantSquareFeet, 1000, 1e5, 0},
    };
    if (random.bounded(10) == 0)
        return QString();
    for (const Range& range : kRanges)
        if (range.box == box)
            return QString::number(range.low + random.generateDouble() * (range.high - range.low), 'f', range.decimals);
    return QString();
}

QList<InputBox> plantBoxes()
{
    QList<InputBox> boxes;
    for (const inputboxes::Entry& entry : inputboxes::all())
        if (entry.file == inputboxes::BoxFile::Plant)
            boxes.append(entry.box);
    return boxes;
}

// The plant-wide boxes that feed a formula and whose figure differs, judged by reading both texts.
QList<InputBox> changedFigures(const InputTexts& before, const InputTexts& after)
{
    QList<InputBox> changed;
    for (const InputBox box : plantchanges::plantFigures())
        if (before[box].toDouble() != after[box].toDouble())
            changed.append(box);
    return changed;
}

// An input's Shapley value by its definition: its effect on rate (B) over every set of the other
// changes made before it, weighted by how many orders of the changes put that set first. Nothing
// when some mix of old and new figures does not calculate.
std::optional<double> shapleyValue(const InputTexts& saved, const InputTexts& today, const QList<InputBox>& changed,
                                   qsizetype input, int level)
{
    const auto factorial = [](qsizetype n) { return std::tgamma(double(n) + 1); };
    const qsizetype n = changed.size();
    double value = 0;
    for (quint32 set = 0; set < (1u << n); ++set) {
        if (set & (1u << input))
            continue;
        InputTexts without = saved;
        qsizetype before = 0;
        for (qsizetype other = 0; other < n; ++other)
            if (set & (1u << other)) {
                without[changed[other]] = today[changed[other]];
                ++before;
            }
        InputTexts with = without;
        with[changed[input]] = today[changed[input]];
        const std::optional<double> withRate = rateB(with, level);
        const std::optional<double> withoutRate = rateB(without, level);
        if (!withRate || !withoutRate)
            return std::nullopt;
        value += factorial(before) * factorial(n - before - 1) / factorial(n) * (*withRate - *withoutRate);
    }
    return value;
}

} // namespace

class TestRateChange : public QObject {
    Q_OBJECT
private slots:
    void inputsMovedTenPercent_data();
    void inputsMovedTenPercent();
    void partsAddUpToTheWholeChange_data();
    void partsAddUpToTheWholeChange();
};

// Worked example at level 1: rate (B) = annual cost x 2 employees / 3904 hours, so a change of
// the annual cost of X moves it by X / 1952.
void TestRateChange::inputsMovedTenPercent_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("level");
    QTest::addColumn<double>("down"); // NAN: the input does not move the rate at all
    QTest::addColumn<double>("up");

    // Wage 1, 20 -> 18 or 22: direct wages 2080 per dollar, social security 2080 x 7.65 % (below the
    // maximum), workman's comp and pension 3 % each of the wages, and the indirect insurance
    // 5000 / direct wages x 5200 falling as direct wages rise from 72800 to 76960 (or 68640).
    const double wageUp = (2080 * 2 + 159.12 * 2 + 0.06 * 4160 + 26e6 / 76960 - 26e6 / 72800) / 1952;
    const double wageDown = (-2080 * 2 - 159.12 * 2 - 0.06 * 4160 + 26e6 / 68640 - 26e6 / 72800) / 1952;
    QTest::newRow("wage 1, level 1") << "txtWage1" << 1 << wageDown << wageUp;
    // Rent 5 -> 4.5 or 5.5 on 500 square feet: 250 a year either way.
    QTest::newRow("rent") << "txtRent" << 1 << -250.0 / 1952 << 250.0 / 1952;
    // Level 2 has 80 % of the hours: the same costs over 3123.2 hours.
    QTest::newRow("rent, level 2") << "txtRent" << 2 << -250.0 * 2 / 3123.2 << 250.0 * 2 / 3123.2;
    QTest::newRow("plant equipment cost feeds no formula") << "txtTotCost" << 1 << double(NAN) << double(NAN);
    QTest::newRow("plant square feet feed no formula") << "txtTotFeet" << 1 << double(NAN) << double(NAN);
    QTest::newRow("wage 3 empty reads as 0") << "txtWage3" << 1 << double(NAN) << double(NAN);
    QTest::newRow("efficiency 2 moves only its own level") << "txtEff80" << 1 << double(NAN) << double(NAN);
}

void TestRateChange::inputsMovedTenPercent()
{
    QFETCH(QString, box);
    QFETCH(int, level);
    QFETCH(double, down);
    QFETCH(double, up);
    const ratedrivers::Drivers found = ratedrivers::drivers(workedExample(), level);
    QVERIFY(found.rate);
    for (const InputBox still : found.still)
        QVERIFY2(boxplaces::objectName(still) != box || std::isnan(down), "listed as moving nothing");
    for (const ratedrivers::Driver& driver : found.moving) {
        if (boxplaces::objectName(driver.box) != box)
            continue;
        QVERIFY2(!std::isnan(down), "listed as moving the rate");
        QVERIFY(driver.down && driver.up);
        QVERIFY(std::abs(*driver.down - *found.rate - down) < 1e-9);
        QVERIFY(std::abs(*driver.up - *found.rate - up) < 1e-9);
    }
    const auto listed = found.moving.size() + found.still.size();
    QCOMPARE(listed, qsizetype(inputboxes::kCount)); // every input once
    for (qsizetype i = 1; i < found.moving.size(); ++i)
        QVERIFY(ratedrivers::effect(found.moving[i - 1], *found.rate) >=
                ratedrivers::effect(found.moving[i], *found.rate));
}

void TestRateChange::partsAddUpToTheWholeChange_data()
{
    QTest::addColumn<int>("changes");    // how many plant-wide boxes are typed anew
    QTest::addColumn<QString>("ownBox"); // an equipment box typed anew since the rates were saved

    QTest::newRow("one input") << 1 << QString();
    QTest::newRow("three inputs") << 3 << QString();
    QTest::newRow("every plant-wide box, 14 feeding a formula") << 16 << QString();
    QTest::newRow("three inputs and the center's own wage") << 3 << QStringLiteral("txtWage1");
}

// Property: over random plant changes, the parts add up to the new rate minus the saved one
// within a cent, in whole cents exactly, only inputs whose figure changed have a part, and each
// part is the input's Shapley value worked out here by its definition.
void TestRateChange::partsAddUpToTheWholeChange()
{
    QFETCH(int, changes);
    QFETCH(QString, ownBox);
    const QList<InputBox> plant = plantBoxes();
    for (quint32 seed = 1; seed <= 60; ++seed) {
        QRandomGenerator random(seed);
        InputTexts saved = workedExample();
        for (const InputBox box : plant)
            saved[box] = plausibleText(box, random);
        InputTexts today = saved;
        QList<InputBox> shuffled = plant;
        std::shuffle(shuffled.begin(), shuffled.end(), random);
        for (qsizetype i = 0; i < changes; ++i)
            today[shuffled[i]] = plausibleText(shuffled[i], random);
        InputTexts savedWithOwn = saved; // the old plant figures with the center's figures of today
        if (!ownBox.isEmpty()) {
            for (const inputboxes::Entry& entry : inputboxes::all())
                if (boxplaces::objectName(entry.box) == ownBox)
                    today[entry.box] = savedWithOwn[entry.box] = QStringLiteral("24.5");
        }
        const QList<InputBox> changed = changedFigures(saved, today);
        const ratechange::Explanation explanation = ratechange::explainSaved(today, savedRecord(saved));
        QCOMPARE(explanation.changed, changed);
        QCOMPARE(explanation.method, changed.size() > ratechange::kMostAveraged ? ratechange::Method::InTabOrder
                                                                                : ratechange::Method::Averaged);
        for (int level = 1; level <= slot::kLevels; ++level) {
            const std::optional<double> before = rateB(saved, level);
            const std::optional<double> after = rateB(today, level);
            const std::optional<ratechange::LevelChange>& change = explanation.at(level);
            QVERIFY2(change.has_value() == (before && after), qPrintable(QString("seed %1").arg(seed)));
            if (!change)
                continue;
            double sum = 0;
            for (const ratechange::Part& part : change->parts) {
                QVERIFY2(part.box ? changed.contains(*part.box) : !ownBox.isEmpty(), "a part for no change");
                sum += part.amount;
            }
            const double whole = *after - *before;
            QVERIFY2(std::abs(sum - whole) < 0.01, qPrintable(QString("seed %1 level %2: parts %3, whole %4")
                                                                  .arg(seed)
                                                                  .arg(level)
                                                                  .arg(sum, 0, 'f', 6)
                                                                  .arg(whole, 0, 'f', 6)));
            const double own = ownBox.isEmpty() ? 0.0 : *rateB(savedWithOwn, level) - *before;
            const bool ownPart = std::abs(own) >= 0.005;
            QCOMPARE(change->parts.size(), changed.size() + (ownPart ? 1 : 0));
            if (ownPart)
                QVERIFY(std::abs(change->parts.last().amount - own) < 1e-6);
            if (ownBox.isEmpty() && changed.size() <= 4)
                for (qsizetype i = 0; i < changed.size(); ++i)
                    if (const std::optional<double> shapley = shapleyValue(saved, today, changed, i, level)) {
                        QCOMPARE(change->parts.at(i).box, std::optional(changed.at(i)));
                        QVERIFY2(std::abs(change->parts.at(i).amount - *shapley) < 1e-6,
                                 qPrintable(QString("seed %1 level %2 input %3").arg(seed).arg(level).arg(i)));
                    }
            const QList<qint64> cents = ratechange::partsInCents(*change);
            QCOMPARE(std::accumulate(cents.cbegin(), cents.cend(), qint64(0)), std::llround(whole * 100));
        }
    }
}

QTEST_GUILESS_MAIN(TestRateChange)
#include "test_rate_change.moc"
