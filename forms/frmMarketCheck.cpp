#include "forms/frmMarketCheck.h"

#include "forms/DataChanges.h"

#include "engine/ResultFile.h"
#include "forms/AccessiblePrompt.h"
#include "forms/BoxHint.h"
#include "forms/LowerLayers.h"
#include "forms/MarketChart.h"
#include "forms/NamedWidget.h"
#include "forms/SaveAsPdf.h"
#include "forms/ScrollingPage.h"
#include "forms/TextBoxes.h"
#include "forms/WindowHeading.h"
#include "platform/Platform.h"
#include "report/MarketCheckReport.h"
#include "report/MarketCheckTexts.h"
#include "store/FileNames.h"
#include "textrules/NumberText.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace forms::lowerlayers;

namespace forms {

using namespace marketcheck;
namespace texts = marketchecktexts;

namespace {
QString reportName()
{
    return FrmMarketCheck::tr("Market Check");
}

constexpr int kTableColumns = 81; // the level table's line with "every quantity" at its end

QLabel* wrapping(const char* name, QWidget* parent)
{
    auto* label = named(new QLabel(parent), name);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

// A box beside its prompt, announced by the prompt's words, with a note of what its text reads as.
QLineEdit* promptedBox(QGridLayout* grid, const char* name, const QString& prompt, QWidget* parent)
{
    const int row = grid->rowCount();
    auto* label = new QLabel(prompt, parent);
    auto* box = named(new QLineEdit(parent), name);
    label->setBuddy(box);
    nameAfterPrompt(box, QString(prompt).remove(u'&'));
    grid->addWidget(label, row, 0);
    grid->addWidget(box, row, 1);
    BoxHint::attach(box, BoxHint::Content::Number);
    return box;
}
} // namespace

FrmMarketCheck::FrmMarketCheck(Platform& platform, const QString& name, const CenterAnalysis& analysis, QWidget* parent)
    : QWidget(parent), m_platform(platform)
{
    setObjectName(QStringLiteral("frmMarketCheck"));
    setWindowTitle(tr("Market Check"));
    buildLayout();
    showAnalysis(name, analysis);
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);
    sizeWithinScreen(this);
}

// Taking the window down ends the editing of the box that has the focus, after this window's own
// part is gone: nothing may be kept from it then.
FrmMarketCheck::~FrmMarketCheck()
{
    for (QLineEdit* box : {m_speed, m_setUpMinutes})
        box->disconnect(this);
}

void FrmMarketCheck::buildLayout()
{
    auto* layout = new QVBoxLayout(this);
    m_heading = windowHeading(this);
    layout->addWidget(m_heading);

    // The answer beside the pictures; on a narrow screen (or a large scale) above them rather than
    // pushing its figures out of sight to the side. The user may move the border between them.
    auto* body = named(new QSplitter(Qt::Horizontal, this), "splAnswer");
    body->setChildrenCollapsible(false);
    QWidget* answer = buildAnswer();
    QWidget* pictures = buildPictures();
    body->addWidget(answer);
    body->addWidget(pictures);
    body->setStretchFactor(1, 1);
    if (const QScreen* shown = screen(); shown && answer->sizeHint().width() + pictures->minimumSizeHint().width() >
                                                      shown->availableSize().width() * 0.9) {
        body->setOrientation(Qt::Vertical);
        // The answer scrolls; the pictures need the height for their legends beside the lines.
        const int room = shown->availableSize().height() - 120; // less the heading and the buttons
        body->setSizes({room * 2 / 5, room * 3 / 5});
        for (MarketChart* chart : {m_priceChart, m_breakEvenChart})
            chart->setMinimumHeight(chart->minimumHeight() * 2 / 3); // the whole width is theirs instead
    }
    layout->addWidget(body, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    m_print = named(new QPushButton(tr("&Print"), this), "cmdPrint");
    m_savePdf = named(new QPushButton(tr("Save as PDF…"), this), "cmdSavePdf");
    QPushButton* exit = named(new QPushButton(tr("E&xit"), this), "cmdExit");
    buttons->addWidget(m_print);
    buttons->addWidget(m_savePdf);
    buttons->addWidget(exit);
    layout->addLayout(buttons);

    connect(m_print, &QPushButton::clicked, this, &FrmMarketCheck::printPage);
    connect(m_savePdf, &QPushButton::clicked, this, &FrmMarketCheck::savePage);
    connect(exit, &QPushButton::clicked, this, &QWidget::close);
}

// The market's price, the boxes, the answer and the figures. On a screen too small for them they
// scroll, so that the pictures keep their room.
QWidget* FrmMarketCheck::buildAnswer()
{
    auto* page = new QWidget(this);
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(0, 0, 0, 0);
    m_marketLine = wrapping("lblAnalysis", page);
    column->addWidget(m_marketLine);
    buildInputs(page, column);
    m_sentence = wrapping("lblSentence", page);
    QFont sentenceFont = font();
    sentenceFont.setBold(true);
    m_sentence->setFont(sentenceFont);
    column->addWidget(m_sentence);
    // A label takes the width of its longest line, so no column of the figures is ever cut; the
    // column keeps the width of the level table, so that nothing moves when the figures come.
    m_figures = named(new QLabel(page), "lblFigures");
    m_figures->setFont(fixedPitchFace(9));
    m_figures->setMinimumWidth(QFontMetrics(m_figures->font()).horizontalAdvance(QString(kTableColumns, u'0')));
    m_figures->setTextFormat(Qt::PlainText);
    m_figures->setTextInteractionFlags(Qt::TextSelectableByMouse);
    column->addWidget(m_figures);
    column->addStretch();
    auto* scrolling = new ScrollingPage(page, this);
    scrolling->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding); // the pictures take the width to spare
    return scrolling;
}

// The boxes stand in the page's layout before their notes are placed beside them.
void FrmMarketCheck::buildInputs(QWidget* page, QBoxLayout* column)
{
    auto* inputs = new QGridLayout;
    column->addLayout(inputs);
    m_speed = promptedBox(inputs, "txtSpeed", tr("This press's running &speed (impressions per hour):"), page);
    m_setUpMinutes = promptedBox(inputs, "txtSetUp", tr("This press's set-&up time (minutes):"), page);
    m_job = promptedBox(inputs, "txtJob", tr("Typical &job (pieces):"), page);
    for (QLineEdit* box : {m_speed, m_setUpMinutes, m_job})
        connect(box, &QLineEdit::textChanged, this, &FrmMarketCheck::check);
    for (QLineEdit* box : {m_speed, m_setUpMinutes})
        connect(box, &QLineEdit::editingFinished, this, &FrmMarketCheck::rememberPressFigures);
}

QWidget* FrmMarketCheck::buildPictures()
{
    auto* pictures = named(new QTabWidget(this), "tabPictures");
    m_priceChart = named(new MarketChart(MarketPicture::Price, pictures), "chtPrice");
    m_breakEvenChart = named(new MarketChart(MarketPicture::BreakEven, pictures), "chtBreakEven");
    pictures->addTab(m_priceChart, QCoreApplication::translate("MarketCheckTexts", texts::kPriceCaption));
    pictures->addTab(m_breakEvenChart, QCoreApplication::translate("MarketCheckTexts", texts::kBreakEvenCaption));
    return pictures;
}

void FrmMarketCheck::showAnalysis(const QString& name, const CenterAnalysis& analysis)
{
    m_name = name;
    m_analysis = analysis;
    // The press's figures kept from earlier are where the user starts, unless already typed.
    m_kept = pressfigures::load(m_platform.folder()).figures.value(name);
    if (m_speed->text().isEmpty() && m_setUpMinutes->text().isEmpty()) {
        m_speed->setText(m_kept.speed);
        m_setUpMinutes->setText(m_kept.setUpMinutes);
    }
    readResults();
    m_heading->setText(texts::heading(name));
    m_marketLine->setText(texts::marketLine(analysis));
    const QString proposed = numbers::boxText(typicalJob(analysis));
    if (m_job->text().trimmed().isEmpty() || m_job->text() == m_proposedJob)
        m_job->setText(proposed);
    m_proposedJob = proposed;
    check();
}

void FrmMarketCheck::followChange(const DataChange& change)
{
    if (change.touches(DataChange::File::Results) && change.centers.contains(m_name))
        reloadCenter();
}

// Once the user leaves a box with both figures usable, they are kept for the center's next job.
void FrmMarketCheck::rememberPressFigures()
{
    const pressfigures::Typed typed{m_speed->text(), m_setUpMinutes->text()};
    const auto usable = [](const QString& text) { return readOwnFigure(text).reading == OwnFigure::Reading::Accepted; };
    if (typed == m_kept || !usable(typed.speed) || !usable(typed.setUpMinutes))
        return;
    if (const StoreResult kept = pressfigures::remember(m_platform.folder(), m_name, typed); !kept.ok()) {
        m_platform.messages().tell(kept.error, reportName(), MessageBoxes::Icon::Warning);
        return;
    }
    m_kept = typed;
    emit wrote({DataChange::File::PressFigures, {m_name}});
}

void FrmMarketCheck::reloadCenter()
{
    readResults();
    check();
}

void FrmMarketCheck::readResults()
{
    const DataFolder& folder = m_platform.folder();
    const LoadedRecord loaded = loadResultFile(folder, m_name);
    if (loaded.ok())
        m_results = {Results::State::Read, loaded.record};
    else
        m_results = {folder.exists(filenames::resultFile(m_name)) ? Results::State::Unreadable
                                                                  : Results::State::Missing,
                     ResultRecord()};
}

// Says the first thing that is missing, or the answer; shows what figures it can.
void FrmMarketCheck::check()
{
    const OwnFigure speed = readOwnFigure(m_speed->text());
    const OwnFigure minutes = readOwnFigure(m_setUpMinutes->text());
    const OwnFigure job = readOwnFigure(m_job->text());
    const QString problem = texts::ownFigureSentence(speed, minutes, job);
    std::optional<MarketCheck> checked;
    if (problem.isEmpty())
        checked = checkMarket(m_analysis, {speed.value, minutes.value}, job.value, m_results);
    m_sentence->setText(!checked              ? problem
                        : checked->hasRates() ? texts::verdict(*checked).join(u'\n')
                                              : texts::gapSentence(*checked, m_name));
    showCheck(checked);
}

void FrmMarketCheck::showCheck(const std::optional<MarketCheck>& checked)
{
    m_check.reset();
    if (checked && checked->hasRates())
        m_check = checked;
    const bool market = checked && checked->hasMarketFigures();
    m_figures->setText(market ? texts::figureLines(*checked).join(u'\n') : QString());
    for (MarketChart* chart : {m_priceChart, m_breakEvenChart}) {
        if (market)
            chart->showCheck(*checked);
        else
            chart->clear();
    }
    m_print->setEnabled(m_check.has_value());
    m_savePdf->setEnabled(m_check.has_value());
}

PrintJob FrmMarketCheck::pageJob() const
{
    return marketCheckReport(m_name, m_analysis, *m_check);
}

void FrmMarketCheck::printPage()
{
    if (!m_check)
        return;
    // The printing path tells the user where the page went or why it could not go.
    static_cast<void>(m_platform.printing().print(pageJob(), reportName(), m_name));
}

void FrmMarketCheck::savePage()
{
    if (m_check)
        saveAsPdf(m_platform, this, pageJob(), reportName(), m_name);
}

} // namespace forms
