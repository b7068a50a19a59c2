// Calculate BHR: the main window's boxes become saved files and results.
#include "frmTab.h"

#include "BudgetCalculation.h"
#include "Platform.h"
#include "SharedFiles.h"
#include "frmBudget.h"

void FrmTab::calculateBudget(bool turnToLastTab)
{
    if (m_currentName.isEmpty()) {
        m_platform.messages().tell(QStringLiteral("You must have a valid File to Analyze. Click OK and begin again"));
        return;
    }
    if (!mayReplaceSharedFiles())
        return;
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

// When another listed name uses the same files, calculating replaces that equipment's saved
// figures too: the user decides, and the safe answer is not to.
bool FrmTab::mayReplaceSharedFiles()
{
    const QStringList sharing = sharedfiles::namesSharingFiles(m_platform.folder(), m_currentName);
    if (sharing.isEmpty())
        return true;
    const QString others = sharing.join(QStringLiteral("\", \""));
    const QString question =
        QStringLiteral("\"%1\" and \"%2\" share their files: an equipment's files are named from the first "
                       "seven characters of its name. Calculating now replaces the saved figures of \"%2\" with "
                       "those of \"%1\".\r\nReplace them?")
            .arg(m_currentName, others);
    return m_platform.messages().askYesNo(question, {}, MessageBoxes::Answer::No) == MessageBoxes::Answer::Yes;
}
