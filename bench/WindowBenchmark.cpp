// What a user waits for in the windows: start-up to the splash painted, the Calculate BHR click
// to the budget window shown with its files written, the rate report painted into a PDF, the
// plant overview of 1,000 centers shown, the main window started on a list of 10,000 names, both
// windows opened on damaged files of 100 MB, the tornado and a what-if keystroke of What Drives
// This Rate, and a job costed on 1,000 centers.

#include "tests/support/MainWindowDriver.h"

#include "bench/PlantFixture.h"
#include "bench/Stopwatch.h"
#include "engine/BudgetCalculation.h"
#include "engine/ResultFile.h"
#include "forms/ProgramStart.h"
#include "forms/frmBudget.h"
#include "forms/frmDrivers.h"
#include "forms/frmJobCost.h"
#include "forms/frmPlant.h"
#include "platform/PrintService.h"
#include "report/RateReport.h"
#include "store/PressFigures.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTableView>

#include <benchmark/benchmark.h>

#include <optional>

using namespace store;
using namespace engine;
using namespace report;
using namespace platform;
using namespace forms;

static void startUpToSplashPainted(benchmark::State& state)
{
    QTemporaryDir dir;
    RecordedPlatform platform(dir.path(), 2026);
    for (auto _ : state) {
        ProgramStart start(platform);
        start.splash()->repaint();
        state.PauseTiming();
        start.splash()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}
BENCHMARK(startUpToSplashPainted)->Unit(benchmark::kMillisecond);

static void calculateToBudgetWindow(benchmark::State& state)
{
    MainWindowDriver ui;
    ui.start();
    for (const auto& [box, text] : workedExampleBoxes())
        ui.box(box)->setText(text);
    ui.type("txtTitle", "AB Press 2");
    for (auto _ : state) {
        ui.click("Command2");
        FrmBudget* budget = ui.openWindow<FrmBudget>();
        if (!budget) {
            state.SkipWithError("the budget window did not open");
            break;
        }
        budget->repaint();
        state.PauseTiming();
        budget->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}
BENCHMARK(calculateToBudgetWindow)->Unit(benchmark::kMillisecond);

static void rateReportToPdf(benchmark::State& state)
{
    MainWindowDriver ui;
    const BoxEntries boxes = workedExampleBoxes();
    const BudgetOutcome calculated = calculateBudget(ui.folder(), "AB Press 2", textsOf(boxes));
    if (calculated.kind != BudgetOutcome::Kind::Completed) {
        state.SkipWithError("the worked example did not calculate");
        return;
    }
    const ResultRecord record = loadResultFile(ui.folder(), "AB Press 2").record;
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(ui.path("rates.pdf"));
        benchmark::DoNotOptimize(paintJob(rateReport("AB Press 2", record), printer));
    }
}
BENCHMARK(rateReportToPdf)->Unit(benchmark::kMillisecond);

// The window opened from the main window and painted, each time afresh; gives the time of the
// opening and painting.
template <auto open> static Stopwatch openRepeatedly(benchmark::State& state, Platform& platform)
{
    FrmTab window(platform);
    Stopwatch watch;
    for (auto _ : state) {
        watch.start();
        auto* opened = (window.openWindows().*open)();
        opened->repaint();
        watch.stop();
        state.PauseTiming();
        opened->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
    return watch;
}

// The overview of 1,000 and of 10,000 saved centers opened and painted; closing it is timed apart.
// The larger reports its ratio to the smaller, which runs first.
static void plantOverviewShown(benchmark::State& state)
{
    static std::optional<IterationTime> smaller;
    const plantfixture::Plant& plant = plantfixture::plantOf(static_cast<int>(state.range(0)));
    if (!plant.ready()) {
        state.SkipWithError("the plant could not be set up");
        return;
    }
    RecordedPlatform platform(plant.folder().path(), 2026);
    const Stopwatch watch = openRepeatedly<&OpenWindows::plant>(state, platform);
    const IterationTime shown = IterationTime::of(watch, long(state.iterations()));
    if (state.range(0) == plantfixture::kCenters)
        smaller = shown;
    else if (smaller) {
        state.counters["wall_ratio_to_1000"] = shown.wallSeconds / smaller->wallSeconds;
        state.counters["cpu_ratio_to_1000"] = shown.cpuSeconds / smaller->cpuSeconds;
    }
}
BENCHMARK(plantOverviewShown)
    ->Arg(plantfixture::kCenters)
    ->Arg(10 * plantfixture::kCenters)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

static void plantOverviewClosed(benchmark::State& state)
{
    const plantfixture::Plant& plant = plantfixture::plantOf(static_cast<int>(state.range(0)));
    if (!plant.ready()) {
        state.SkipWithError("the plant could not be set up");
        return;
    }
    RecordedPlatform platform(plant.folder().path(), 2026);
    FrmTab window(platform);
    for (auto _ : state) {
        state.PauseTiming();
        FrmPlant* overview = window.openWindows().plant();
        overview->repaint();
        state.ResumeTiming();
        overview->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}
BENCHMARK(plantOverviewClosed)->Arg(10 * plantfixture::kCenters)->Unit(benchmark::kMillisecond)->Iterations(5);

// The main window built, started on a list of 5 names and of 10,000, and painted: what the list
// adds to start-up. The longer list reports its ratio to the short one, which runs first.
static void mainWindowOnList(benchmark::State& state)
{
    static std::optional<IterationTime> shortList;
    QTemporaryDir dir;
    RecordedPlatform platform(dir.path(), 2026);
    QStringList names;
    for (int name = 0; name < state.range(0); ++name)
        names.append(QStringLiteral("Equipment number %1").arg(name));
    if (!platform.folder().replace(filenames::kListFile, names).ok()) {
        state.SkipWithError("the list could not be written");
        return;
    }
    Stopwatch watch;
    for (auto _ : state) {
        watch.start();
        FrmTab window(platform);
        window.load();
        window.repaint();
        watch.stop();
        if (window.findChild<QListWidget*>()->count() != names.size()) {
            state.SkipWithError("the list did not show whole");
            return;
        }
    }
    const IterationTime started = IterationTime::of(watch, long(state.iterations()));
    if (state.range(0) < plantfixture::kListNames)
        shortList = started;
    else if (shortList) {
        state.counters["wall_ratio_to_5"] = started.wallSeconds / shortList->wallSeconds;
        state.counters["cpu_ratio_to_5"] = started.cpuSeconds / shortList->cpuSeconds;
    }
}
BENCHMARK(mainWindowOnList)->Arg(5)->Arg(plantfixture::kListNames)->Unit(benchmark::kMillisecond)->Iterations(10);

// A damaged list file of 100 MB: one line throughout (0), or its first MiB full of short names
// (1), far more entries than the 10,000 that a list can hold.
static bool writeDamagedList(const DataFolder& folder, bool shortNames)
{
    QByteArray start;
    for (int name = 0; shortNames && start.size() < 1024 * 1024; ++name)
        start += QByteArray::number(name) + "\r\n";
    QFile list(folder.filePath(filenames::kListFile));
    return list.open(QIODevice::WriteOnly) && list.write(start) == start.size() && list.resize(100 * 1024 * 1024);
}

static void mainWindowOnADamagedList(benchmark::State& state)
{
    QTemporaryDir dir;
    RecordedPlatform platform(dir.path(), 2026);
    if (!writeDamagedList(platform.folder(), state.range(0) == 1)) {
        state.SkipWithError("the list could not be written");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        FrmTab window(platform);
        state.ResumeTiming();
        window.load();
        window.repaint();
    }
}
BENCHMARK(mainWindowOnADamagedList)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(10);

// The plant overview of the 10,000 names that such a list shows, none of them calculated.
static void plantOverviewOnADamagedList(benchmark::State& state)
{
    QTemporaryDir dir;
    RecordedPlatform platform(dir.path(), 2026);
    if (!writeDamagedList(platform.folder(), true)) {
        state.SkipWithError("the list could not be written");
        return;
    }
    openRepeatedly<&OpenWindows::plant>(state, platform);
}
BENCHMARK(plantOverviewOnADamagedList)->Unit(benchmark::kMillisecond)->Iterations(10);

// The plant overview of one center whose plant file and result file are both 100 MB.
static void plantOverviewOnDamagedFiles(benchmark::State& state)
{
    QTemporaryDir dir;
    RecordedPlatform platform(dir.path(), 2026);
    const BoxEntries boxes = workedExampleBoxes();
    const BudgetOutcome calculated = calculateBudget(platform.folder(), "Kord", textsOf(boxes));
    bool damaged = calculated.kind == BudgetOutcome::Kind::Completed &&
                   platform.folder().replace(filenames::kListFile, {"Kord"}).ok();
    for (const QString& file : {filenames::kPlantFile, filenames::resultFile("Kord")})
        damaged = damaged && QFile::resize(platform.folder().filePath(file), 100 * 1024 * 1024);
    if (!damaged) {
        state.SkipWithError("the damaged files could not be made");
        return;
    }
    openRepeatedly<&OpenWindows::plant>(state, platform);
}
BENCHMARK(plantOverviewOnDamagedFiles)->Unit(benchmark::kMillisecond)->Iterations(10);

// What Drives This Rate of the worked example, open on the page the benchmark works on.
static FrmDrivers* driversWindow(MainWindowDriver& ui, int page)
{
    const BoxEntries boxes = workedExampleBoxes();
    if (calculateBudget(ui.folder(), "AB Press 2", textsOf(boxes)).kind != BudgetOutcome::Kind::Completed)
        return nullptr;
    FrmDrivers* window = ui.window().openWindows().drivers("AB Press 2");
    window->findChild<QTabWidget*>("tabPages")->setCurrentIndex(page);
    window->repaint();
    return window;
}

// The tornado for one center worked out, drawn and painted with its table, as a change of level
// does it.
static void tornadoShown(benchmark::State& state)
{
    MainWindowDriver ui;
    FrmDrivers* window = driversWindow(ui, 0);
    if (!window) {
        state.SkipWithError("the worked example did not calculate");
        return;
    }
    auto* level = window->findChild<QComboBox*>("cboLevel");
    int chosen = 0;
    for (auto _ : state) {
        chosen = 1 - chosen;
        level->setCurrentIndex(chosen);
        benchmark::DoNotOptimize(window->grab()); // every control of the window drawn
    }
}
BENCHMARK(tornadoShown)->Unit(benchmark::kMillisecond);

// One what-if keystroke: the twelve rates worked out and shown beside the saved ones, and the
// window painted.
static void whatIfKeystroke(benchmark::State& state)
{
    MainWindowDriver ui;
    FrmDrivers* window = driversWindow(ui, 1);
    if (!window) {
        state.SkipWithError("the worked example did not calculate");
        return;
    }
    auto* wage = window->findChild<QLineEdit*>("txtWhatIf_txtWage1");
    wage->setFocus();
    bool typed = false;
    for (auto _ : state) {
        typed = !typed;
        QTest::keyClick(wage, typed ? Qt::Key_5 : Qt::Key_Backspace); // 20, 205, 20, ...
        benchmark::DoNotOptimize(window->grab());                     // every control of the window drawn
    }
    if (wage->text() != (typed ? QStringLiteral("205") : QStringLiteral("20")))
        state.SkipWithError("the keystrokes did not reach the what-if");
}
BENCHMARK(whatIfKeystroke)->Unit(benchmark::kMillisecond);

// Every center of the plant with a speed and set-up time of its own, as typed in the table.
static bool typePressFigures(const DataFolder& folder)
{
    QStringList lines;
    for (int center = 0; center < plantfixture::kCenters; ++center)
        lines << plantfixture::centerName(center) << QString::number(4000 + 7 * center) << QString::number(center % 90);
    return folder.replace(filenames::kPressFiguresFile, lines).ok();
}

// The window opened on 1,000 centers: every result file and the press figures read, the job
// typed before costed and shown.
static void jobCostWindowOpened(benchmark::State& state)
{
    if (!plantfixture::plant().ready() || !typePressFigures(plantfixture::plant().folder())) {
        state.SkipWithError("the plant could not be set up");
        return;
    }
    RecordedPlatform platform(plantfixture::plant().folder().path(), 2026);
    openRepeatedly<&OpenWindows::jobCost>(state, platform);
}
BENCHMARK(jobCostWindowOpened)->Unit(benchmark::kMillisecond)->Iterations(10);

// A job costed on 1,000 centers as the user types its quantity: every center's hours, costs and
// prices, the cheapest found, the table and the picture shown and painted.
static void jobCostedOnThousandCenters(benchmark::State& state)
{
    if (!plantfixture::plant().ready() || !typePressFigures(plantfixture::plant().folder())) {
        state.SkipWithError("the plant could not be set up");
        return;
    }
    RecordedPlatform platform(plantfixture::plant().folder().path(), 2026);
    FrmTab window(platform);
    window.findChild<QLineEdit*>(QStringLiteral("txtPercent"))->setText(QStringLiteral("25"));
    FrmJobCost* jobs = window.openWindows().jobCost();
    auto* quantity = jobs->findChild<QLineEdit*>(QStringLiteral("txtQuantity"));
    const QAbstractItemModel* table = jobs->findChild<QTableView*>(QStringLiteral("tblCenters"))->model();
    int pieces = 10000;
    for (auto _ : state) {
        quantity->setText(QString::number(++pieces));
        jobs->repaint();
    }
    if (table->rowCount() != plantfixture::kCenters || table->index(0, 4).data().toString().isEmpty())
        state.SkipWithError("the job was not costed on every center");
    jobs->close();
}
BENCHMARK(jobCostedOnThousandCenters)->Unit(benchmark::kMillisecond)->Iterations(20);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
