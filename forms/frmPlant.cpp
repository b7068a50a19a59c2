#include "forms/frmPlant.h"

#include "forms/BarChartView.h"
#include "forms/BlanksLastSort.h"
#include "forms/ButtonRow.h"
#include "forms/DataChanges.h"
#include "forms/FrozenColumnTable.h"
#include "forms/LowerLayers.h"
#include "forms/MainWindowLink.h"
#include "forms/NamedWidget.h"
#include "forms/OpenWindows.h"
#include "forms/PlantChart.h"
#include "forms/PlantTableModel.h"
#include "forms/SaveAsPdf.h"
#include "forms/ScrollingPage.h"
#include "platform/Platform.h"
#include "report/PlantExport.h"
#include "report/RecalculateSummary.h"
#include "store/BoxWords.h"
#include "store/EquipmentList.h"
#include "store/FileNames.h"
#include "store/FilesState.h"

#include <QAction>
#include <QChart>
#include <QDir>
#include <QFileSystemWatcher>
#include <QHeaderView>
#include <QLabel>
#include <QProgressDialog>
#include <QSaveFile>
#include <QShortcut>
#include <QSplitter>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <utility>

using namespace forms::lowerlayers;

namespace forms {

namespace {

QString title()
{
    return FrmPlant::tr("Plant Overview");
}

QString recalculateTitle()
{
    return FrmPlant::tr("Recalculate All");
}
constexpr int kNameColumnWidth = 220; // wider names are elided rather than widening the table
constexpr int kRowsMeasured = 20;     // column widths follow the first rows, so a long list opens at once

constexpr int kSettleMilliseconds = 300; // a run of changes by another program is looked at once

QString summaryOf(const plantoverview::Overview& overview, bool listExists)
{
    if (!overview.listRead)
        return listExists ? FrmPlant::tr("The equipment list %1 could not be read.").arg(filenames::kListFile)
                          : FrmPlant::tr("No equipment is listed yet: start with New on tab 6.");
    using plantoverview::CenterState;
    const std::array<std::pair<CenterState, QString>, 6> states = {{
        {CenterState::Current, FrmPlant::tr("current")},
        {CenterState::Stale, FrmPlant::tr("stale")},
        {CenterState::Unknown, FrmPlant::tr("of unknown state")},
        {CenterState::NotCalculated, FrmPlant::tr("not calculated")},
        {CenterState::SharesFiles, FrmPlant::tr("sharing files")},
        {CenterState::Unreadable, FrmPlant::tr("unreadable")},
    }};
    QStringList parts;
    for (const auto& [state, word] : states) {
        const auto count = std::count_if(overview.centers.cbegin(), overview.centers.cend(),
                                         [state](const plantoverview::CenterRow& row) { return row.state == state; });
        if (count > 0)
            parts.append(QStringLiteral("%1 %2").arg(count).arg(word));
    }
    QString text = FrmPlant::tr("%1 listed").arg(overview.centers.size());
    if (!parts.isEmpty())
        text += QStringLiteral(": ") + parts.join(QStringLiteral(", "));
    text += u'.';
    for (const QString& problem : {overview.listProblem, overview.plantProblem})
        if (!problem.isEmpty())
            text += u' ' + problem;
    return text;
}

// The files the overview reads: the list, the plant file and each listed name's result file.
QStringList filesRead(const plantoverview::Overview& overview)
{
    QStringList files{filenames::kListFile, filenames::kPlantFile};
    for (const plantoverview::CenterRow& row : overview.centers)
        if (filenames::nameProblem(row.name).isEmpty())
            files.append(filenames::resultFile(row.name));
    return files;
}

} // namespace

FrmPlant::FrmPlant(Platform& platform, MainWindowLink& mainWindow, QWidget* parent)
    : QWidget(parent), m_platform(platform), m_mainWindow(mainWindow)
{
    setObjectName(QStringLiteral("frmPlant"));
    setWindowTitle(title());
    build();
    refresh();
    connect(&m_mainWindow.dataChanges(), &DataChanges::changed, this, &FrmPlant::refresh);
    // Another program's changes are seen as they land; once they settle the overview says so.
    m_watcher = new QFileSystemWatcher({m_platform.folder().path()}, this);
    auto* settle = named(new QTimer(this), "tmrOutsideChange");
    settle->setSingleShot(true);
    settle->setInterval(kSettleMilliseconds);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, settle, qOverload<>(&QTimer::start));
    connect(m_watcher, &QFileSystemWatcher::fileChanged, settle, qOverload<>(&QTimer::start));
    connect(settle, &QTimer::timeout, this, &FrmPlant::noticeOutsideChange);
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);
}

void FrmPlant::build()
{
    auto* layout = new QVBoxLayout(this);
    m_summary = named(new QLabel(this), "lblPlantSummary");
    m_summary->setWordWrap(true);
    layout->addWidget(m_summary);
    m_outOfDate = named(new QLabel(tr("<b>Out of date:</b> the data files have changed since this "
                                      "overview was read. Press Refresh to read them again."),
                                   this),
                        "lblOutOfDate");
    m_outOfDate->setWordWrap(true);
    m_outOfDate->hide();
    layout->addWidget(m_outOfDate);

    auto* split = new QSplitter(Qt::Vertical, this);
    buildTable(split);
    m_chart = named(new BarChartView(
                        [this](int mostShown) {
                            return plantchart::build(pagepicture::plantCosts(m_model->overview()), mostShown);
                        },
                        split),
                    "chtCosts");
    m_chart->setMinimumHeight(180);
    split->addWidget(m_table);
    split->addWidget(m_chart);
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 1);
    layout->addWidget(split, 1);
    layout->addWidget(buildButtons());
    resizeWithinScreen(this, QSize(1100, 640)); // room for the table and the picture
}

// Sorting goes by the figures themselves, not by their texts, so that $9.00 comes before $10.00.
void FrmPlant::buildTable(QWidget* parent)
{
    m_model = new PlantTableModel(this);
    m_sorted = new BlanksLastSort(this);
    m_sorted->setSourceModel(m_model);
    m_sorted->setSortRole(PlantTableModel::SortRole);
    m_sorted->setSortLocaleAware(true);

    m_table = named(new FrozenColumnTable(parent), "tblCenters");
    m_table->setModel(m_sorted);
    m_table->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder); // list order until the user sorts
    // What needs doing shows beside each name; the export and the printed table keep their order.
    m_table->horizontalHeader()->moveSection(PlantTableModel::State, PlantTableModel::Name + 1);
    m_table->setSortingEnabled(true);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setWordWrap(false);
    m_table->horizontalHeader()->setResizeContentsPrecision(kRowsMeasured);
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->setToolTip(tr("Double-click a center to load it in the main window."));
    connect(m_table, &QTableView::doubleClicked, this, &FrmPlant::showChosenEquipment);
    // Enter on a row does what a double-click does, for those who work from the keyboard.
    auto* load = new QAction(m_table);
    load->setShortcuts({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
    load->setShortcutContext(Qt::WidgetShortcut);
    connect(load, &QAction::triggered, this, [this] { showChosenEquipment(m_table->currentIndex()); });
    m_table->addAction(load);
    m_table->freezeFirstColumn(); // the names stay in view when the figures scroll sideways
}

QWidget* FrmPlant::buildButtons()
{
    ButtonRow row(this);
    row.add("cmdRecalculateAll", tr("&Recalculate All\u2026"), &FrmPlant::recalculateAll);
    row.add("cmdWhyMoved", tr("Why Rates &Moved\u2026"),
            [this] { m_mainWindow.openWindows().rateChanges(chosenName()); });
    row.add("cmdDrivers", tr("&What Drives This Rate\u2026"), &FrmPlant::openDrivers);
    row.addStretch();
    row.add("cmdExport", tr("&Export CSV\u2026"), &FrmPlant::exportTable);
    row.add("cmdPrint", tr("&Print"), &FrmPlant::printOverview);
    row.add("cmdSavePdf", tr("Save as P&DF\u2026"), &FrmPlant::saveOverviewAsPdf);
    row.add("cmdRefresh", tr("Re&fresh"), &FrmPlant::refresh);
    return row.widget();
}

void FrmPlant::refresh()
{
    m_model->setOverview(plantoverview::read(m_platform.folder()));
    m_folderState = filesState(m_platform.folder(), filesRead(m_model->overview()));
    m_outOfDate->hide();
    const QStringList watched = m_watcher ? m_watcher->files() : QStringList();
    if (m_watcher && watched.size() < 2)
        m_watcher->addPaths(
            {m_platform.folder().filePath(filenames::kListFile), m_platform.folder().filePath(filenames::kPlantFile)});
    m_summary->setText(summaryOf(m_model->overview(), m_platform.folder().exists(filenames::kListFile)));
    m_table->resizeColumnsToContents();
    for (const int column : {int(PlantTableModel::Name), int(PlantTableModel::State)})
        if (m_table->columnWidth(column) > kNameColumnWidth)
            m_table->setColumnWidth(column, kNameColumnWidth);

    m_chart->redraw();
}

// The program's own writing actions refresh the overview before their change is seen here, so
// only a change by another program finds the files other than they were read.
void FrmPlant::noticeOutsideChange()
{
    if (filesState(m_platform.folder(), filesRead(m_model->overview())) != m_folderState)
        m_outOfDate->show();
}

void FrmPlant::showChosenEquipment(const QModelIndex& index)
{
    if (index.isValid())
        m_mainWindow.showEquipment(m_model->nameAt(m_sorted->mapToSource(index).row()));
}

QString FrmPlant::chosenName() const
{
    const QModelIndex index = m_table->currentIndex();
    return index.isValid() ? m_model->nameAt(m_sorted->mapToSource(index).row()) : QString();
}

void FrmPlant::openDrivers()
{
    if (const QString name = chosenName(); !name.isEmpty())
        m_mainWindow.openWindows().drivers(name);
    else
        m_platform.messages().tell(tr("Choose a center in the table first."), title());
}

// Nothing is saved before the user has seen what changes; the question's default is No, so
// Enter alone never replaces any rate.
void FrmPlant::recalculateAll()
{
    if (!settleUnsavedPlantBoxes())
        return;
    const DataFolder& folder = m_platform.folder();
    const recalculation::Plan plan = recalculation::plan(folder);
    if (plan.centers.isEmpty()) {
        tellSummary(recalculatesummary::nothingToDo(plan));
        return;
    }
    if (m_platform.messages().askYesNoWithDetails(recalculatesummary::question(plan), recalculatesummary::details(plan),
                                                  recalculateTitle(),
                                                  MessageBoxes::Answer::No) != MessageBoxes::Answer::Yes)
        return;

    // Shown only when saving takes longer than half a second. Cancel stops before the next file,
    // so every file is either its old or its new self.
    QProgressDialog progress(tr("Saving the recalculated rates\u2026"), tr("Cancel"), 0,
                             static_cast<int>(plan.centers.size()), this);
    progress.setWindowTitle(recalculateTitle());
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setMinimumDuration(500);
    const recalculation::SaveOutcome saved = recalculation::save(folder, plan, [&progress](int done, int total) {
        progress.setMaximum(total);
        progress.setValue(done);
        return !progress.wasCanceled();
    });
    progress.reset();

    QStringList recalculated;
    for (const recalculation::PlannedCenter& center : plan.centers)
        recalculated.append(center.name);
    m_mainWindow.dataChanges().announce({DataChange::File::Results, recalculated}); // refreshes this window too
    if (const recalculatesummary::Message problems = recalculatesummary::outcome(plan, saved); !problems.text.isEmpty())
        tellSummary(problems);
}

void FrmPlant::tellSummary(const recalculatesummary::Message& message)
{
    m_platform.messages().tellWithDetails(message.text, message.details, recalculateTitle(),
                                          MessageBoxes::Icon::Warning);
}

// Figures typed on the plant-wide tab but not saved would be passed over by a recalculation
// from the files: the user decides whether they count, and the safe answer is to stop.
bool FrmPlant::settleUnsavedPlantBoxes()
{
    const QList<InputBox> unsaved = m_mainWindow.unsavedPlantBoxes();
    if (unsaved.isEmpty())
        return true;
    QStringList prompts;
    for (const InputBox box : unsaved)
        prompts.append(inputboxes::promptInSentence(box));
    const QString question = tr("The figures typed on the tab \"2. General Information\" differ from the saved plant "
                                "figures in: %1.\n\nSave them and recalculate with them, recalculate with the saved "
                                "figures, or cancel?")
                                 .arg(prompts.join(QStringLiteral(", ")));
    enum Choice { SaveThem, UseSaved, Cancel };
    const QStringList choices = {tr("Save and Recalculate"), tr("Use Saved Figures"), tr("Cancel")};
    switch (m_platform.messages().askChoice(question, choices, Cancel, recalculateTitle())) {
    case SaveThem:
        if (const StoreResult saved = m_mainWindow.savePlantBoxes(); !saved.ok()) {
            m_platform.messages().tell(saved.error + tr("\nNothing was recalculated."), recalculateTitle(),
                                       MessageBoxes::Icon::Warning);
            return false;
        }
        return true;
    case UseSaved:
        return true;
    default:
        return false;
    }
}

void FrmPlant::exportTable()
{
    const QString path = m_platform.files().saveFileName(
        this, tr("Export Plant Overview"), m_platform.folder().filePath(QStringLiteral("Plant Overview.csv")),
        tr("CSV files (*.csv)"));
    if (path.isEmpty())
        return;
    QSaveFile file(path);
    const StoreResult written = writeAtomically(file, plantexport::csv(m_model->overview()));
    if (!written.ok()) {
        m_platform.messages().tell(written.error + tr("\nThe plant overview was not exported."), title(),
                                   MessageBoxes::Icon::Warning);
        return;
    }
    m_platform.messages().tell(tr("The plant overview was exported to %1").arg(QDir::toNativeSeparators(path)), title(),
                               MessageBoxes::Icon::Information);
}

PrintJob FrmPlant::printedOverview() const
{
    return plantexport::printed(m_model->overview(), m_platform.currentYear());
}

void FrmPlant::printOverview()
{
    // Where the pages went, or that they went nowhere, the print service has told the user itself.
    (void)m_platform.printing().print(printedOverview(), title());
}

void FrmPlant::saveOverviewAsPdf()
{
    saveAsPdf(m_platform, this, printedOverview(), title());
}

} // namespace forms
