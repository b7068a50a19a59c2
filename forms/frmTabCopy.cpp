// The main window's side of the plant overview and of saving an equipment under a new name.
#include "forms/frmTab.h"

#include "forms/LeftFilesQuestion.h"
#include "forms/LowerLayers.h"
#include "forms/PreliminaryPage.h"
#include "platform/Platform.h"
#include "store/EquipmentCopy.h"
#include "store/EquipmentList.h"
#include "store/HandOverFiles.h"
#include "store/RecordLayout.h"

#include <QStatusBar>

using namespace forms::lowerlayers;

namespace forms {

namespace {

QString refusal(const equipmentcopy::CopyOutcome& outcome, const QString& from, const QString& to)
{
    using Kind = equipmentcopy::CopyOutcome::Kind;
    switch (outcome.kind) {
    case Kind::SharesFiles:
        return FrmTab::sharedFilesRefusal(to, outcome.sharingWith, FrmTab::tr("used"));
    case Kind::Exists:
        return FrmTab::tr("\"%1\" is already in the equipment list. Please choose another name.").arg(to);
    case Kind::NoInputs:
        return FrmTab::tr("\"%1\" has no saved figures to copy yet. Calculate BHR saves them.").arg(from);
    case Kind::BadName:
    case Kind::NotSaved:
        return outcome.error;
    case Kind::FilesExist:
    case Kind::Copied:
        break;
    }
    return {};
}

} // namespace

void FrmTab::showEquipment(const QString& name)
{
    int row = m_preliminary->rowOf(name);
    if (row < 0) {
        reloadListEntries(); // a name started since the list was last filled
        row = m_preliminary->rowOf(name);
    }
    if (row < 0)
        return;
    m_preliminary->chooseQuietly(row); // the choice runs once, below, even when it was already made
    selectListEntry(row);
    show();
    raise();
    activateWindow();
}

void FrmTab::reloadListEntries()
{
    const QString chosenName = m_preliminary->chosenEntry().value_or(QString());
    m_preliminary->showEntriesQuietly(equipmentlist::load(m_platform.folder()).names);
    if (const int row = m_preliminary->rowOf(chosenName); !chosenName.isEmpty() && row >= 0)
        m_preliminary->chooseQuietly(row);
}

// Save As: the boxes as they stand go under the new name, and the window then works on the copy,
// so that what the user does next never lands on the original.
void FrmTab::saveAsNewName()
{
    const QString from = m_currentName;
    if (from.isEmpty()) {
        m_platform.messages().tell(QStringLiteral(
            "Start or choose an equipment first: its figures, as the boxes show them, are saved under the new name."));
        return;
    }
    QString suggestion = from;
    while (const std::optional<QString> to = askNewName(from, suggestion)) {
        switch (copyBoxesTo(from, *to)) {
        case CopyStep::Copied:
            workOnCopy(*to);
            return;
        case CopyStep::Declined:
            return;
        case CopyStep::Refused:
            suggestion = *to; // asked again with the name as typed, to be corrected
            break;
        }
    }
}

std::optional<QString> FrmTab::askNewName(const QString& from, const QString& suggestion)
{
    const std::optional<QString> to = m_platform.messages().askText(
        tr("Save a copy of \"%1\" under the new name:").arg(from), tr("Save as new name"), suggestion);
    if (!to || to->isEmpty() || *to == from)
        return std::nullopt;
    return to;
}

// Writes the copy, asking before it takes over files an unlisted name left behind; says why when
// it cannot be made.
FrmTab::CopyStep FrmTab::copyBoxesTo(const QString& from, const QString& to)
{
    equipmentcopy::TypedInputs typed;
    const InputTexts texts = boxTexts();
    for (int digit = 2; digit <= 4; ++digit)
        typed.at(digit - 2) = recordlayout::linesOf(recordlayout::inputFile(digit), texts);
    equipmentcopy::CopyOutcome outcome = equipmentcopy::copyTyped(m_platform.folder(), from, to, typed);
    if (outcome.kind == equipmentcopy::CopyOutcome::Kind::FilesExist) {
        const QString question = tr("Replace them with the copy of \"%1\"?").arg(from);
        if (!mayTakeOverFiles(m_platform.messages(), to, outcome.present, question))
            return CopyStep::Declined;
        outcome = equipmentcopy::copyTyped(m_platform.folder(), from, to, typed, equipmentcopy::ExistingFiles::Replace);
    }
    if (outcome.kind != equipmentcopy::CopyOutcome::Kind::Copied) {
        m_platform.messages().tell(refusal(outcome, from, to), {}, MessageBoxes::Icon::Warning);
        return CopyStep::Refused;
    }
    using File = DataChange::File;
    m_changes.announce({File::Inputs | File::Results | File::List, {to}});
    return CopyStep::Copied;
}

// The window turns to the copy as choosing it in the list would, keeping what the boxes show.
void FrmTab::workOnCopy(const QString& name)
{
    reloadListEntries();
    m_preliminary->chooseQuietly(m_preliminary->rowOf(name)); // choosing it would load the files just written
    m_preliminary->setTitle(name);
    m_currentName = name;
    showNameOnEveryTab();
    if (const StoreResult written = handover::writeName(m_platform.folder(), name); !written.ok())
        m_platform.messages().tell(written.error);
    statusBar()->showMessage(tr("Saved as %1. You are now working on %1.").arg(name));
}

} // namespace forms
