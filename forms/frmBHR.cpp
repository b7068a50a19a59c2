#include "forms/frmBHR.h"

#include "engine/ResultFile.h"
#include "forms/AmountRows.h"
#include "forms/LowerLayers.h"
#include "forms/MainWindowLink.h"
#include "forms/OpenWindows.h"
#include "forms/ResultWindows.h"
#include "forms/SaveAsPdf.h"
#include "forms/ScrollingPage.h"
#include "forms/TextBoxes.h"
#include "platform/Platform.h"
#include "report/RateReport.h"
#include "report/RateTable.h"
#include "store/HandOverFiles.h"
#include "textrules/DisplayPattern.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace forms::lowerlayers;

namespace forms {

namespace {

using namespace amountrow;

const AmountRows::Entry kAmountBoxes[] = {
    {"txtGen", "lblDep", QT_TRANSLATE_NOOP("AmountRows", "General Fact'y Expense:"), C::GeneralFactoryExpense, M, None},
    {"txtVar", "lblFix", QT_TRANSLATE_NOOP("AmountRows", "Total Variable Costs:"), C::GeneralFactoryExpense, M, Rule},
    {"txtFact", "Label23", QT_TRANSLATE_NOOP("AmountRows", "Total Factory/General Costs:"), C::FactoryAndGeneralCost, R,
     Double},
    {"txtOH", "Label1", QT_TRANSLATE_NOOP("AmountRows", "Selling Overhead:"), C::SellingOverhead, M, None},
    {"txtTotOH", "Label2", QT_TRANSLATE_NOOP("AmountRows", "Total Selling Overhead:"), C::SellingOverhead, M, Rule},
    {"txtTotCC", "lblTotCC", QT_TRANSLATE_NOOP("AmountRows", "Total Annual Center Costs:"), C::AnnualCenterCost, R,
     Double},
};

QString printCaption()
{
    return FrmBHR::tr("Print BHR");
}

QString reportName()
{
    return FrmBHR::tr("Budgeted Hourly Rate Report");
}

} // namespace

FrmBHR::FrmBHR(Platform& platform, MainWindowLink& mainWindow, QWidget* parent)
    : QWidget(parent), m_platform(platform), m_mainWindow(mainWindow)
{
    setObjectName(QStringLiteral("frmBHR"));
    setWindowTitle(tr("Budgeted Hourly Rate Analysis - Equipment & Employee"));
    auto* layout = new QVBoxLayout(this);
    m_heading = resultwindows::heading(this);
    layout->addWidget(m_heading);
    m_gone = resultwindows::goneNote(this);
    layout->addWidget(m_gone);
    // The figures and the choice scroll on a small screen; the heading and the buttons stay in view.
    auto* figures = new QWidget;
    auto* figuresLayout = new QVBoxLayout(figures);
    figuresLayout->setContentsMargins(0, 0, 0, 0);
    auto* grid = new QGridLayout;
    figuresLayout->addLayout(grid);
    buildAmounts(grid);
    buildTable(figuresLayout);
    buildChoice(figuresLayout);
    figuresLayout->addStretch();
    layout->addWidget(new ScrollingPage(figures, this));
    buildButtons(layout);
    showResults();
    resultwindows::follow(
        this, m_platform, m_mainWindow, [this] { return m_name; }, m_gone,
        [this] { showResultsOf(resultwindows::readCenter(m_platform, m_name)); });
    sizeWithinScreen(this);
}

void FrmBHR::buildAmounts(QGridLayout* grid)
{
    m_amounts = AmountRows(this, grid, 0).addAll(kAmountBoxes);
}

void FrmBHR::buildTable(QVBoxLayout* layout)
{
    QPlainTextEdit* note = readOnlyTextBox("txtNote", this, font(), 5, 60);
    note->setPlainText(ratetable::noteLines().join(u'\n'));
    layout->addWidget(note);
    m_tableHeading = readOnlyTextBox("txtHead1", this, fixedPitchFace(), 3, 70);
    layout->addWidget(m_tableHeading);
    m_tableRows = readOnlyTextBox("txtHead2", this, fixedPitchFace(), ratetable::kLevels, 70);
    layout->addWidget(m_tableRows);
}

void FrmBHR::buildChoice(QVBoxLayout* layout)
{
    auto* frame = new QGroupBox(tr("Select Desired Budgeted Hourly Rate for Reverse Engineering"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto* grid = new QGridLayout(frame);
    for (int level = 0; level < ratetable::kLevels; ++level) {
        auto* label = new QLabel(frame);
        label->setObjectName(QStringLiteral("lblOp%1").arg(level + 1));
        auto* option = new QRadioButton(frame);
        option->setObjectName(QStringLiteral("Option%1").arg(level + 1));
        connect(option, &QRadioButton::clicked, this, [this, level] { chooseLevel(level + 1); });
        m_levelLabels.append(label);
        m_levelOptions.append(option);
        grid->addWidget(label, 0, level);
        grid->addWidget(option, 1, level, Qt::AlignLeft); // only its button and caption take a click
    }
    auto* none = new QRadioButton(tr("None"), frame);
    none->setObjectName(QStringLiteral("Option5"));
    none->setChecked(true); // the window never reads an earlier choice back
    grid->addWidget(none, 1, ratetable::kLevels);
    layout->addWidget(frame);
}

void FrmBHR::buildButtons(QVBoxLayout* layout)
{
    auto* row = new QHBoxLayout;
    m_print = new QPushButton(printCaption(), this);
    m_print->setObjectName(QStringLiteral("cmdPrintBHR"));
    connect(m_print, &QPushButton::clicked, this, &FrmBHR::printReport);
    auto* savePdf = new QPushButton(tr("Save as PDF…"), this);
    savePdf->setObjectName(QStringLiteral("cmdSavePdf"));
    connect(savePdf, &QPushButton::clicked, this, &FrmBHR::saveReportAsPdf);
    auto* drivers = new QPushButton(tr("What Drives This Rate\u2026"), this);
    drivers->setObjectName(QStringLiteral("cmdDrivers"));
    connect(drivers, &QPushButton::clicked, this, [this] {
        if (!m_name.isEmpty())
            m_mainWindow.openWindows().drivers(m_name);
    });
    auto* exit = new QPushButton(tr("Exit"), this);
    exit->setObjectName(QStringLiteral("Command1"));
    connect(exit, &QPushButton::clicked, this, &FrmBHR::exitToMainWindow);
    row->addStretch();
    row->addWidget(m_print);
    row->addWidget(savePdf);
    row->addWidget(drivers);
    row->addWidget(exit);
    row->addStretch();
    layout->addLayout(row);
}

// The name and the results from the files; without the results the window shows no figures,
// not even those of an earlier reading.
void FrmBHR::showResults()
{
    showResultsOf(resultwindows::read(m_platform));
}

void FrmBHR::showResultsOf(const resultwindows::CurrentResults& current)
{
    m_name = current.name.value_or(QString());
    resultwindows::showName(m_heading, current.name);
    m_record = current.record.value_or(ResultRecord());
    const bool shown = current.record.has_value();
    showAmounts(m_amounts, kAmountBoxes, current.record, numbers::kAmountPattern);
    QStringList rows;
    for (int level = 0; shown && level < ratetable::kLevels; ++level)
        rows.append(ratetable::row(m_record, level));
    m_tableHeading->setPlainText(shown ? ratetable::headingLines().join(u'\n') : QString());
    m_tableRows->setPlainText(rows.join(u'\n'));
    for (int level = 0; level < ratetable::kLevels; ++level) {
        m_levelLabels[level]->setText(shown ? ratetable::optionLabel(m_record, level) : QString());
        m_levelOptions[level]->setText(shown ? ratetable::optionCaption(m_record, level) : QString());
    }
}

void FrmBHR::chooseLevel(int level)
{
    const StoreResult saved = handover::writeEfficiencyOption(m_platform.folder(), QString::number(level));
    if (!saved.ok())
        m_platform.messages().tell(saved.error);
}

// The report reads the result file afresh; without all of it nothing is printed.
std::optional<PrintJob> FrmBHR::reportJob()
{
    if (m_name.isEmpty())
        m_name = handover::readName(m_platform.folder()).value_or(QString());
    const LoadedRecord loaded = loadResultFile(m_platform.folder(), m_name);
    if (!loaded.ok()) {
        m_platform.messages().tell(loaded.error + tr("\r\nThe report was not printed."));
        return std::nullopt;
    }
    return rateReport(m_name, loaded.record);
}

void FrmBHR::printReport()
{
    const std::optional<PrintJob> job = reportJob();
    if (!job)
        return;
    raise();
    m_print->setText(tr("Printing"));
    m_print->repaint(); // the job runs before control returns to the event loop
    // Where the report went, or that it went nowhere, the print service has told the user itself.
    (void)m_platform.printing().print(*job, reportName(), m_name);
    raise();
    m_print->setText(printCaption());
}

void FrmBHR::saveReportAsPdf()
{
    if (const std::optional<PrintJob> job = reportJob())
        (void)saveAsPdf(m_platform, this, *job, reportName(), m_name);
}

void FrmBHR::exitToMainWindow()
{
    close();
    m_mainWindow.ownerWindow().show();
    m_mainWindow.ownerWindow().raise();
}

} // namespace forms
