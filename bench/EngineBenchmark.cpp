// The cost engine's work on one Calculate BHR: the formulas from the typed texts to the filled
// record, and the result file written and read back.

#include "CostFormulas.h"
#include "ResultFile.h"
#include "WorkedExample.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

static void calculateWorkedExample(benchmark::State& state)
{
    const CostInputs inputs = workedExampleInputs();
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
