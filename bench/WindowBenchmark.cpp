// What a user waits for in the windows: start-up to the splash painted, the Calculate BHR click
// to the budget window shown with its files written, the rate report painted into a PDF, the
// plant overview of 1,000 centers shown, the main window started on a list of 10,000 names, and
// both windows opened on damaged files of 100 MB.

#include "MainWindowDriver.h"

#include "BudgetCalculation.h"
#include "PlantFixture.h"
#include "PrintService.h"
#include "ProgramStart.h"
#include "RateReport.h"
#include "ResultFile.h"
#include "frmBudget.h"
#include "frmPlant.h"

#include <QListWidget>

#include <benchmark/benchmark.h>

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
    const BudgetOutcome calculated =
        calculateBudget(ui.folder(), "AB Press 2", [&boxes](const QString& box) { return boxText(boxes, box); });
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

// The plant overview opened and painted, each time afresh.
static void openOverviewRepeatedly(benchmark::State& state, Platform& platform)
{
    FrmTab window(platform);
    for (auto _ : state) {
        FrmPlant* overview = FrmPlant::open(platform, window);
        overview->repaint();
        state.PauseTiming();
        overview->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}

static void plantOverviewShown(benchmark::State& state)
{
    if (!plantfixture::plant().ready()) {
        state.SkipWithError("the plant could not be set up");
        return;
    }
    RecordedPlatform platform(plantfixture::plant().folder().path(), 2026);
    openOverviewRepeatedly(state, platform);
}
BENCHMARK(plantOverviewShown)->Unit(benchmark::kMillisecond)->Iterations(10);

static void mainWindowOnTenThousandNames(benchmark::State& state)
{
    QTemporaryDir dir;
    RecordedPlatform platform(dir.path(), 2026);
    QStringList names;
    for (int name = 0; name < plantfixture::kListNames; ++name)
        names.append(QStringLiteral("Equipment number %1").arg(name));
    if (!platform.folder().replace(filenames::kListFile, names).ok()) {
        state.SkipWithError("the list could not be written");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming(); // the window's tabs and boxes are built before any list is read
        FrmTab window(platform);
        state.ResumeTiming();
        window.load();
        window.repaint();
        if (window.findChild<QListWidget*>()->count() != plantfixture::kListNames) {
            state.SkipWithError("the list did not show whole");
            break;
        }
    }
}
BENCHMARK(mainWindowOnTenThousandNames)->Unit(benchmark::kMillisecond)->Iterations(10);

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
    openOverviewRepeatedly(state, platform);
}
BENCHMARK(plantOverviewOnADamagedList)->Unit(benchmark::kMillisecond)->Iterations(10);

// The plant overview of one center whose plant file and result file are both 100 MB.
static void plantOverviewOnDamagedFiles(benchmark::State& state)
{
    QTemporaryDir dir;
    RecordedPlatform platform(dir.path(), 2026);
    const BoxEntries boxes = workedExampleBoxes();
    const BudgetOutcome calculated =
        calculateBudget(platform.folder(), "Kord", [&boxes](const QString& box) { return boxText(boxes, box); });
    bool damaged = calculated.kind == BudgetOutcome::Kind::Completed &&
                   platform.folder().replace(filenames::kListFile, {"Kord"}).ok();
    for (const QString& file : {filenames::kPlantFile, filenames::resultFile("Kord")})
        damaged = damaged && QFile::resize(platform.folder().filePath(file), 100 * 1024 * 1024);
    if (!damaged) {
        state.SkipWithError("the damaged files could not be made");
        return;
    }
    openOverviewRepeatedly(state, platform);
}
BENCHMARK(plantOverviewOnDamagedFiles)->Unit(benchmark::kMillisecond)->Iterations(10);

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
