#include "pricing/CenterAnalysis.h"

#include "pricing/AnalysisStep.h"
#include "pricing/QuantitySeries.h"
#include "pricing/StraightLine.h"
#include "textrules/NumberReading.h"

using namespace textrules;
using namespace store;

namespace pricing {

using analysisstep::need;

namespace {

double number(const QString& text)
{
    return numbers::read(text);
}

// Cuts a money amount down to a whole multiple of 1/quantity of a dollar.
double cutToQuantity(double amount, int quantity)
{
    return checked::div(numbers::intOf(checked::mul(quantity, amount)), quantity);
}

// The quantity over the press hours that the run part of its price pays for.
double speed(int quantity, double price, float setUpPrice, float markUp, double hourlyCost)
{
    const double costPerHour = checked::mul(checked::add(1, markUp), hourlyCost);
    return checked::div(quantity, checked::div(checked::sub(price, setUpPrice), costPerHour));
}

// Both amounts of a table row; single precision up to 10000 pieces.
TableRow tableRow(int n, float slope, float setUpPrice, float markUp, int& failures)
{
    const bool single = n <= 10000;
    auto precision = [single](double value) { return single ? double(numbers::toSingle(value)) : value; };
    TableRow row{n, {}, {}};
    row.retail =
        analysisstep::attempt(failures, [&] { return precision(checked::add(checked::mul(slope, n), setUpPrice)); });
    row.cost = analysisstep::attempt(
        failures, [&] { return precision(checked::div(need(row.retail), checked::add(1, markUp))); });
    return row;
}

class Analyser {
public:
    explicit Analyser(const PricingFields& fields) : m_fields(fields) {}

    CenterAnalysis run()
    {
        readInputs();
        fitLine();
        workOutSpeeds();
        workOutRetail();
        workOutCost();
        workOutShownFigures();
        workOutTable();
        return m_result;
    }

private:
    template <typename Compute> auto step(Compute compute) { return analysisstep::attempt(m_result.failures, compute); }

    void readInputs()
    {
        m_result.quantity1 = step([&] { return numbers::readWhole(m_fields.quantity1); });
        m_result.quantity2 = step([&] { return numbers::readWhole(m_fields.quantity2); });
        m_result.markUp = step([&] { return straightline::markUpFraction(m_fields.markUp); });
    }

    void fitLine()
    {
        m_result.slope = step([&] {
            const int q1 = need(m_result.quantity1), q2 = need(m_result.quantity2);
            return straightline::slope(number(m_fields.price1), number(m_fields.price2), q1, q2);
        });
        m_result.setUpPrice = step([&] {
            const float slope = need(m_result.slope);
            return straightline::setUpPrice(number(m_fields.price1), slope, need(m_result.quantity1));
        });
        m_result.retailSetUpPrice = step([&] { return double(need(m_result.setUpPrice)); });
    }

    std::optional<double> speedAt(const std::optional<int>& quantity, const QString& price)
    {
        return step([&] {
            const int q = need(quantity);
            const float setUp = need(m_result.setUpPrice), markUp = need(m_result.markUp);
            return speed(q, number(price), setUp, markUp, number(m_fields.hourlyCost));
        });
    }

    void workOutSpeeds()
    {
        m_result.speed2 = speedAt(m_result.quantity2, m_fields.price2);
        m_result.speed1 = speedAt(m_result.quantity1, m_fields.price1);
    }

    std::optional<double> cut(const std::optional<double>& amount)
    {
        return step([&] {
            const double value = need(amount);
            return cutToQuantity(value, need(m_result.quantity2));
        });
    }

    void workOutRetail()
    {
        m_result.retailPerThousand = step([&] {
            const float slope = need(m_result.slope), setUp = need(m_result.setUpPrice);
            return checked::add(checked::mul(slope, 1000), setUp);
        });
        m_result.retailPerThousand = cut(m_result.retailPerThousand);
        m_result.retailSetUpPrice = cut(m_result.retailSetUpPrice);
        m_result.speed2 = step([&] { return numbers::intOf(need(m_result.speed2)); });
        m_result.speed1 = step([&] { return numbers::intOf(need(m_result.speed1)); });
    }

    std::optional<double> beforeMarkUp(const std::optional<double>& retail)
    {
        return step([&] {
            const double value = need(retail);
            return checked::div(value, checked::add(1, need(m_result.markUp)));
        });
    }

    void workOutCost()
    {
        m_result.costPerThousand = beforeMarkUp(m_result.retailPerThousand);
        m_result.setUpCost = beforeMarkUp(m_result.retailSetUpPrice);
        m_result.costPerThousand = cut(m_result.costPerThousand);
        m_result.setUpCost = cut(m_result.setUpCost);
    }

    void workOutShownFigures()
    {
        m_result.shownMarkUp = step([&] {
            const double retail = need(m_result.retailPerThousand), cost = need(m_result.costPerThousand);
            return numbers::toSingle(checked::sub(checked::div(retail, cost), 1));
        });
        if (m_result.shownMarkUp && *m_result.shownMarkUp > 0)
            m_result.markUpPercent = step([&] { return numbers::toSingle(checked::mul(*m_result.shownMarkUp, 100)); });
        m_result.hourlyCost = step([&] { return number(m_fields.hourlyCost); });
        m_result.setUpMinutes = step([&] {
            const double setUpCost = need(m_result.setUpCost);
            const double minutes = checked::mul(checked::div(setUpCost, number(m_fields.hourlyCost)), 60);
            return numbers::intOf(checked::add(minutes, 0.5));
        });
    }

    // The table counts as one step, however many of its rows fail.
    void workOutTable()
    {
        const std::optional<double> quantity2Line = step([&] { return number(m_fields.quantity2); });
        if (!m_result.slope || !m_result.setUpPrice || !m_result.markUp)
            return;
        int rowFailures = 0;
        for (int n : tableQuantities(quantity2Line))
            m_result.rows.append(tableRow(n, *m_result.slope, *m_result.setUpPrice, *m_result.markUp, rowFailures));
        m_result.failures += rowFailures > 0 ? 1 : 0;
    }

    const PricingFields& m_fields;
    CenterAnalysis m_result;
};

} // namespace

CenterAnalysis analyseCenter(const PricingFields& fields)
{
    return Analyser(fields).run();
}

} // namespace pricing
