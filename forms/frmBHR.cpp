#include "frmBHR.h"

#include "AmountRows.h"
#include "DisplayPattern.h"
#include "HandOverFiles.h"
#include "Platform.h"
#include "RateReport.h"
#include "RateTable.h"
#include "ResultFile.h"
#include "ResultTexts.h"
#include "ResultWindows.h"
#include "TextBoxes.h"
#include "frmTab.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

struct AmountBox {
    const char* box;
    const char* label;
    const char* caption;
    int slot;
    AmountRows::Column column;
    AmountRows::Rule rule;
};

const AmountBox kAmountBoxes[] = {
    {"txtGen", "lblDep", "General Fact'y Expense:", 65, AmountRows::Middle, AmountRows::NoRule},
    {"txtVar", "lblFix", "Total Variable Costs:", 65, AmountRows::Middle, AmountRows::SingleRule},
    {"txtFact", "Label23", "Total Factory/General Costs:", 67, AmountRows::Right, AmountRows::DoubleRule},
    {"txtOH", "Label1", "Selling Overhead:", 68, AmountRows::Middle, AmountRows::NoRule},
    {"txtTotOH", "Label2", "Total Selling Overhead:", 68, AmountRows::Middle, AmountRows::SingleRule},
    {"txtTotCC", "lblTotCC", "Total Annual Center Costs:", 70, AmountRows::Right, AmountRows::DoubleRule},
};

const QString kPrintCaption = QStringLiteral("Print BHR");

QPointer<FrmBHR>& openRates()
{
    static QPointer<FrmBHR> rates;
    return rates;
}

} // namespace

FrmBHR* FrmBHR::open(Platform& platform, FrmTab& mainWindow)
{
    return showSingleWindow(openRates(), &mainWindow, platform, mainWindow);
}

void FrmBHR::readAgainIfOpen()
{
    if (openRates())
        openRates()->showResults();
}

FrmBHR::FrmBHR(Platform& platform, FrmTab& mainWindow, QWidget* parent)
    : QWidget(parent), m_platform(platform), m_mainWindow(mainWindow)
{
    setObjectName(QStringLiteral("frmBHR"));
    setWindowTitle(QStringLiteral("Budgeted Hourly Rate Analysis - Equipment & Employee"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(resultwindows::heading(this));
    auto* grid = new QGridLayout;
    layout->addLayout(grid);
    buildAmounts(grid);
    buildTable(layout);
    buildChoice(layout);
    buildButtons(layout);
    showResults();
}

void FrmBHR::buildAmounts(QGridLayout* grid)
{
    AmountRows rows(this, grid, 0);
    for (const AmountBox& entry : kAmountBoxes)
        rows.add(entry.box, entry.label, QString::fromLatin1(entry.caption), entry.column, entry.rule);
}

void FrmBHR::buildTable(QVBoxLayout* layout)
{
    QPlainTextEdit* note = readOnlyTextBox("txtNote", this, font(), 5, 60);
    note->setPlainText(ratetable::noteLines().join(u'\n'));
    layout->addWidget(note);
    layout->addWidget(readOnlyTextBox("txtHead1", this, fixedPitchFace(), 3, 70));
    layout->addWidget(readOnlyTextBox("txtHead2", this, fixedPitchFace(), ratetable::kLevels, 70));
}

void FrmBHR::buildChoice(QVBoxLayout* layout)
{
    auto* frame = new QGroupBox(QStringLiteral("Select Desired Budgeted Hourly Rate for Reverse Engineering"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto* grid = new QGridLayout(frame);
    for (int level = 0; level < ratetable::kLevels; ++level) {
        auto* label = new QLabel(frame);
        label->setObjectName(QStringLiteral("lblOp%1").arg(level + 1));
        auto* option = new QRadioButton(frame);
        option->setObjectName(QStringLiteral("Option%1").arg(level + 1));
        connect(option, &QRadioButton::clicked, this, [this, level] { chooseLevel(level + 1); });
        grid->addWidget(label, 0, level);
        grid->addWidget(option, 1, level);
    }
    auto* none = new QRadioButton(QStringLiteral("None"), frame);
    none->setObjectName(QStringLiteral("Option5"));
    none->setChecked(true); // the window never reads an earlier choice back
    grid->addWidget(none, 1, ratetable::kLevels);
    layout->addWidget(frame);
}

void FrmBHR::buildButtons(QVBoxLayout* layout)
{
    auto* row = new QHBoxLayout;
    m_print = new QPushButton(kPrintCaption, this);
    m_print->setObjectName(QStringLiteral("cmdPrintBHR"));
    connect(m_print, &QPushButton::clicked, this, &FrmBHR::printReport);
    auto* exit = new QPushButton(QStringLiteral("Exit"), this);
    exit->setObjectName(QStringLiteral("Command1"));
    connect(exit, &QPushButton::clicked, this, &FrmBHR::exitToMainWindow);
    row->addStretch();
    row->addWidget(m_print);
    row->addWidget(exit);
    row->addStretch();
    layout->addLayout(row);
}

// The name and the results from the files; without the results the window shows no figures,
// not even those of an earlier reading.
void FrmBHR::showResults()
{
    const resultwindows::CurrentResults current = resultwindows::read(m_platform);
    m_name = current.name.value_or(QString());
    resultwindows::showName(findChild<QLabel*>(QStringLiteral("lblHead1")), current.name);
    m_record = current.record.value_or(ResultRecord());
    const bool shown = current.record.has_value();
    for (const AmountBox& entry : kAmountBoxes)
        showAmount(findChild<QLineEdit*>(QString::fromLatin1(entry.box)),
                   shown ? resulttexts::fieldText(m_record, entry.slot, numbers::kAmountPattern,
                                                  resulttexts::kAmountWidth)
                         : QString());
    QStringList rows;
    for (int level = 0; shown && level < ratetable::kLevels; ++level)
        rows.append(ratetable::row(m_record, level));
    findChild<QPlainTextEdit*>(QStringLiteral("txtHead1"))
        ->setPlainText(shown ? ratetable::headingLines().join(u'\n') : QString());
    findChild<QPlainTextEdit*>(QStringLiteral("txtHead2"))->setPlainText(rows.join(u'\n'));
    for (int level = 0; level < ratetable::kLevels; ++level) {
        findChild<QLabel*>(QStringLiteral("lblOp%1").arg(level + 1))
            ->setText(shown ? ratetable::optionLabel(m_record, level) : QString());
        findChild<QRadioButton*>(QStringLiteral("Option%1").arg(level + 1))
            ->setText(shown ? ratetable::optionCaption(m_record, level) : QString());
    }
}

void FrmBHR::chooseLevel(int level)
{
    const StoreResult saved = handover::writeEfficiencyOption(m_platform.folder(), QString::number(level));
    if (!saved.ok())
        m_platform.messages().tell(saved.error);
}

// The report reads the result file afresh; without all of it nothing is printed.
void FrmBHR::printReport()
{
    if (m_name.isEmpty())
        m_name = handover::readName(m_platform.folder()).value_or(QString());
    const LoadedRecord loaded = loadResultFile(m_platform.folder(), m_name);
    if (!loaded.ok()) {
        m_platform.messages().tell(loaded.error + QStringLiteral("\r\nThe report was not printed."));
        return;
    }
    raise();
    m_print->setText(QStringLiteral("Printing"));
    m_print->repaint(); // the job runs before control returns to the event loop
    m_platform.printing().print(rateReport(m_name, loaded.record), QStringLiteral("Budgeted Hourly Rate Report"),
                                m_name);
    raise();
    m_print->setText(kPrintCaption);
}

void FrmBHR::exitToMainWindow()
{
    close();
    m_mainWindow.show();
    m_mainWindow.raise();
}
