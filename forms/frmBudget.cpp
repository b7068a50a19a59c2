#include "frmBudget.h"

#include "AmountRows.h"
#include "DisplayPattern.h"
#include "Platform.h"
#include "ResultWindows.h"
#include "ResultTexts.h"
#include "frmBHR.h"
#include "frmTab.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

struct BudgetBox {
    const char* box;
    const char* label;
    const char* caption;
    int slot;
    AmountRows::Column column;
    AmountRows::Rule rule;
};

constexpr auto M = AmountRows::Middle;
constexpr auto R = AmountRows::Right;
constexpr auto None = AmountRows::NoRule;
constexpr auto Rule = AmountRows::SingleRule;
constexpr auto Double = AmountRows::DoubleRule;

const BudgetBox kBudgetBoxes[] = {
    {"txtRent", "lblRent", "Total Rent:", 28, M, None},
    {"txtInsure", "lblInsure", "Total Insurance:", 29, M, None},
    {"txtProp", "lblProp", "Total Property Taxes:", 30, M, None},
    {"txtDep", "lblDep", "Total Depreciation:", 31, M, None},
    {"txtFix", "lblFix", "Total Fixed Costs:", 33, M, Rule},
    {"txtDirect", "Label5", "Total Direct Wages:", 36, M, None},
    {"txtIndirect", "Label6", "Total Indirect Wages:", 37, M, None},
    {"txtWage", "Label7", "Total Wages:", 39, M, Rule},
    {"txtLight", "Label8", "Total Lighting Costs:", 41, M, None},
    {"txtMotor", "Label9", "Total Motor Costs:", 42, M, None},
    {"txtArc", "Label10", "Total Arc/Misc Costs:", 43, M, None},
    {"txtPower", "Label11", "Total Power Costs:", 44, M, Rule},
    {"txtVar", "Label23", "Total Variable & Fixed Costs:", 45, R, Double},
    {"txtSup", "Label22", "Supplies:", 47, M, None},
    {"txtTax1", "Label19", "Social Security Tax-1:", 48, M, None},
    {"txtTax2", "lblTax2", "Social Security Tax-2:", 49, M, None},
    {"txtTax3", "Label21", "Social Security Tax-3:", 50, M, None},
    {"txtSSI", "Label18", "SS Taxes-Indirect:", 51, M, None},
    {"txtWC", "Label17", "Workman's Comp\"", 52, M, None},
    {"txtComp1", "Label16", "Unemployment Comp-1:", 53, M, None},
    {"txtComp2", "Label13", "Unemployment Comp-2:", 54, M, None},
    {"txtComp3", "Label14", "Unemployment Comp-3:", 55, M, None},
    {"txtCI", "Label15", "Unemployment Comp-Ind::", 56, M, None},
    {"txtID", "Label12", "Insurance-Direct:", 57, M, None},
    {"txtII", "Label1", "Insurance-Indirect:", 58, M, None},
    {"txtPR", "Label2", "Pension & Retirement:", 59, M, None},
    {"txtRepair", "Label3", "Repairs:", 60, M, None},
    {"txtVarCost", "Label4", "Total Variable Costs:", 62, M, Rule},
    {"txtFacCosts", "Label24", "Total Factory Costs:", 64, R, Double},
};

} // namespace

FrmBudget* FrmBudget::open(Platform& platform, FrmTab& mainWindow)
{
    static QPointer<FrmBudget> budget;
    FrmBHR::readAgainIfOpen();
    return resultwindows::openAfterCalculate(budget, platform, mainWindow, &FrmBudget::showBudget);
}

FrmBudget::FrmBudget(Platform& platform, FrmTab& mainWindow, QWidget* parent)
    : QWidget(parent), m_platform(platform), m_mainWindow(mainWindow)
{
    setObjectName(QStringLiteral("frmBudget"));
    setWindowTitle(QStringLiteral("Budgeted Hourly Rate Analysis"));
    buildBoxes();
    showBudget();
}

void FrmBudget::buildBoxes()
{
    auto* grid = new QGridLayout(this);
    grid->addWidget(resultwindows::heading(this), 0, 0, 1, 3);

    AmountRows rows(this, grid, 1);
    for (const BudgetBox& entry : kBudgetBoxes)
        rows.add(entry.box, entry.label, QString::fromLatin1(entry.caption), entry.column, entry.rule);

    auto* next = new QPushButton(QStringLiteral("Next"), this);
    next->setObjectName(QStringLiteral("Command1"));
    // Beside the last items of the variable costs, clear of the rules over the grand total.
    grid->addWidget(next, rows.nextRow() - 7, 2, 2, 1, Qt::AlignCenter);
    connect(next, &QPushButton::clicked, this, [this] {
        close();
        FrmBHR::open(m_platform, m_mainWindow);
    });
}

// The heading and the boxes from the name file and the result file. What cannot be read shows
// empty rather than as figures of an earlier reading.
void FrmBudget::showBudget()
{
    const resultwindows::CurrentResults current = resultwindows::read(m_platform);
    resultwindows::showName(findChild<QLabel*>(QStringLiteral("lblHead1")), current.name);
    const ResultRecord record = resulttexts::withTotalPowerCost(current.record.value_or(ResultRecord()));
    for (const BudgetBox& entry : kBudgetBoxes)
        showAmount(findChild<QLineEdit*>(QString::fromLatin1(entry.box)),
                   current.record ? resulttexts::fieldText(record, entry.slot, numbers::kIndentedAmountPattern,
                                                           resulttexts::kAmountWidth)
                                  : QString());
}
