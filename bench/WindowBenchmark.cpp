// What a user waits for in the windows: start-up to the splash painted, the Calculate BHR click
// to the budget window shown with its files written, and the rate report painted into a PDF.

#include "MainWindowDriver.h"

#include "BudgetCalculation.h"
#include "PrintService.h"
#include "ProgramStart.h"
#include "RateReport.h"
#include "ResultFile.h"
#include "frmBudget.h"

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
