// Calculate BHR: the main window's boxes become saved files and results.
#include "forms/frmTab.h"

#include "engine/BudgetCalculation.h"
#include "forms/LowerLayers.h"
#include "platform/Platform.h"
#include "store/RecordLayout.h"
#include "store/SharedFiles.h"

#include <QHash>
#include <QLineEdit>

using namespace forms::lowerlayers;

namespace forms {

void FrmTab::calculateBudget(bool turnToLastTab)
{
    if (m_currentName.isEmpty()) {
        m_platform.messages().tell(tr("You must have a valid File to Analyze. Click OK and begin again"));
        return;
    }
    if (!mayReplaceSharedFiles())
        return;
    const BudgetOutcome outcome = engine::calculateBudget(m_platform.folder(), m_currentName, boxTexts());
    announceCalculation(outcome);
    if (outcome.kind == BudgetOutcome::Kind::Overflow) {
        m_platform.messages().tell(tr("Please fill out all necessary info on ") + m_currentName);
        return;
    }
    if (outcome.kind == BudgetOutcome::Kind::NotSaved) {
        m_platform.messages().tell(outcome.error + tr("\r\nThe calculation was not completed."));
        return;
    }
    if (turnToLastTab)
        selectTab(ReverseEngineering);
    m_openWindows.budget();
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
        tr("\"%1\" and \"%2\" share their files: an equipment's files are named from the first "
           "seven characters of its name. Calculating now replaces the saved figures of \"%2\" with "
           "those of \"%1\".\r\nReplace them?")
            .arg(m_currentName, others);
    return m_platform.messages().askYesNo(question, {}, MessageBoxes::Answer::No) == MessageBoxes::Answer::Yes;
}

// Every name whose files were written: the current one and any that shares its files.
void FrmTab::announceCalculation(const BudgetOutcome& outcome)
{
    using File = DataChange::File;
    DataChange change{File::Plant | File::Inputs, {m_currentName}};
    change.centers.append(sharedfiles::namesSharingFiles(m_platform.folder(), m_currentName));
    switch (outcome.kind) {
    case BudgetOutcome::Kind::Completed:
        change.files |= File::Results;
        break;
    case BudgetOutcome::Kind::Overflow: // the input files were saved before the formulas stopped
        break;
    case BudgetOutcome::Kind::NotSaved: // a file may have been saved before the one that failed
        change.files |= File::Results;
        break;
    }
    m_changes.announce(change);
}

QList<InputBox> FrmTab::unsavedPlantBoxes() const
{
    const recordlayout::LoadedFile saved = recordlayout::loadPlantFile(m_platform.folder());
    if (!saved.ok())
        return {};
    InputTexts savedTexts;
    for (const recordlayout::Assignment& assignment : saved.assignments)
        savedTexts[assignment.box] = assignment.text;
    QList<InputBox> differing;
    for (const inputboxes::Entry& entry : inputboxes::all()) {
        const QLineEdit* edit = box(entry.box);
        if (entry.file == inputboxes::BoxFile::Plant && edit->isModified() && edit->text() != savedTexts[entry.box])
            differing.append(entry.box);
    }
    return differing;
}

StoreResult FrmTab::savePlantBoxes()
{
    const StoreResult saved = savePlantFile(m_platform.folder(), boxTexts());
    if (saved.ok())
        m_changes.announce({DataChange::File::Plant, {}});
    return saved;
}

} // namespace forms
