#include "forms/frmDrivers.h"

#include "engine/CenterRecompute.h"
#include "engine/ResultFile.h"
#include "engine/TextsCalculation.h"
#include "forms/ButtonRow.h"
#include "forms/DataChanges.h"
#include "forms/DriversChart.h"
#include "forms/LevelChooser.h"
#include "forms/LowerLayers.h"
#include "forms/MainWindowLink.h"
#include "forms/NamedWidget.h"
#include "forms/PictureView.h"
#include "forms/SaveAsPdf.h"
#include "forms/ScrollingPage.h"
#include "forms/TextTableView.h"
#include "forms/WhatIfInputs.h"
#include "forms/WindowHeading.h"
#include "platform/Platform.h"
#include "report/RateChangeTexts.h"
#include "report/RateDriversTexts.h"
#include "textrules/DisplayPattern.h"

#include <QComboBox>
#include <QHash>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace forms::lowerlayers;

namespace forms {

namespace {

QString reportName()
{
    return FrmDrivers::tr("What Drives This Rate");
}

QLabel* wrapping(const char* name, QWidget* parent)
{
    auto* label = named(new QLabel(parent), name);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

// The rates the two records show differently, to the cent.
bool ratesDiffer(const ResultRecord& saved, const ResultRecord& worked)
{
    for (int level = 1; level <= ResultRecord::kLevels; ++level)
        for (const HourlyRate rate : {HourlyRate::A, HourlyRate::B, HourlyRate::C})
            if (numbers::formatResult(saved.rate(rate, level), numbers::kMoneyPattern) !=
                numbers::formatResult(worked.rate(rate, level), numbers::kMoneyPattern))
                return true;
    return false;
}

} // namespace

FrmDrivers::FrmDrivers(Platform& platform, MainWindowLink& mainWindow, const QString& name, QWidget* parent)
    : QWidget(parent), m_platform(platform), m_mainWindow(mainWindow), m_name(name)
{
    setObjectName(QStringLiteral("frmDrivers"));
    setWindowTitle(reportName() + QStringLiteral(" - ") + name);
    build();
    readCenter();
    connect(&m_mainWindow.dataChanges(), &DataChanges::changed, this, &FrmDrivers::followChange);
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);
    setWindowFlag(Qt::Window);
    resizeWithinScreen(this, QSize(1080, 700)); // the picture beside the table, the what-if beside the rates
}

void FrmDrivers::build()
{
    auto* layout = new QVBoxLayout(this);
    QLabel* heading = windowHeading(this);
    heading->setText(tr("What drives the rates of ") + m_name);
    layout->addWidget(heading);
    m_note = wrapping("lblNote", this);
    m_note->hide();
    layout->addWidget(m_note);
    m_pages = named(new QTabWidget(this), "tabPages");
    m_driversPage = buildDriversPage();
    m_pages->addTab(m_driversPage, tr("What &drives it"));
    m_pages->addTab(buildWhatIfPage(), tr("What &if"));
    connect(m_pages, &QTabWidget::currentChanged, this, [this] {
        if (!m_driversShown && m_pages->currentWidget() == m_driversPage)
            showDrivers();
    });
    layout->addWidget(m_pages, 1);
    layout->addWidget(buildButtons());
}

QWidget* FrmDrivers::buildDriversPage()
{
    auto* page = new QWidget(this);
    auto* column = new QVBoxLayout(page);
    m_level = addLevelChooser(column, page);
    connect(m_level, &QComboBox::currentIndexChanged, this, &FrmDrivers::showDrivers);
    m_driversHeading = wrapping("lblDriversHeading", page);
    column->addWidget(m_driversHeading);
    // Side by side, so that the picture has the page's height for a line of text per input.
    auto* split = new QSplitter(Qt::Horizontal, page);
    m_tornado = named(new PictureView(split), "chtTornado");
    m_tornado->setMinimumSize(260, 160);
    m_tornado->installEventFilter(this);
    m_driversTable = texttableview::create("tblDrivers", split);
    split->addWidget(m_tornado);
    split->addWidget(m_driversTable);
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 1);
    column->addWidget(split, 1);
    m_still = wrapping("lblStill", page);
    column->addWidget(m_still);
    return page;
}

QWidget* FrmDrivers::buildWhatIfPage()
{
    auto* split = new QSplitter(Qt::Horizontal, this);
    m_inputs = named(new WhatIfInputs, "whatIfInputs");
    connect(m_inputs, &WhatIfInputs::edited, this, &FrmDrivers::showWhatIf);
    split->addWidget(new ScrollingPage(m_inputs, split));
    auto* side = new QWidget(split);
    auto* column = new QVBoxLayout(side);
    column->setContentsMargins(0, 0, 0, 0);
    m_rates = texttableview::create("tblRates", side);
    column->addWidget(m_rates, 1);
    m_whatIfNote = wrapping("lblWhatIfNote", side);
    column->addWidget(m_whatIfNote);
    QPushButton* reset = named(new QPushButton(tr("Back to the &saved figures"), side), "cmdReset");
    connect(reset, &QPushButton::clicked, m_inputs, &WhatIfInputs::reset);
    column->addWidget(reset, 0, Qt::AlignLeft);
    split->addWidget(side);
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 1);
    split->setSizes({560, 480}); // the twelve rates with their differences in full, where there is room
    return split;
}

QWidget* FrmDrivers::buildButtons()
{
    ButtonRow row(this);
    m_saveAs = row.add("cmdSaveAs", tr("Save as &new name\u2026"),
                       [this] { m_mainWindow.saveAsNewNameWith(m_name, m_inputs->texts()); });
    m_apply = row.add("cmdApply", tr("&Apply to this center"),
                      [this] { m_mainWindow.calculateWith(m_name, m_inputs->texts()); });
    row.addStretch();
    m_print = row.add("cmdPrint", tr("&Print"), &FrmDrivers::printPage);
    m_savePdf = row.add("cmdSavePdf", tr("Save as P&DF\u2026"), &FrmDrivers::savePage);
    row.add("cmdClose", tr("&Close"), &QWidget::close);
    return row.widget();
}

// The center as selecting it would fill the boxes, and its saved rates. A what-if the user has
// typed stays; rows left as they were follow the files.
void FrmDrivers::readCenter()
{
    const DataFolder& folder = m_platform.folder();
    const centerrecompute::PlantTexts plant = centerrecompute::readPlant(folder);
    const centerrecompute::CenterTexts center =
        plant.ok() ? centerrecompute::readCenter(folder, plant, m_name) : centerrecompute::CenterTexts{};
    m_readable = plant.ok() && center.ok();
    const LoadedRecord loaded = loadResultFile(folder, m_name);
    m_saved = loaded.ok() ? std::optional(loaded.record) : std::nullopt;
    if (m_readable)
        m_inputs->setSaved(center.texts);
    const QString problem = !plant.ok() ? plant.problem : center.problem;
    m_note->setText(m_readable ? staleNote() : problem + tr(" Calculate BHR saves the center's figures."));
    m_note->setVisible(!m_note->text().isEmpty());
    for (QWidget* needsFigures : std::initializer_list<QWidget*>{m_pages, m_apply, m_saveAs, m_print, m_savePdf})
        needsFigures->setEnabled(m_readable);
    showLevels();
    showWhatIf();
}

QString FrmDrivers::staleNote() const
{
    const std::optional<ResultRecord> today = textscalculation::calculated(m_inputs->saved());
    if (!m_saved || !today || !ratesDiffer(*m_saved, *today))
        return {};
    return tr("The saved rates no longer follow from the saved figures and today's plant file: the "
              "what-if starts from what those figures give now.");
}

void FrmDrivers::followChange(const DataChange& change)
{
    using File = DataChange::File;
    if (change.touches(File::Plant) ||
        ((change.touches(File::Inputs) || change.touches(File::Results)) && change.centers.contains(m_name)))
        readCenter();
}

void FrmDrivers::showLevels()
{
    const QSignalBlocker quiet(m_level);
    const int chosen = std::max(0, m_level->currentIndex());
    m_level->clear();
    const std::optional<ResultRecord> shown = m_saved ? m_saved : textscalculation::calculated(m_inputs->saved());
    for (int level = 1; level <= ResultRecord::kLevels; ++level)
        m_level->addItem(shown ? ratechangetexts::levelName(*shown, level) : tr("level %1").arg(level));
    m_level->setCurrentIndex(chosen);
}

int FrmDrivers::level() const
{
    return m_level->currentIndex() + 1;
}

// At every keystroke and slider step: the twelve rates at once; the first page when it is in view.
void FrmDrivers::showWhatIf()
{
    const InputTexts texts = m_inputs->texts();
    m_whatIf = textscalculation::calculated(texts);
    texttableview::show(m_rates, ratedriverstexts::whatIfTable(m_saved, m_whatIf));
    m_whatIfNote->setText(m_whatIf
                              ? QString()
                              : tr("The formulas stop for these figures (a division of 0 by 0, or a number too large): "
                                   "Calculate BHR would ask to fill out all necessary info."));
    m_driversShown = false;
    if (m_pages->currentWidget() == m_driversPage)
        showDrivers();
}

void FrmDrivers::showDrivers()
{
    const InputTexts texts = m_inputs->texts();
    m_drivers = ratedrivers::drivers(texts, level());
    m_driversShown = true;
    QString heading = ratedriverstexts::heading(m_whatIf, level());
    heading += texts == m_inputs->saved() ? tr(", each input moved 10% down and 10% up.")
                                          : tr(", each what-if figure moved 10% down and 10% up.");
    if (!m_drivers.rate)
        heading = tr("The formulas give no rate (B) at this level for these figures.");
    m_driversHeading->setText(heading);
    drawTornado();
    texttableview::show(m_driversTable, ratedriverstexts::table(m_drivers, texts));
    m_still->setText(ratedriverstexts::stillLine(m_drivers));
}

void FrmDrivers::drawTornado()
{
    m_barsDrawn = driverschart::barsThatFit(m_tornado->height(), m_tornado->font());
    m_tornado->replaceChart(driverschart::build(m_drivers, m_barsDrawn));
}

// A taller or lower picture has room for another number of inputs.
bool FrmDrivers::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_tornado && event->type() == QEvent::Resize && m_driversShown &&
        driverschart::barsThatFit(m_tornado->height(), m_tornado->font()) != m_barsDrawn)
        drawTornado();
    return QWidget::eventFilter(watched, event);
}

PrintJob FrmDrivers::pageJob()
{
    const InputTexts texts = m_inputs->texts();
    return ratedriverstexts::printed(
        {m_name, ratedrivers::drivers(texts, level()), texts, m_saved, m_inputs->saved(), m_whatIf});
}

void FrmDrivers::printPage()
{
    // The printing path tells the user where the page went or why it could not go.
    static_cast<void>(m_platform.printing().print(pageJob(), reportName(), m_name));
}

void FrmDrivers::savePage()
{
    saveAsPdf(m_platform, this, pageJob(), reportName(), m_name);
}

} // namespace forms
