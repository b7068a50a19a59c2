#include "frmCenter.h"

#include "CenterAnalysis.h"
#include "CenterTexts.h"
#include "HandOverFiles.h"
#include "NamedWidget.h"
#include "Platform.h"
#include "PricingFile.h"
#include "ResultWindows.h"
#include "ReverseReport.h"
#include "TextBoxes.h"
#include "frmTab.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QString kLoadError = QStringLiteral("Looks Like We Got An Error in frmCenter");
const QString kReportError = QStringLiteral("An Error occured. Exiting calculations");
const QString kNone = QStringLiteral("None");
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

FrmCenter* FrmCenter::open(Platform& platform, FrmTab& mainWindow)
{
    static QPointer<FrmCenter> center;
    return resultwindows::openAfterCalculate(center, platform, mainWindow, &FrmCenter::analyse);
}

FrmCenter::FrmCenter(Platform& platform, FrmTab& mainWindow, QWidget* parent)
    : QWidget(parent), m_platform(platform), m_mainWindow(mainWindow)
{
    setObjectName(QStringLiteral("frmCenter"));
    setWindowTitle(QStringLiteral("Reverse Engineering of Known Center"));
    setFont(fixedPitchFace(9.75));
    buildLayout();
    analyse();
}

void FrmCenter::buildLayout()
{
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(this);
    heading->setObjectName(QStringLiteral("lblHead1"));
    heading->setAlignment(Qt::AlignCenter);
    heading->setFont(face(QStringLiteral("MS Serif"), 13.5, QFont::Serif, true));
    layout->addWidget(heading);
    // The speed paragraph's five lines each end with a line break, so a sixth, empty one follows.
    layout->addWidget(readOnlyTextBox("txtHead1", this, font(), 6, kColumns));
    layout->addWidget(readOnlyTextBox("txtHead2", this, font(), 3, kColumns));
    const QFont tableHeading = face(QStringLiteral("Microsoft Sans Serif"), 11.25, QFont::SansSerif, true);
    layout->addWidget(readOnlyTextBox("txtHead3", this, tableHeading, 1, kColumns * 3 / 4));
    QPlainTextEdit* rows = readOnlyTextBox("txtHead4", this, font(), 15, kColumns);
    rows->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn); // the table may be longer than the box
    layout->addWidget(rows);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (const auto& [name, caption] : {std::pair{"Command1", "Exit"}, std::pair{"Command2", "Print Report"}}) {
        buttons->addWidget(named(new QPushButton(QString::fromLatin1(caption), this), name));
    }
    layout->addLayout(buttons);
    connect(findChild<QPushButton*>(QStringLiteral("Command1")), &QPushButton::clicked, this, &QWidget::close);
    connect(findChild<QPushButton*>(QStringLiteral("Command2")), &QPushButton::clicked, this, &FrmCenter::printReport);
}

void FrmCenter::setText(const char* box, const QString& text)
{
    findChild<QPlainTextEdit*>(QString::fromLatin1(box))->setPlainText(text);
}

// Every failing step is told, and the analysis goes on with what it has.
void FrmCenter::analyse()
{
    int failures = settleName();
    const ReadPricing read = readPricingFile(m_platform.folder(), m_name);
    const CenterAnalysis analysis = analyseCenter(read.fields);
    tellFailures(failures + read.failures + analysis.failures);
    findChild<QLabel*>(QStringLiteral("lblHead1"))->setText(centertexts::heading(m_name));
    setText("txtHead1", joined(centertexts::speedParagraph(m_name, analysis), true));
    setText("txtHead2", joined(centertexts::costParagraph(analysis), false));
    setText("txtHead3", centertexts::tableHeading());
    setText("txtHead4", joined(centertexts::tableRows(analysis), true));
}

// Name.tmp, overruled by the Reverse Engineering tab's name label when that shows another name;
// "None" when either is empty. Gives the number of failures (Name.tmp missing).
int FrmCenter::settleName()
{
    const std::optional<QString> saved = handover::readName(m_platform.folder());
    m_name = saved.value_or(QString());
    const QString label = m_mainWindow.nameLabel(4)->text();
    if (label != m_name && !label.isEmpty())
        m_name = label;
    if (m_name.isEmpty() || label.isEmpty())
        m_name = kNone;
    return saved ? 0 : 1;
}

void FrmCenter::tellFailures(int count)
{
    for (int i = 0; i < count; ++i)
        m_platform.messages().tell(kLoadError);
}

// The report works the analysis out afresh from the name in Name.tmp; after any failure
// nothing is printed.
void FrmCenter::printReport()
{
    const std::optional<PrintJob> job = reportJob();
    const bool printed = job && m_platform.printing().print(*job, QStringLiteral("Reverse Engineering Report"), m_name).printed;
    if (!printed)
        m_platform.messages().tell(kReportError, QStringLiteral("Warning"), MessageBoxes::Icon::Critical);
    show();
    raise();
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
