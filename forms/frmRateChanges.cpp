#include "forms/frmRateChanges.h"

#include "engine/PlantOverview.h"
#include "engine/ResultRecord.h"
#include "forms/ButtonRow.h"
#include "forms/DataChanges.h"
#include "forms/LevelChooser.h"
#include "forms/LowerLayers.h"
#include "forms/MainWindowLink.h"
#include "forms/NamedWidget.h"
#include "forms/PictureView.h"
#include "forms/SaveAsPdf.h"
#include "forms/ScrollingPage.h"
#include "forms/TextTableView.h"
#include "forms/WaterfallChart.h"
#include "platform/Platform.h"
#include "report/RateChangeTexts.h"

#include <QComboBox>
#include <QLabel>
#include <QShortcut>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace forms::lowerlayers;

namespace forms {

namespace {

QString title()
{
    return FrmRateChanges::tr("Why Rates Moved");
}

QString summaryOf(qsizetype stale)
{
    if (stale == 0)
        return FrmRateChanges::tr("No center is stale: every saved rate follows from today's plant figures.");
    return FrmRateChanges::tr(
               "%1: the plant-wide figures have changed since %2 rates were saved. The change in rate (B) "
               "of each is split over the inputs that changed; choose a center to see its change as a "
               "picture.")
        .arg(stale == 1 ? FrmRateChanges::tr("1 center is stale")
                        : FrmRateChanges::tr("%1 centers are stale").arg(stale),
             stale == 1 ? FrmRateChanges::tr("its") : FrmRateChanges::tr("their"));
}

} // namespace

FrmRateChanges::FrmRateChanges(Platform& platform, MainWindowLink& mainWindow, QWidget* parent)
    : QWidget(parent), m_platform(platform), m_mainWindow(mainWindow)
{
    setObjectName(QStringLiteral("frmRateChanges"));
    setWindowTitle(title());
    build();
    refresh();
    connect(&m_mainWindow.dataChanges(), &DataChanges::changed, this, &FrmRateChanges::refresh);
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);
    resizeWithinScreen(this, QSize(1000, 640));
}

void FrmRateChanges::build()
{
    auto* layout = new QVBoxLayout(this);
    m_summary = named(new QLabel(this), "lblSummary");
    m_summary->setWordWrap(true);
    layout->addWidget(m_summary);
    m_level = addLevelChooser(layout, this);
    for (int level = 1; level <= ResultRecord::kLevels; ++level)
        m_level->addItem(tr("level %1").arg(level));
    connect(m_level, &QComboBox::currentIndexChanged, this, &FrmRateChanges::showTable);

    auto* split = new QSplitter(Qt::Vertical, this);
    m_table = texttableview::create("tblChanges", split);
    m_waterfall = named(new PictureView(split), "chtWaterfall");
    m_waterfall->setMinimumHeight(180);
    split->addWidget(m_table);
    split->addWidget(m_waterfall);
    layout->addWidget(split, 1);
    connect(m_table, &QTableWidget::itemSelectionChanged, this, &FrmRateChanges::showChosen);
    m_method = named(new QLabel(this), "lblMethod");
    m_method->setWordWrap(true);
    layout->addWidget(m_method);
    layout->addWidget(buildButtons());
}

QWidget* FrmRateChanges::buildButtons()
{
    ButtonRow row(this);
    row.addStretch();
    row.add("cmdPrint", tr("&Print"), &FrmRateChanges::printPage);
    row.add("cmdSavePdf", tr("Save as P&DF\u2026"), &FrmRateChanges::savePage);
    row.add("cmdClose", tr("&Close"), &QWidget::close);
    return row.widget();
}

void FrmRateChanges::refresh()
{
    const QString chosen = chosenName();
    const DataFolder& folder = m_platform.folder();
    m_centers = stalecenters::explain(folder, plantoverview::read(folder));
    m_summary->setText(summaryOf(m_centers.size()));
    showTable();
    choose(chosen);
}

void FrmRateChanges::choose(const QString& name)
{
    for (qsizetype row = 0; row < m_centers.size(); ++row)
        if (m_centers[row].name == name)
            m_table->selectRow(static_cast<int>(row));
    if (m_table->selectedItems().isEmpty() && !m_centers.isEmpty())
        m_table->selectRow(0);
}

int FrmRateChanges::level() const
{
    return m_level->currentIndex() + 1;
}

QString FrmRateChanges::chosenName() const
{
    const QList<QTableWidgetItem*> chosen = m_table->selectedItems();
    return chosen.isEmpty() ? QString() : m_centers.value(chosen.first()->row()).name;
}

void FrmRateChanges::showTable()
{
    const QString chosen = chosenName();
    texttableview::show(m_table, ratechangetexts::table(m_centers, level()), {0, 4});
    QStringList methods;
    for (const stalecenters::Explained& center : m_centers)
        if (center.explanation && !methods.contains(ratechangetexts::methodLine(*center.explanation)))
            methods.append(ratechangetexts::methodLine(*center.explanation));
    m_method->setText(methods.join(u' '));
    choose(chosen);
    showChosen();
}

void FrmRateChanges::showChosen()
{
    const qsizetype row = m_table->selectedItems().isEmpty() ? -1 : m_table->selectedItems().first()->row();
    std::optional<pagepicture::RateSteps> shown;
    if (row >= 0 && row < m_centers.size())
        shown = ratechangetexts::picture(m_centers[row], level());
    m_waterfall->replaceChart(waterfallchart::build(shown.value_or(pagepicture::RateSteps{})));
}

PrintJob FrmRateChanges::pageJob() const
{
    return ratechangetexts::printed(m_centers, level(), m_platform.currentYear(), chosenName());
}

void FrmRateChanges::printPage()
{
    // The printing path tells the user where the page went or why it could not go.
    static_cast<void>(m_platform.printing().print(pageJob(), title()));
}

void FrmRateChanges::savePage()
{
    saveAsPdf(m_platform, this, pageJob(), title());
}

} // namespace forms
