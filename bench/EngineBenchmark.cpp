// The cost engine's work on one Calculate BHR: the formulas from the typed texts to the filled
// record, and the result file written and read back; and what drives one center's rate.

#include "engine/CostFormulas.h"
#include "engine/RateChange.h"
#include "engine/RateDrivers.h"
#include "engine/ResultFile.h"
#include "engine/TextsCalculation.h"
#include "store/InputTexts.h"
#include "tests/engine/WorkedExample.h"
#include "tests/support/WorkedExampleBoxes.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace store;
using namespace engine;

static void calculateWorkedExample(benchmark::State& state)
{
    const InputTexts inputs = workedExampleInputs();
    ResultRecord record;
    for (auto _ : state) {
        benchmark::DoNotOptimize(calculateCosts(inputs, record));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(calculateWorkedExample);

static void saveAndLoadResultFile(benchmark::State& state)
{
    ResultRecord record;
    if (calculateCosts(workedExampleInputs(), record) != CostOutcome::Completed) {
        state.SkipWithError("the worked example did not calculate");
        return;
    }
    QTemporaryDir dir;
    const DataFolder folder(dir.path());
    const QString equipment = QStringLiteral("AB Press 2");
    for (auto _ : state) {
        if (const StoreResult saved = saveResultFile(folder, equipment, record); !saved.ok()) {
            state.SkipWithError(qPrintable(saved.error));
            break;
        }
        const LoadedRecord loaded = loadResultFile(folder, equipment);
        if (!loaded.ok()) {
            state.SkipWithError(qPrintable(loaded.error));
            break;
        }
    }
}
BENCHMARK(saveAndLoadResultFile);

// Every input moved 10 % down and up, one at a time: 88 runs of the formulas, sorted by effect.
static void tornadoOfWorkedExample(benchmark::State& state)
{
    const InputTexts texts = textsOf(workedExampleBoxes());
    for (auto _ : state) {
        const ratedrivers::Drivers found = ratedrivers::drivers(texts, 1);
        if (!found.rate || found.moving.isEmpty()) {
            state.SkipWithError("the worked example has no rate to move");
            break;
        }
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(tornadoOfWorkedExample)->Unit(benchmark::kMillisecond);

// One center's change split over the most plant-wide inputs that are averaged over every order:
// 12 changed inputs, 4,096 mixes of old and new figures, each a run of the formulas.
static void explanationOfTwelveChanges(benchmark::State& state)
{
    const InputTexts before = textsOf(workedExampleBoxes());
    InputTexts after = before;
    const InputBox changed[] = {
        InputBox::SocialSecurityRate, InputBox::MaximumSalary, InputBox::WorkmansComp,  InputBox::UnemploymentComp,
        InputBox::GroupInsurance,     InputBox::Pension,       InputBox::PowerPrice,    InputBox::VacationDays,
        InputBox::Holidays,           InputBox::Rent,          InputBox::PropertyTaxes, InputBox::Depreciation};
    for (const InputBox box : changed)
        after[box] = *textscalculation::movedBy(before[box], 1.05);
    for (auto _ : state) {
        const ratechange::Explanation explanation = ratechange::explain(before, after);
        if (explanation.changed.size() != 12 || !explanation.at(1)) {
            state.SkipWithError("the change was not split over twelve inputs");
            break;
        }
        benchmark::DoNotOptimize(explanation);
    }
}
BENCHMARK(explanationOfTwelveChanges)->Unit(benchmark::kMillisecond);
