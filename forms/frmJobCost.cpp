#include "forms/frmJobCost.h"

#include "forms/AccessiblePrompt.h"
#include "forms/BarChartView.h"
#include "forms/BoxHint.h"
#include "forms/DataChanges.h"
#include "forms/JobCostChart.h"
#include "forms/JobCostTableModel.h"
#include "forms/LowerLayers.h"
#include "forms/MainWindowLink.h"
#include "forms/NamedWidget.h"
#include "forms/SaveAsPdf.h"
#include "forms/ScrollingPage.h"
#include "forms/StorableTextValidator.h"
#include "forms/TextBoxes.h"
#include "platform/Platform.h"
#include "report/JobCostTexts.h"
#include "report/JobQuote.h"
#include "store/FileNames.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSplitter>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

using namespace forms::lowerlayers;

namespace forms {

using namespace jobcost;
namespace texts = jobcosttexts;

namespace {

QString title()
{
    return FrmJobCost::tr("Job Cost");
}

QString quoteName()
{
    return FrmJobCost::tr("Quote");
}

constexpr int kRowsMeasured = 20; // column widths follow the first rows, so a long list opens at once
constexpr int kNameColumnWidth = 200;
constexpr int kNoteColumnWidth = 320;
constexpr int kPriceListColumns = 62; // the price list's line

// The press figures typed in the table keep to what the data files can hold, as every box does.
class PressFigureDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* box = qobject_cast<QLineEdit*>(editor))
            box->setValidator(new StorableTextValidator(box));
        return editor;
    }
};

// A place in the grid of the job's boxes: its row, and which of the two pairs of columns.
struct Place {
    int row;
    int pair;
    int span = 1;
};

// The control beside its prompt, announced by the prompt's words.
template <typename Control> Control* prompted(QGridLayout* grid, Place place, const char* name, const QString& prompt)
{
    QWidget* page = grid->parentWidget();
    auto* label = new QLabel(prompt, page);
    auto* control = named(new Control(page), name);
    label->setBuddy(control);
    nameAfterPrompt(control, QString(prompt).remove(u'&'));
    grid->addWidget(label, place.row, 2 * place.pair);
    grid->addWidget(control, place.row, 2 * place.pair + 1, 1, place.span);
    return control;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption)
{
    return named(new QPushButton(caption, parent), name);
}

} // namespace

FrmJobCost::FrmJobCost(Platform& platform, MainWindowLink& mainWindow, QWidget* parent)
    : QWidget(parent), m_platform(platform), m_mainWindow(mainWindow)
{
    setObjectName(QStringLiteral("frmJobCost"));
    setWindowTitle(title());
    build();
    m_markUp->setText(m_mainWindow.markUpText()); // the mark-up of tab 6 until the user types another
    m_savedJob = typedJob();
    readOverview();
    if (const QString problem = readPressFigures(); !problem.isEmpty())
        m_platform.messages().tell(problem + tr("\nThe speeds and set-up times typed now are used for "
                                                "the job but not kept."),
                                   title(), MessageBoxes::Icon::Warning);
    fillSavedJobs(QString());
    recost();
    connect(&m_mainWindow.dataChanges(), &DataChanges::changed, this, &FrmJobCost::followChange);
    for (QLineEdit* box : {m_quantity, m_markUp})
        connect(box, &QLineEdit::textChanged, this, &FrmJobCost::recost);
    connect(m_level, &QComboBox::currentIndexChanged, this, &FrmJobCost::recost);
    connect(m_quoteOn, &QComboBox::activated, this, [this] {
        m_chosenCenter = m_quoteOn->currentText();
        showCenters();
    });
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);
    // Room for the table's columns and a picture of some centers, within a small screen.
    QSize size(1150, 760);
    if (const QScreen* shown = screen())
        size = size.boundedTo(shown->availableGeometry().size() * 0.9);
    resize(size.expandedTo(minimumSizeHint()));
}

// Taking the window down ends the editing of a cell that is open and lets the table ask for its
// headings, after this window's own part, the costing among it, is gone: nothing may be kept from
// it then, and the table is told that the costing is gone.
FrmJobCost::~FrmJobCost()
{
    m_model->disconnect(this);
    m_model->forgetCosting();
}

void FrmJobCost::build()
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildJobPage());
    m_sentence = named(new QLabel(this), "lblSentence");
    m_sentence->setWordWrap(true);
    m_sentence->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont bold = font();
    bold.setBold(true);
    m_sentence->setFont(bold);
    layout->addWidget(m_sentence);

    auto* split = named(new QSplitter(Qt::Vertical, this), "splCenters");
    split->setChildrenCollapsible(false);
    buildTable();
    split->addWidget(m_table);
    m_chart =
        named(new BarChartView(
                  [this](int mostShown) {
                      const CenterCost* quoted = quotedCenter();
                      return jobcostchart::build(m_costing, level(), quoted ? quoted->name : QString(), mostShown);
                  },
                  split),
              "chtCosts");
    m_chart->setMinimumHeight(120);
    split->addWidget(m_chart);
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 1);
    split->setSizes({1, 1}); // the table and the picture share the height equally to begin with
    layout->addWidget(split, 1);
    layout->addWidget(buildButtons());
}

// The job's boxes beside the price list of the center quoted on. On a small screen they
// scroll, so that the answer, the table and the picture keep their room.
QWidget* FrmJobCost::buildJobPage()
{
    auto* page = new QWidget(this);
    auto* row = new QBoxLayout(QBoxLayout::LeftToRight, page);
    row->setContentsMargins(0, 0, 0, 0);
    auto* grid = new QGridLayout;
    row->addLayout(grid, 1);
    auto* prices = new QVBoxLayout;
    m_priceListHeading = named(new QLabel(page), "lblPriceListHead");
    m_priceListHeading->setWordWrap(true);
    m_priceList = named(new QLabel(page), "lblPriceList");
    m_priceList->setFont(fixedPitchFace(9));
    m_priceList->setTextFormat(Qt::PlainText);
    m_priceList->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // The column keeps the width of the list, so that nothing moves when the figures come.
    m_priceList->setMinimumWidth(QFontMetrics(m_priceList->font()).horizontalAdvance(QString(kPriceListColumns, u'0')));
    prices->addWidget(m_priceListHeading);
    prices->addWidget(m_priceList);
    prices->addStretch();
    row->addLayout(prices);
    buildJobBoxes(grid);
    // On a narrow screen (or a large scale) the price list goes below the boxes rather than
    // making the page scroll sideways.
    if (const QScreen* shown = screen(); shown && page->sizeHint().width() > shown->availableSize().width() * 0.9)
        row->setDirection(QBoxLayout::TopToBottom);
    auto* scrolling = new ScrollingPage(page, this);
    scrolling->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum); // no taller than it asks
    return scrolling;
}

// The boxes stand in the page's layout before their notes are placed beside them.
void FrmJobCost::buildJobBoxes(QGridLayout* grid)
{
    m_description = prompted<QLineEdit>(grid, {0, 0, 3}, "txtDescription", tr("Job &description:"));
    m_quantity = prompted<QLineEdit>(grid, {1, 0}, "txtQuantity", tr("&Quantity (pieces):"));
    m_markUp = prompted<QLineEdit>(grid, {1, 1}, "txtMarkUp", tr("&Mark-up (%):"));
    BoxHint::attach(m_description, BoxHint::Content::Text, &jobfile::textProblem);
    for (QLineEdit* box : {m_quantity, m_markUp})
        BoxHint::attach(box, BoxHint::Content::Number);
    m_level = prompted<QComboBox>(grid, {2, 0}, "cboLevel", tr("Efficiency &level:"));
    for (int level = 1; level <= kLevels; ++level)
        m_level->addItem(tr("Level %1").arg(level));
    m_quoteOn = prompted<QComboBox>(grid, {2, 1}, "cboQuoteOn", tr("Q&uote on:"));
    m_savedJobs = prompted<QComboBox>(grid, {3, 0}, "cboJobs", tr("Saved &jobs:"));
    for (QComboBox* choice : {m_quoteOn, m_savedJobs}) {
        choice->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        choice->setMinimumContentsLength(12);
    }
    auto* jobButtons = new QHBoxLayout;
    QPushButton* openJob = button(grid->parentWidget(), "cmdOpenJob", tr("&Open"));
    QPushButton* saveJob = button(grid->parentWidget(), "cmdSaveJob", tr("&Save Job"));
    jobButtons->addWidget(openJob);
    jobButtons->addWidget(saveJob);
    jobButtons->addStretch();
    grid->addLayout(jobButtons, 3, 2, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    connect(openJob, &QPushButton::clicked, this, &FrmJobCost::openJob);
    connect(saveJob, &QPushButton::clicked, this, &FrmJobCost::saveJob);
}

void FrmJobCost::buildTable()
{
    m_model = new JobCostTableModel(this);
    m_table = named(new QTableView(this), "tblCenters");
    m_table->setModel(m_model);
    m_table->setItemDelegate(new PressFigureDelegate(m_table));
    m_table->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::AllEditTriggers);
    m_table->setWordWrap(false);
    m_table->setMinimumHeight(90);
    m_table->horizontalHeader()->setResizeContentsPrecision(kRowsMeasured);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 8);
    m_table->setToolTip(tr("Type each press's running speed and set-up time in its row."));
    connect(m_model, &JobCostTableModel::pressFiguresTyped, this, &FrmJobCost::keepPressFigures);
}

QWidget* FrmJobCost::buildButtons()
{
    auto* row = new QWidget(this);
    auto* buttons = new QHBoxLayout(row);
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->addStretch();
    m_print = button(row, "cmdPrint", tr("&Print Quote"));
    m_savePdf = button(row, "cmdSavePdf", tr("Save as P&DF\u2026"));
    QPushButton* exit = button(row, "cmdExit", tr("E&xit"));
    for (QPushButton* one : {m_print, m_savePdf, exit})
        buttons->addWidget(one);
    connect(m_print, &QPushButton::clicked, this, &FrmJobCost::printQuote);
    connect(m_savePdf, &QPushButton::clicked, this, &FrmJobCost::saveQuoteAsPdf);
    connect(exit, &QPushButton::clicked, this, &QWidget::close);
    return row;
}

// Every listed center's saved results, judged as the plant overview judges them: the table
// says of each what it cannot use.
void FrmJobCost::readOverview()
{
    m_overview = plantoverview::read(m_platform.folder());
}

// The press figures kept from earlier jobs, or what can be read of a damaged file; kept as they
// were when the file cannot be read at all.
QString FrmJobCost::readPressFigures()
{
    pressfigures::Loaded figures = pressfigures::load(m_platform.folder());
    if (figures.ok() || !figures.figures.isEmpty())
        m_pressFigures = std::move(figures.figures);
    return figures.error;
}

void FrmJobCost::followChange(const DataChange& change)
{
    if (change.files != DataChange::File::PressFigures)
        readOverview();
    else if (m_announcing)
        return;               // this window's own
    (void)readPressFigures(); // said when the window opened
    recost();
}

// Kept at once for the next job; the other windows hear of it.
void FrmJobCost::keepPressFigures(const QString& center, const pressfigures::Typed& typed)
{
    if (typed.isEmpty())
        m_pressFigures.remove(center);
    else
        m_pressFigures.insert(center, typed);
    if (const StoreResult kept = pressfigures::remember(m_platform.folder(), center, typed); !kept.ok()) {
        m_platform.messages().tell(kept.error + tr("\nThe figures typed for %1 are used for this job "
                                                   "but not kept for the next.")
                                                    .arg(center),
                                   title(), MessageBoxes::Icon::Warning);
    } else {
        m_announcing = true;
        m_mainWindow.dataChanges().announce({DataChange::File::PressFigures, {center}});
        m_announcing = false;
    }
    recost(); // the row may move up among the centers costed, the cursor with it
}

void FrmJobCost::recost()
{
    const Figure quantity = readFigure(Box::Quantity, m_quantity->text());
    const Figure markUp = readFigure(Box::MarkUp, m_markUp->text());
    m_job.reset();
    if (quantity.accepted())
        m_job = Job{quantity.value, markUp.accepted() ? std::optional(markUp.value / 100) : std::nullopt};
    m_costing = costJob(m_overview, m_pressFigures, m_job);
    const QStringList problems{texts::figureProblem(Box::Quantity, quantity, m_quantity->text()),
                               texts::figureProblem(Box::MarkUp, markUp, m_markUp->text())};
    // Without a quantity there is nothing to cost: what is wrong, and nothing made up.
    QString sentence = problems.join(u' ').simplified();
    if (m_job || !m_overview.listRead || m_costing.readyCount == 0)
        sentence = (sentence + u' ' + texts::verdict(m_costing, level(), m_job.value_or(Job{}), m_overview.listRead))
                       .simplified();
    m_sentence->setText(sentence);
    for (int number = 1; number <= kLevels; ++number)
        m_level->setItemText(number - 1, texts::levelName(m_costing, number).replace(0, 1, QStringLiteral("L")));
    m_model->setCosting(&m_costing, level());
    fitColumns();
    showCenters();
}

// Columns widen to what they show and never narrow while the user types, so that nothing jumps;
// a long name or note is cut rather than pushing the figures out of sight.
void FrmJobCost::fitColumns()
{
    for (int column = 0; column < JobCostTableModel::ColumnCount; ++column) {
        const int before = m_columnsFitted ? m_table->columnWidth(column) : 0;
        m_table->resizeColumnToContents(column);
        const int cap = column == JobCostTableModel::Center ? kNameColumnWidth
                        : column == JobCostTableModel::Note ? kNoteColumnWidth
                                                            : QWIDGETSIZE_MAX;
        m_table->setColumnWidth(column, std::min(std::max(before, m_table->columnWidth(column)), cap));
    }
    m_columnsFitted = true;
}

// The centers that can be quoted on, cheapest first, keeping the one the user chose.
void FrmJobCost::showCenters()
{
    m_quoteOn->clear();
    for (const CenterCost* center : m_costing.byCost(level()))
        m_quoteOn->addItem(center->name);
    const int chosen = m_quoteOn->findText(m_chosenCenter, Qt::MatchExactly | Qt::MatchCaseSensitive);
    m_quoteOn->setCurrentIndex(std::max(chosen, 0));
    showPriceList();
    m_chart->redraw();
    m_print->setEnabled(canQuote());
    m_savePdf->setEnabled(canQuote());
}

void FrmJobCost::showPriceList()
{
    const CenterCost* center = quotedCenter();
    if (!center || !m_job) {
        m_priceListHeading->setText(tr("Price list: once the job is costed on a center."));
        m_priceList->clear();
        return;
    }
    m_priceListHeading->setText(tr("Price list on %1 at %2:").arg(center->name, texts::levelName(m_costing, level())));
    m_priceList->setText(texts::priceListLines(*center, level(), *m_job).join(u'\n'));
}

int FrmJobCost::level() const
{
    return m_level->currentIndex() + 1;
}

const CenterCost* FrmJobCost::quotedCenter() const
{
    return m_quoteOn->count() > 0 ? m_costing.find(m_quoteOn->currentText()) : nullptr;
}

bool FrmJobCost::canQuote() const
{
    const CenterCost* center = quotedCenter();
    return center && m_job && center->price[level() - 1].has_value();
}

jobfile::SavedJob FrmJobCost::typedJob() const
{
    return {m_description->text(), m_quantity->text(), m_markUp->text(), level(), m_chosenCenter};
}

// A job is kept under its description, so a job without one is not asked about. The center
// quoted on follows the costs unless the user chose it, so only the typed job counts.
bool FrmJobCost::hasUnsavedChanges() const
{
    jobfile::SavedJob typed = typedJob();
    typed.center = m_savedJob.center;
    return !typed.description.isEmpty() && typed != m_savedJob;
}

// Asks before the typed job is lost; false when the user would rather keep it on screen.
bool FrmJobCost::settleUnsavedChanges()
{
    if (!hasUnsavedChanges())
        return true;
    enum Choice { Save, Discard, Cancel };
    const QString question =
        tr("The job \"%1\" has changes that are not saved. Save them first?").arg(m_description->text());
    switch (m_platform.messages().askChoice(question, {tr("Save"), tr("Don't Save"), tr("Cancel")}, Cancel, title())) {
    case Save:
        return saveJob();
    case Discard:
        return true;
    default:
        return false;
    }
}

void FrmJobCost::fillSavedJobs(const QString& selected)
{
    m_savedJobs->clear();
    for (const jobfile::Listed& job : jobfile::listSaved(m_platform.folder()))
        m_savedJobs->addItem(job.description, job.fileName);
    m_savedJobs->setCurrentIndex(std::max(m_savedJobs->findData(selected), 0));
}

bool FrmJobCost::saveJob()
{
    const jobfile::SavedJob job = typedJob();
    const QString fileName = filenames::jobFile(job.description);
    const jobfile::LoadedJob there =
        fileName.isEmpty() ? jobfile::LoadedJob{} : jobfile::load(m_platform.folder(), fileName);
    if (there.ok() && !fileName.isEmpty() && there.job.description != job.description &&
        m_platform.messages().askYesNo(tr("The saved job \"%1\" has the same file name, %2. Replace it "
                                          "with this job?")
                                           .arg(there.job.description, fileName),
                                       title(), MessageBoxes::Answer::No) != MessageBoxes::Answer::Yes)
        return false;
    if (const StoreResult saved = jobfile::save(m_platform.folder(), job); !saved.ok()) {
        m_platform.messages().tell(saved.error, title(), MessageBoxes::Icon::Warning);
        return false;
    }
    m_savedJob = job;
    fillSavedJobs(fileName);
    return true;
}

void FrmJobCost::openJob()
{
    const QString fileName = m_savedJobs->currentData().toString();
    if (fileName.isEmpty() || !settleUnsavedChanges())
        return;
    const jobfile::LoadedJob loaded = jobfile::load(m_platform.folder(), fileName);
    if (!loaded.ok()) {
        m_platform.messages().tell(loaded.error, title(), MessageBoxes::Icon::Warning);
        return;
    }
    const jobfile::SavedJob& job = loaded.job;
    m_chosenCenter = job.center;
    m_description->setText(job.description);
    m_quantity->setText(job.quantity);
    m_markUp->setText(job.markUp);
    m_level->setCurrentIndex(job.level - 1);
    m_savedJob = job;
    recost();
}

void FrmJobCost::closeEvent(QCloseEvent* event)
{
    if (settleUnsavedChanges())
        event->accept();
    else
        event->ignore();
}

PrintJob FrmJobCost::quotePage() const
{
    return jobQuote(m_description->text(), *m_job, *quotedCenter(), level());
}

void FrmJobCost::printQuote()
{
    if (!canQuote())
        return;
    // Where the page went, or that it went nowhere, the print service has told the user itself.
    (void)m_platform.printing().print(quotePage(), quoteName(), quoteFileName());
}

void FrmJobCost::saveQuoteAsPdf()
{
    if (canQuote())
        saveAsPdf(m_platform, this, quotePage(), quoteName(), quoteFileName());
}

// The quote's file is named as the job's own, in plain characters: a file dialog would take
// double quotes in a suggested name for several names.
QString FrmJobCost::quoteFileName() const
{
    const QString jobFile = filenames::jobFile(m_description->text());
    return jobFile.isEmpty() ? QString() : jobFile.chopped(filenames::kJobExtension.size());
}

} // namespace forms
