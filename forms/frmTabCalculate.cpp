// Calculate BHR: the main window's boxes become saved files and results.
#include "frmTab.h"

#include "BudgetCalculation.h"
#include "Platform.h"
#include "frmBudget.h"

void FrmTab::calculateBudget(bool turnToLastTab)
{
    if (m_currentName.isEmpty()) {
        m_platform.messages().tell(
            QStringLiteral("You must have a valid File to Analyze. Click OK and begin again"));
        return;
    }
    const BudgetOutcome outcome =
        ::calculateBudget(m_platform.folder(), m_currentName, [this](const QString& name) { return boxText(name); });
    if (outcome.kind == BudgetOutcome::Kind::Overflow) {
        m_platform.messages().tell(QStringLiteral("Please fill out all necessary info on ") + m_currentName);
        return;
    }
    if (outcome.kind == BudgetOutcome::Kind::NotSaved) {
        m_platform.messages().tell(outcome.error + QStringLiteral("\r\nThe calculation was not completed."));
        return;
    }
    if (turnToLastTab)
        selectTab(ReverseEngineering);
    FrmBudget::open(m_platform, *this);
}
