#include "forms/frmBudget.h"

#include "forms/AmountRows.h"
#include "forms/LowerLayers.h"
#include "forms/MainWindowLink.h"
#include "forms/OpenWindows.h"
#include "forms/ResultWindows.h"
#include "forms/ScrollingPage.h"
#include "platform/Platform.h"
#include "textrules/DisplayPattern.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace forms::lowerlayers;

namespace forms {

namespace {

using namespace amountrow;

const AmountRows::Entry kBudgetBoxes[] = {
    {"txtRent", "lblRent", QT_TRANSLATE_NOOP("AmountRows", "Total Rent:"), C::Rent, M, None},
    {"txtInsure", "lblInsure", QT_TRANSLATE_NOOP("AmountRows", "Total Insurance:"), C::EquipmentInsurance, M, None},
    {"txtProp", "lblProp", QT_TRANSLATE_NOOP("AmountRows", "Total Property Taxes:"), C::PropertyTaxes, M, None},
    {"txtDep", "lblDep", QT_TRANSLATE_NOOP("AmountRows", "Total Depreciation:"), C::Depreciation, M, None},
    {"txtFix", "lblFix", QT_TRANSLATE_NOOP("AmountRows", "Total Fixed Costs:"), C::FixedCosts, M, Rule},
    {"txtDirect", "Label5", QT_TRANSLATE_NOOP("AmountRows", "Total Direct Wages:"), C::DirectWages, M, None},
    {"txtIndirect", "Label6", QT_TRANSLATE_NOOP("AmountRows", "Total Indirect Wages:"), C::IndirectWages, M, None},
    {"txtWage", "Label7", QT_TRANSLATE_NOOP("AmountRows", "Total Wages:"), C::TotalWages, M, Rule},
    {"txtLight", "Label8", QT_TRANSLATE_NOOP("AmountRows", "Total Lighting Costs:"), C::LightingCost, M, None},
    {"txtMotor", "Label9", QT_TRANSLATE_NOOP("AmountRows", "Total Motor Costs:"), C::MotorCost, M, None},
    {"txtArc", "Label10", QT_TRANSLATE_NOOP("AmountRows", "Total Arc/Misc Costs:"), C::ArcLampCost, M, None},
    {"txtPower", "Label11", QT_TRANSLATE_NOOP("AmountRows", "Total Power Costs:"), C::TotalPowerCost, M, Rule},
    {"txtVar", "Label23", QT_TRANSLATE_NOOP("AmountRows", "Total Variable & Fixed Costs:"), C::VariableAndFixedCosts, R,
     Double},
    {"txtSup", "Label22", QT_TRANSLATE_NOOP("AmountRows", "Supplies:"), C::Supplies, M, None},
    {"txtTax1", "Label19", QT_TRANSLATE_NOOP("AmountRows", "Social Security Tax-1:"), C::SocialSecurityTax1, M, None},
    {"txtTax2", "lblTax2", QT_TRANSLATE_NOOP("AmountRows", "Social Security Tax-2:"), C::SocialSecurityTax2, M, None},
    {"txtTax3", "Label21", QT_TRANSLATE_NOOP("AmountRows", "Social Security Tax-3:"), C::SocialSecurityTax3, M, None},
    {"txtSSI", "Label18", QT_TRANSLATE_NOOP("AmountRows", "SS Taxes-Indirect:"), C::IndirectSocialSecurityTax, M, None},
    {"txtWC", "Label17", QT_TRANSLATE_NOOP("AmountRows", "Workman's Comp\""), C::WorkmansComp, M, None},
    {"txtComp1", "Label16", QT_TRANSLATE_NOOP("AmountRows", "Unemployment Comp-1:"), C::UnemploymentComp1, M, None},
    {"txtComp2", "Label13", QT_TRANSLATE_NOOP("AmountRows", "Unemployment Comp-2:"), C::UnemploymentComp2, M, None},
    {"txtComp3", "Label14", QT_TRANSLATE_NOOP("AmountRows", "Unemployment Comp-3:"), C::UnemploymentComp3, M, None},
    {"txtCI", "Label15", QT_TRANSLATE_NOOP("AmountRows", "Unemployment Comp-Ind::"), C::IndirectUnemploymentComp, M,
     None},
    {"txtID", "Label12", QT_TRANSLATE_NOOP("AmountRows", "Insurance-Direct:"), C::DirectInsurance, M, None},
    {"txtII", "Label1", QT_TRANSLATE_NOOP("AmountRows", "Insurance-Indirect:"), C::IndirectInsurance, M, None},
    {"txtPR", "Label2", QT_TRANSLATE_NOOP("AmountRows", "Pension & Retirement:"), C::Pension, M, None},
    {"txtRepair", "Label3", QT_TRANSLATE_NOOP("AmountRows", "Repairs:"), C::Repairs, M, None},
    {"txtVarCost", "Label4", QT_TRANSLATE_NOOP("AmountRows", "Total Variable Costs:"), C::VariableCosts, M, Rule},
    {"txtFacCosts", "Label24", QT_TRANSLATE_NOOP("AmountRows", "Total Factory Costs:"), C::FactoryCost, R, Double},
};

} // namespace

FrmBudget::FrmBudget(Platform& platform, MainWindowLink& mainWindow, QWidget* parent)
    : QWidget(parent), m_platform(platform), m_mainWindow(mainWindow)
{
    setObjectName(QStringLiteral("frmBudget"));
    setWindowTitle(tr("Budgeted Hourly Rate Analysis"));
    buildBoxes();
    showBudget();
    resultwindows::follow(
        this, m_platform, m_mainWindow, [this] { return m_name; }, m_gone,
        [this] { showResults(resultwindows::readCenter(m_platform, m_name)); });
    sizeWithinScreen(this);
}

void FrmBudget::buildBoxes()
{
    auto* layout = new QVBoxLayout(this);
    m_heading = resultwindows::heading(this);
    layout->addWidget(m_heading);
    m_gone = resultwindows::goneNote(this);
    layout->addWidget(m_gone);

    // The column of amounts is taller than many screens: it scrolls, while the heading and Next
    // stay in view.
    auto* amounts = new QWidget;
    auto* grid = new QGridLayout(amounts);
    AmountRows rows(amounts, grid, 0);
    m_amounts = rows.addAll(kBudgetBoxes);
    grid->setRowStretch(rows.nextRow(), 1);
    layout->addWidget(new ScrollingPage(amounts, this));

    auto* next = new QPushButton(tr("Next"), this);
    next->setObjectName(QStringLiteral("Command1"));
    // At the lower right, under the right column and just below the last items.
    layout->addWidget(next, 0, Qt::AlignRight);
    connect(next, &QPushButton::clicked, this, [this] {
        close();
        m_mainWindow.openWindows().rates();
    });
}

// The heading and the boxes from the name file and the result file. What cannot be read shows
// empty rather than as figures of an earlier reading.
void FrmBudget::showBudget()
{
    showResults(resultwindows::read(m_platform));
}

void FrmBudget::showResults(const resultwindows::CurrentResults& current)
{
    m_name = current.name.value_or(QString());
    resultwindows::showName(m_heading, current.name);
    showAmounts(m_amounts, kBudgetBoxes, current.record, numbers::kIndentedAmountPattern);
}

} // namespace forms
