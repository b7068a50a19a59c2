#include "engine/RateChange.h"

#include "engine/CostFormulas.h"
#include "engine/PlantChanges.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <numeric>
#include <vector>

using namespace store;

namespace engine {

namespace ratechange {
namespace {

using Rates = std::array<std::optional<double>, ResultRecord::kLevels>; // rate (B) by level; nothing where none

constexpr double kHalfCent = 0.005;

// A mix of old and new texts: bit i set where changed input i has its new text.
using Mix = quint64;
static_assert(inputboxes::kCount < 64, "every box has a bit of its own in a mix");

Rates ratesOf(const InputTexts& texts, ResultRecord& record)
{
    Rates rates;
    if (calculateCosts(texts, record) == CostOutcome::Completed)
        for (int level = 1; level <= ResultRecord::kLevels; ++level)
            rates.at(level - 1) = record.rate(HourlyRate::B, level);
    return rates;
}

QList<InputBox> differing(const InputTexts& before, const InputTexts& after)
{
    QList<InputBox> changed;
    for (const inputboxes::Entry& entry : inputboxes::all())
        if (before[entry.box] != after[entry.box])
            changed.append(entry.box);
    return changed;
}

// By k: the share of the orderings of n inputs in which a given input comes in after exactly k
// others, k! (n - k - 1)! / n!.
QList<double> orderingShares(int n)
{
    QList<double> shares;
    double share = 1.0 / n;
    for (int k = 0; k < n; ++k) {
        shares.append(share);
        if (k + 1 < n)
            share *= static_cast<double>(k + 1) / (n - k - 1);
    }
    return shares;
}

// Each input's part at one level, from the rates of every mix, the mix's number its bits.
std::vector<double> averagedParts(const std::vector<Rates>& rates, int n, std::size_t level)
{
    const QList<double> shares = orderingShares(n);
    std::vector<double> parts(static_cast<std::size_t>(n), 0.0);
    for (int i = 0; i < n; ++i)
        for (Mix mix = 0; mix < rates.size(); ++mix)
            if (const Mix with = mix | (Mix(1) << i); with != mix)
                parts.at(i) += shares[std::popcount(mix)] * (*rates[with].at(level) - *rates[mix].at(level));
    return parts;
}

bool everyMixHasRate(const std::vector<Rates>& rates, std::size_t level)
{
    return std::all_of(rates.cbegin(), rates.cend(), [level](const Rates& r) { return r.at(level).has_value(); });
}

// One set of texts run through mixes of old and new figures, changing one input at a time.
class MixRun {
public:
    MixRun(const InputTexts& before, const InputTexts& after, const QList<InputBox>& changed)
        : m_before(before), m_after(after), m_changed(changed), m_texts(before)
    {
    }

    void take(int i, bool newText)
    {
        const InputBox box = m_changed[i];
        m_texts[box] = newText ? m_after[box] : m_before[box];
    }
    Rates rates() { return ratesOf(m_texts, m_record); }

private:
    const InputTexts& m_before;
    const InputTexts& m_after;
    const QList<InputBox>& m_changed;
    InputTexts m_texts;
    ResultRecord m_record;
};

// Every subset of the changed inputs at its new texts, by number, in the order of the Gray code:
// each differs from the one before it in one input.
std::vector<Rates> everyMix(MixRun& run, int n)
{
    std::vector<Rates> rates(std::size_t(1) << n);
    Mix previous = 0;
    for (Mix step = 0; step < rates.size(); ++step) {
        const Mix mix = step ^ (step >> 1);
        if (const Mix flipped = mix ^ previous; flipped != 0)
            run.take(std::countr_zero(flipped), (mix & flipped) != 0);
        rates[mix] = run.rates();
        previous = mix;
    }
    return rates;
}

// The first k changed inputs at their new texts, k = 0 to n.
std::vector<Rates> mixesInTabOrder(MixRun& run, int n)
{
    std::vector<Rates> rates{run.rates()};
    for (int k = 0; k < n; ++k) {
        run.take(k, true);
        rates.push_back(run.rates());
    }
    return rates;
}

std::optional<LevelChange> levelChange(const std::vector<Rates>& rates, const QList<InputBox>& changed, Method method,
                                       std::size_t level)
{
    if (!everyMixHasRate(rates, level))
        return std::nullopt;
    const auto n = static_cast<int>(changed.size());
    LevelChange change{*rates.front().at(level), *rates.back().at(level), {}};
    std::vector<double> amounts;
    if (method == Method::Averaged)
        amounts = averagedParts(rates, n, level);
    else
        for (int i = 0; i < n; ++i)
            amounts.push_back(*rates.at(i + 1).at(level) - *rates.at(i).at(level));
    for (int i = 0; i < n; ++i)
        change.parts.append({changed[i], amounts.at(i)});
    return change;
}

} // namespace

Explanation explain(const InputTexts& before, const InputTexts& after)
{
    Explanation explanation;
    explanation.changed = differing(before, after);
    if (explanation.changed.size() > kMostAveraged)
        explanation.method = Method::InTabOrder;
    MixRun run(before, after, explanation.changed);
    const auto n = static_cast<int>(explanation.changed.size());
    const std::vector<Rates> rates =
        explanation.method == Method::Averaged ? everyMix(run, n) : mixesInTabOrder(run, n);
    for (std::size_t level = 0; level < explanation.levels.size(); ++level)
        explanation.levels.at(level) = levelChange(rates, explanation.changed, explanation.method, level);
    return explanation;
}

Explanation explainSaved(const InputTexts& today, const ResultRecord& saved)
{
    const QList<InputBox> changed = plantchanges::TodaysPlant(today).changedSince(saved);
    Explanation explanation = explain(plantchanges::withSavedFigures(today, saved, changed), today);
    for (int level = 1; level <= ResultRecord::kLevels; ++level) {
        std::optional<LevelChange>& change = explanation.levels.at(level - 1);
        const std::optional<double> savedRate = saved.rate(HourlyRate::B, level);
        if (!change || !savedRate) {
            change.reset();
            continue;
        }
        if (const double own = change->before - *savedRate; std::abs(own) >= kHalfCent)
            change->parts.append({std::nullopt, own});
        change->before = *savedRate;
    }
    return explanation;
}

qint64 cents(double amount)
{
    return std::llround(amount * 100);
}

QList<qint64> partsInCents(const LevelChange& change)
{
    QList<qint64> inCents;
    QList<double> lost;
    for (const Part& part : change.parts) {
        const double exact = part.amount * 100;
        inCents.append(static_cast<qint64>(std::floor(exact)));
        lost.append(exact - std::floor(exact));
    }
    qint64 missing = cents(change.whole()) - std::accumulate(inCents.cbegin(), inCents.cend(), qint64(0));
    QList<qsizetype> order(inCents.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&lost](qsizetype a, qsizetype b) { return lost[a] > lost[b]; });
    for (qsizetype k = 0; !order.isEmpty() && missing > 0; ++k, --missing)
        ++inCents[order[k % order.size()]];
    for (qsizetype k = 0; !order.isEmpty() && missing < 0; ++k, ++missing)
        --inCents[order[order.size() - 1 - k % order.size()]];
    return inCents;
}

} // namespace ratechange

} // namespace engine
