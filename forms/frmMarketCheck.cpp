#include "frmMarketCheck.h"

#include "ElidedLabel.h"
#include "MarketChart.h"
#include "MarketCheckReport.h"
#include "NamedWidget.h"
#include "Platform.h"
#include "ResultFile.h"
#include "SaveAsPdf.h"
#include "ScrollingPage.h"
#include "SingleWindow.h"
#include "TextBoxes.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

using namespace marketcheck;

namespace {
const QString kReportName = QStringLiteral("Market Check");
const QString kPictureCaption = QStringLiteral("Price by quantity");
constexpr double kPictureMillimetres = 110;
constexpr int kFigureLines = 12;
constexpr int kFigureColumns = 68;
} // namespace

FrmMarketCheck* FrmMarketCheck::open(Platform& platform, QWidget* owner, const QString& name,
                                     const CenterAnalysis& analysis)
{
    static QPointer<FrmMarketCheck> window;
    const bool wasOpen = !window.isNull();
    showSingleWindow(window, owner, platform, name, analysis);
    if (wasOpen)
        window->showAnalysis(name, analysis);
    return window;
}

FrmMarketCheck::FrmMarketCheck(Platform& platform, const QString& name, const CenterAnalysis& analysis, QWidget* parent)
    : QWidget(parent), m_platform(platform)
{
    setObjectName(QStringLiteral("frmMarketCheck"));
    setWindowTitle(QStringLiteral("Market Check"));
    buildLayout();
    showAnalysis(name, analysis);
    sizeWithinScreen(this);
}

void FrmMarketCheck::buildLayout()
{
    auto* layout = new QVBoxLayout(this);
    m_heading = named(new ElidedLabel(this), "lblHead"); // a long equipment name never widens the window
    m_heading->setAlignment(Qt::AlignCenter);
    QFont headingFont = font();
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.3);
    headingFont.setBold(true);
    m_heading->setFont(headingFont);
    layout->addWidget(m_heading);

    auto* body = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    m_analysisLine = named(new QLabel(this), "lblAnalysis");
    m_analysisLine->setWordWrap(true);
    left->addWidget(m_analysisLine);
    auto* inputs = new QFormLayout;
    m_speed = named(new QLineEdit(this), "txtSpeed");
    m_setUpMinutes = named(new QLineEdit(this), "txtSetUp");
    inputs->addRow(QStringLiteral("This press's running &speed (impressions per hour):"), m_speed);
    inputs->addRow(QStringLiteral("This press's set-&up time (minutes):"), m_setUpMinutes);
    left->addLayout(inputs);
    m_sentence = named(new QLabel(this), "lblSentence");
    m_sentence->setWordWrap(true);
    QFont sentenceFont = font();
    sentenceFont.setBold(true);
    m_sentence->setFont(sentenceFont);
    left->addWidget(m_sentence);
    m_figures = readOnlyTextBox("txtFigures", this, fixedPitchFace(9), kFigureLines, kFigureColumns);
    left->addWidget(m_figures);
    left->addStretch();
    body->addLayout(left);
    m_chart = named(new MarketChart(this), "chtPrice");
    body->addWidget(m_chart, 1);
    layout->addLayout(body, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    m_print = named(new QPushButton(QStringLiteral("&Print"), this), "cmdPrint");
    m_savePdf = named(new QPushButton(QStringLiteral("Save as PDF…"), this), "cmdSavePdf");
    QPushButton* exit = named(new QPushButton(QStringLiteral("E&xit"), this), "cmdExit");
    buttons->addWidget(m_print);
    buttons->addWidget(m_savePdf);
    buttons->addWidget(exit);
    layout->addLayout(buttons);

    connect(m_speed, &QLineEdit::textChanged, this, &FrmMarketCheck::check);
    connect(m_setUpMinutes, &QLineEdit::textChanged, this, &FrmMarketCheck::check);
    connect(m_print, &QPushButton::clicked, this, &FrmMarketCheck::printPage);
    connect(m_savePdf, &QPushButton::clicked, this, &FrmMarketCheck::savePage);
    connect(exit, &QPushButton::clicked, this, &QWidget::close);
}

// The results are read once per analysis: the check follows each keystroke.
void FrmMarketCheck::showAnalysis(const QString& name, const CenterAnalysis& analysis)
{
    m_name = name;
    m_analysis = analysis;
    const LoadedRecord loaded = loadResultFile(m_platform.folder(), name);
    m_results.reset();
    m_resultsError = loaded.error;
    if (loaded.ok())
        m_results = loaded.record;
    m_heading->setText(marketchecktexts::heading(name));
    m_analysisLine->setText(marketchecktexts::analysisLine(analysis));
    check();
}

// Says the first thing that is missing, or the answer; figures only when nothing is.
void FrmMarketCheck::check()
{
    m_check.reset();
    const OwnFigure speed = readOwnFigure(m_speed->text());
    const OwnFigure minutes = readOwnFigure(m_setUpMinutes->text());
    QString sentence = marketchecktexts::ownFigureSentence(speed, minutes);
    if (sentence.isEmpty() && !m_results)
        sentence = m_resultsError;
    if (sentence.isEmpty()) {
        const MarketCheck checked = checkMarket(m_analysis, {speed.value, minutes.value}, *m_results);
        sentence = marketchecktexts::gapSentence(checked, m_name);
        if (sentence.isEmpty()) {
            m_check = checked;
            sentence = marketchecktexts::verdict(checked);
        }
    }
    m_sentence->setText(sentence);
    m_figures->setPlainText(m_check ? marketchecktexts::figureLines(*m_check).join(u'\n') : QString());
    if (m_check)
        m_chart->showCheck(*m_check);
    else
        m_chart->clear();
    m_print->setEnabled(m_check.has_value());
    m_savePdf->setEnabled(m_check.has_value());
}

PrintJob FrmMarketCheck::pageJob() const
{
    PrintJob job = marketCheckReport(m_name, m_analysis, *m_check);
    const MarketCheck check = *m_check;
    job.picture(kPictureCaption, kPictureMillimetres,
                [check](QPainter& painter, const QRectF& area) { drawPriceChart(painter, area, check); });
    return job.endDocument();
}

void FrmMarketCheck::printPage()
{
    if (!m_check)
        return;
    // The printing path tells the user where the page went or why it could not go.
    static_cast<void>(m_platform.printing().print(pageJob(), kReportName, m_name));
}

void FrmMarketCheck::savePage()
{
    if (m_check)
        saveAsPdf(m_platform, this, pageJob(), kReportName, m_name);
}
