#include "forms/frmCenter.h"

#include "forms/DataChanges.h"
#include "forms/ElidedLabel.h"
#include "forms/LowerLayers.h"
#include "forms/MainWindowLink.h"
#include "forms/NamedWidget.h"
#include "forms/OpenWindows.h"
#include "forms/ResultWindows.h"
#include "forms/SaveAsPdf.h"
#include "forms/ScrollingPage.h"
#include "forms/TextBoxes.h"
#include "forms/frmMarketCheck.h"
#include "platform/Platform.h"
#include "pricing/CenterAnalysis.h"
#include "report/CenterTexts.h"
#include "report/ReverseReport.h"
#include "store/HandOverFiles.h"
#include "store/PricingFile.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace forms::lowerlayers;

namespace forms {

namespace {
QString reportError()
{
    return FrmCenter::tr("An Error occured. Exiting calculations");
}

const QString kNone = QStringLiteral("None");
QString reportName()
{
    return FrmCenter::tr("Reverse Engineering Report");
}

constexpr int kColumns = 62; // the longest line of the paragraphs and the table rows

QFont face(const QString& family, double points, QFont::StyleHint hint, bool bold)
{
    QFont font(family);
    font.setPointSizeF(points);
    font.setStyleHint(hint);
    font.setBold(bold);
    return font;
}

// Each line ends with a line break unless the last is to stand without one.
QString joined(const QStringList& lines, bool breakAfterLast)
{
    return lines.join(u'\n') + (breakAfterLast && !lines.isEmpty() ? QStringLiteral("\n") : QString());
}
} // namespace

FrmCenter::FrmCenter(Platform& platform, MainWindowLink& mainWindow, QWidget* parent)
    : QWidget(parent), m_platform(platform), m_mainWindow(mainWindow)
{
    setObjectName(QStringLiteral("frmCenter"));
    setWindowTitle(tr("Reverse Engineering of Known Center"));
    setFont(fixedPitchFace(9.75));
    buildLayout();
    analyse();
    // The analysis comes from the pricing file, which only a Calculate on the Reverse Engineering
    // tab writes, and that opens this window afresh: here only the list is followed.
    resultwindows::follow(
        this, m_platform, m_mainWindow, [this] { return m_name == kNone ? QString() : m_name; }, m_gone);
    sizeWithinScreen(this);
}

void FrmCenter::buildLayout()
{
    auto* layout = new QVBoxLayout(this);
    m_heading = new ElidedLabel(this); // a long equipment name never widens the window
    m_heading->setObjectName(QStringLiteral("lblHead1"));
    m_heading->setAlignment(Qt::AlignCenter);
    m_heading->setFont(face(QStringLiteral("MS Serif"), 13.5, QFont::Serif, true));
    layout->addWidget(m_heading);
    m_gone = resultwindows::goneNote(this);
    layout->addWidget(m_gone);
    // The paragraphs and the table scroll on a small screen; the heading and the buttons stay in view.
    auto* texts = new QWidget;
    auto* textsLayout = new QVBoxLayout(texts);
    textsLayout->setContentsMargins(0, 0, 0, 0);
    buildTexts(textsLayout);
    layout->addWidget(new ScrollingPage(texts, this));
    buildButtons(layout);
}

void FrmCenter::buildTexts(QVBoxLayout* layout)
{
    // The speed paragraph's five lines each end with a line break, so a sixth, empty one follows.
    m_speeds = readOnlyTextBox("txtHead1", this, font(), 6, kColumns);
    layout->addWidget(m_speeds);
    m_costs = readOnlyTextBox("txtHead2", this, font(), 3, kColumns);
    layout->addWidget(m_costs);
    const QFont tableHeading = face(QStringLiteral("Microsoft Sans Serif"), 11.25, QFont::SansSerif, true);
    m_tableHeading = readOnlyTextBox("txtHead3", this, tableHeading, 1, kColumns * 3 / 4);
    layout->addWidget(m_tableHeading);
    m_tableRows = readOnlyTextBox("txtHead4", this, font(), 15, kColumns);
    m_tableRows->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn); // the table may be longer than the box
    layout->addWidget(m_tableRows);
    layout->addStretch();
}

void FrmCenter::buildButtons(QVBoxLayout* layout)
{
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    QPushButton* exit = named(new QPushButton(tr("Exit"), this), "Command1");
    QPushButton* print = named(new QPushButton(tr("Print Report"), this), "Command2");
    QPushButton* savePdf = named(new QPushButton(tr("Save as PDF…"), this), "cmdSavePdf");
    QPushButton* marketCheck = named(new QPushButton(tr("Market Check…"), this), "cmdMarketCheck");
    for (QPushButton* button : {exit, print, savePdf, marketCheck})
        buttons->addWidget(button);
    layout->addLayout(buttons);
    connect(exit, &QPushButton::clicked, this, &QWidget::close);
    connect(print, &QPushButton::clicked, this, &FrmCenter::printReport);
    connect(savePdf, &QPushButton::clicked, this, &FrmCenter::saveReportAsPdf);
    connect(marketCheck, &QPushButton::clicked, this, &FrmCenter::openMarketCheck);
}

// Every failing step is told, and the analysis goes on with what it has.
void FrmCenter::analyse()
{
    int failures = settleName();
    const ReadPricing read = readPricingFile(m_platform.folder(), m_name);
    const CenterAnalysis analysis = analyseCenter(read.fields);
    m_analysis = analysis;
    if (!read.damage.isEmpty())
        m_platform.messages().tell(read.damage, {}, MessageBoxes::Icon::Warning);
    tellFailures(failures + read.failures + analysis.failures);
    m_heading->setText(centertexts::heading(m_name));
    m_speeds->setPlainText(joined(centertexts::speedParagraph(m_name, analysis), true));
    m_costs->setPlainText(joined(centertexts::costParagraph(analysis), false));
    m_tableHeading->setPlainText(centertexts::tableHeading());
    m_tableRows->setPlainText(joined(centertexts::tableRows(analysis), true));
}

// Name.tmp, overruled by the Reverse Engineering tab's name label when that shows another name;
// "None" when either is empty. Gives the number of failures (Name.tmp missing).
int FrmCenter::settleName()
{
    const std::optional<QString> saved = handover::readName(m_platform.folder());
    m_name = saved.value_or(QString());
    const QString label = m_mainWindow.analysisName();
    if (label != m_name && !label.isEmpty())
        m_name = label;
    if (m_name.isEmpty() || label.isEmpty())
        m_name = kNone;
    return saved ? 0 : 1;
}

void FrmCenter::tellFailures(int count)
{
    for (int i = 0; i < count; ++i)
        m_platform.messages().tell(FrmCenter::tr("Looks Like We Got An Error in frmCenter"));
}

// The report works the analysis out afresh from the name in Name.tmp; after any failure
// nothing is printed.
void FrmCenter::printReport()
{
    const std::optional<PrintJob> job = reportJob();
    const bool printed = job && m_platform.printing().print(*job, reportName(), m_name).printed;
    if (!printed)
        m_platform.messages().tell(reportError(), tr("Warning"), MessageBoxes::Icon::Critical);
    show();
    raise();
}

void FrmCenter::saveReportAsPdf()
{
    const std::optional<PrintJob> job = reportJob();
    if (!job)
        m_platform.messages().tell(reportError(), tr("Warning"), MessageBoxes::Icon::Critical);
    else
        (void)saveAsPdf(m_platform, this, *job, reportName(), m_name);
}

// The check of what this window shows, owned like this window by the main window.
void FrmCenter::openMarketCheck()
{
    FrmMarketCheck* check = m_mainWindow.openWindows().marketCheck(m_name, m_analysis);
    connect(&m_mainWindow.dataChanges(), &DataChanges::changed, check, &FrmMarketCheck::followChange,
            Qt::UniqueConnection);
    connect(check, &FrmMarketCheck::wrote, &m_mainWindow.dataChanges(), &DataChanges::announce, Qt::UniqueConnection);
}

std::optional<PrintJob> FrmCenter::reportJob()
{
    const std::optional<QString> saved = handover::readName(m_platform.folder());
    if (!saved)
        return std::nullopt;
    m_name = *saved;
    const ReadPricing read = readPricingFile(m_platform.folder(), m_name);
    const CenterAnalysis analysis = analyseCenter(read.fields);
    if (read.failures + analysis.failures > 0)
        return std::nullopt;
    return reverseReport(m_name, analysis);
}

} // namespace forms
