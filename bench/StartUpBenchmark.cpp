// Start-up as a whole process: the program from its start to the splash painted, against a bare
// Qt window to its first paint, each started afresh. Reported per data folder (no list, 5 names,
// 10,000 names): the processor time of the program's process, and its ratio and that of the peak
// memory to the bare window's.
#include "bench/PlantFixture.h"
#include "bench/Stopwatch.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <optional>
#include <vector>

using namespace store;
using namespace engine;

extern char** environ;

namespace {

struct ProcessCost {
    double cpuSeconds = 0;
    long peakKilobytes = 0;
};

double seconds(const timeval& time)
{
    return double(time.tv_sec) + double(time.tv_usec) / 1e6;
}

// Runs the program to its end and gives what it cost, or nothing when it failed.
std::optional<ProcessCost> run(const QString& program)
{
    const QByteArray path = program.toLocal8Bit();
    char* const arguments[] = {const_cast<char*>(path.constData()), nullptr};
    pid_t child = 0;
    if (posix_spawn(&child, path.constData(), nullptr, nullptr, arguments, environ) != 0)
        return std::nullopt;
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return std::nullopt;
    return ProcessCost{seconds(usage.ru_utime) + seconds(usage.ru_stime), usage.ru_maxrss};
}

QString besideThis(const char* program)
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QString::fromLatin1(program));
}

bool lessProcessorTime(const ProcessCost& a, const ProcessCost& b)
{
    return a.cpuSeconds < b.cpuSeconds;
}

struct StartUpCosts {
    ProcessCost program;
    ProcessCost bare;
};

// The median cost of several runs of each, so that one slow start does not decide; the two take
// turns, so that a busier moment of the machine weighs on both alike.
std::optional<StartUpCosts> medianCosts(int runs = 7)
{
    std::vector<ProcessCost> program;
    std::vector<ProcessCost> bare;
    for (int i = 0; i < runs; ++i) {
        const std::optional<ProcessCost> programRun = run(besideThis("start_up_until_painted"));
        const std::optional<ProcessCost> bareRun = run(besideThis("bare_window_until_painted"));
        if (!programRun || !bareRun)
            return std::nullopt;
        program.push_back(*programRun);
        bare.push_back(*bareRun);
    }
    return StartUpCosts{median(program, lessProcessorTime), median(bare, lessProcessorTime)};
}

// A user data folder holding a list of that many names, and the first five calculated.
bool fillDataFolder(const QString& dataHome, int names)
{
    const DataFolder folder(QDir(dataHome).filePath(QStringLiteral("Solvarra/Budgeted Hourly Rates")));
    if (!QDir().mkpath(folder.path()))
        return false;
    if (names == 0)
        return true;
    QStringList list;
    for (int name = 0; name < names; ++name)
        list.append(plantfixture::centerName(name));
    bool filled = folder.replace(filenames::kListFile, list).ok();
    for (int name = 0; name < std::min(names, 5) && filled; ++name)
        filled = calculateCenter(folder, list[name], workedExampleTexts()).kind == BudgetOutcome::Kind::Completed;
    return filled;
}

void startUpToSplash(benchmark::State& state)
{
    QTemporaryDir dataHome;
    if (!fillDataFolder(dataHome.path(), static_cast<int>(state.range(0)))) {
        state.SkipWithError("the data folder could not be filled");
        return;
    }
    qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    std::optional<StartUpCosts> costs;
    for (auto _ : state) {
        costs = medianCosts();
        if (!costs) {
            state.SkipWithError("a start-up did not run to its first paint");
            return;
        }
        state.SetIterationTime(costs->program.cpuSeconds);
    }
    state.counters["cpu_ratio_to_bare"] = costs->program.cpuSeconds / costs->bare.cpuSeconds;
    state.counters["memory_ratio_to_bare"] = double(costs->program.peakKilobytes) / double(costs->bare.peakKilobytes);
}

} // namespace

BENCHMARK(startUpToSplash)
    ->Arg(0)
    ->Arg(5)
    ->Arg(plantfixture::kListNames)
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
