// The whole plant at once: the overview of 1,000 saved centers, Recalculate all over them against
// 1,000 separate calculations and saves, and the equipment list of 10,000 names.

#include "bench/PlantFixture.h"
#include "bench/Stopwatch.h"
#include "engine/CenterRecompute.h"
#include "engine/PlantOverview.h"
#include "engine/RecalculateAll.h"
#include "engine/ResultFile.h"
#include "engine/StaleCenters.h"
#include "store/EquipmentList.h"
#include "store/FileNames.h"

#include <QTemporaryDir>

#include <algorithm>
#include <vector>

#include <benchmark/benchmark.h>

using namespace store;
using namespace engine;

using namespace plantfixture;

namespace {

// One center as Calculate BHR would do it after selecting it, saving only its result file: the
// plant file and its input files read, the formulas, the save.
bool calculateAndSave(const DataFolder& folder, const QString& name)
{
    const centerrecompute::Recomputed recomputed =
        centerrecompute::recompute(folder, centerrecompute::readPlant(folder), name);
    return recomputed.kind == centerrecompute::Recomputed::Kind::Completed &&
           saveResultFile(folder, name, recomputed.record).ok();
}

bool calculateEachAndSave(const DataFolder& folder)
{
    for (int center = 0; center < kCenters; ++center)
        if (!calculateAndSave(folder, centerName(center)))
            return false;
    return true;
}

} // namespace

static void overviewOfThousandCenters(benchmark::State& state)
{
    if (!plant().ready()) {
        state.SkipWithError("the plant could not be set up");
        return;
    }
    for (auto _ : state) {
        const plantoverview::Overview overview = plantoverview::read(plant().folder());
        if (overview.centers.size() != kCenters || overview.centers.last().state != plantoverview::CenterState::Stale) {
            state.SkipWithError("the overview did not find every center stale");
            break;
        }
    }
}
BENCHMARK(overviewOfThousandCenters)->Unit(benchmark::kMillisecond)->Iterations(10);

// Why Rates Moved: each stale center's input files read and its change split over the three
// plant-wide inputs that changed, 8 runs of the formulas each. Before any benchmark below makes
// the centers current.
static void explainThousandStaleCenters(benchmark::State& state)
{
    const plantoverview::Overview overview = plantoverview::read(plant().folder());
    if (!plant().ready() || overview.centers.size() != kCenters) {
        state.SkipWithError("the plant could not be set up");
        return;
    }
    for (auto _ : state) {
        const QList<stalecenters::Explained> explained = stalecenters::explain(plant().folder(), overview);
        if (explained.size() != kCenters || !explained.last().explanation ||
            explained.last().explanation->changed.size() != 3) {
            state.SkipWithError("not every center was explained by three inputs");
            break;
        }
    }
}
BENCHMARK(explainThousandStaleCenters)->Unit(benchmark::kMillisecond)->Iterations(10);

static void thousandSeparateCalculations(benchmark::State& state)
{
    if (!plant().ready()) {
        state.SkipWithError("the plant could not be set up");
        return;
    }
    for (auto _ : state) {
        if (!calculateEachAndSave(plant().folder())) {
            state.SkipWithError("a center could not be calculated");
            return;
        }
    }
}
BENCHMARK(thousandSeparateCalculations)->Unit(benchmark::kMillisecond)->Iterations(5);

// Each Recalculate All comes right after a separate loop over the same centers, untimed, and
// their ratios are taken pair by pair: a busier moment of a shared machine then weighs on both.
static void recalculateAllOfThousandCenters(benchmark::State& state)
{
    if (!plant().ready()) {
        state.SkipWithError("the plant could not be set up");
        return;
    }
    std::vector<double> wallRatios;
    std::vector<double> cpuRatios;
    for (auto _ : state) {
        state.PauseTiming();
        Stopwatch loop;
        loop.start();
        const bool looped = calculateEachAndSave(plant().folder());
        loop.stop();
        state.ResumeTiming();
        Stopwatch recalculation;
        recalculation.start();
        const recalculation::Plan plan = recalculation::plan(plant().folder());
        const recalculation::SaveOutcome outcome = recalculation::save(plant().folder(), plan);
        recalculation.stop();
        if (!looped || outcome.saved != kCenters) {
            state.SkipWithError("not every center was saved");
            return;
        }
        wallRatios.push_back(recalculation.wallSeconds() / loop.wallSeconds());
        cpuRatios.push_back(recalculation.cpuSeconds() / loop.cpuSeconds());
    }
    state.counters["wall_ratio_to_loop"] = median(wallRatios);
    state.counters["cpu_ratio_to_loop"] = median(cpuRatios);
}
BENCHMARK(recalculateAllOfThousandCenters)->Unit(benchmark::kMillisecond)->Iterations(7);

static void loadListOfTenThousandNames(benchmark::State& state)
{
    QTemporaryDir dir;
    const DataFolder folder(dir.path());
    QStringList names;
    for (int name = 0; name < kListNames; ++name)
        names.append(QStringLiteral("Equipment number %1").arg(name));
    if (!folder.replace(filenames::kListFile, names).ok()) {
        state.SkipWithError("the list could not be written");
        return;
    }
    for (auto _ : state) {
        const equipmentlist::Loaded list = equipmentlist::load(folder);
        if (list.names.size() != kListNames) {
            state.SkipWithError("the list did not load whole");
            break;
        }
    }
}
BENCHMARK(loadListOfTenThousandNames)->Unit(benchmark::kMillisecond)->Iterations(20);
