// The main window's side of the plant overview and of saving an equipment under a new name.
#include "frmTab.h"

#include "EquipmentCopy.h"
#include "EquipmentList.h"
#include "LeftFilesQuestion.h"
#include "Platform.h"

#include <QListWidget>
#include <QSignalBlocker>

namespace {

int rowOf(const QListWidget* list, const QString& name)
{
    for (int row = 0; row < list->count(); ++row)
        if (list->item(row)->text() == name)
            return row;
    return -1;
}

QString refusal(const equipmentcopy::CopyOutcome& outcome, const QString& from, const QString& to)
{
    using Kind = equipmentcopy::CopyOutcome::Kind;
    switch (outcome.kind) {
    case Kind::SharesFiles:
        return FrmTab::sharedFilesRefusal(to, outcome.sharingWith, QStringLiteral("used"));
    case Kind::Exists:
        return QStringLiteral("\"%1\" is already in the equipment list. Please choose another name.").arg(to);
    case Kind::NoInputs:
        return QStringLiteral("\"%1\" has no saved figures to copy yet. Calculate BHR saves them.").arg(from);
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
    int row = rowOf(m_list, name);
    if (row < 0) {
        reloadListEntries(); // a name started since the list was last filled
        row = rowOf(m_list, name);
    }
    if (row < 0)
        return;
    {
        const QSignalBlocker quiet(m_list); // the choice runs once, below, even when it was already made
        m_list->setCurrentRow(row);
    }
    selectListEntry(row);
    show();
    raise();
    activateWindow();
}

void FrmTab::reloadListEntries()
{
    const QListWidgetItem* chosen = m_list->currentItem();
    const QString chosenName = chosen && chosen->isSelected() ? chosen->text() : QString();
    const QSignalBlocker quiet(m_list);
    m_list->clear();
    m_list->addItems(equipmentlist::load(m_platform.folder()).names);
    if (const int row = rowOf(m_list, chosenName); !chosenName.isEmpty() && row >= 0)
        m_list->setCurrentRow(row);
}

// The copy takes the saved files, not the boxes: figures typed since the last Calculate BHR
// stay with the current equipment, which remains the one the boxes show.
void FrmTab::saveAsNewName()
{
    const QString from = m_currentName;
    if (from.isEmpty()) {
        m_platform.messages().tell(
            QStringLiteral("Choose an equipment in the list first: its saved figures are what is copied."));
        return;
    }
    const std::optional<QString> to =
        m_platform.messages().askText(QStringLiteral("Save a copy of \"%1\" under the new name:").arg(from),
                                      QStringLiteral("Save as new name"), from);
    if (!to || to->isEmpty() || *to == from)
        return;
    equipmentcopy::CopyOutcome outcome = equipmentcopy::copy(m_platform.folder(), from, *to);
    if (outcome.kind == equipmentcopy::CopyOutcome::Kind::FilesExist) {
        const QString question = QStringLiteral("Replace them with the copy of \"%1\"?").arg(from);
        if (!mayTakeOverFiles(m_platform.messages(), *to, outcome.present, question))
            return;
        outcome = equipmentcopy::copy(m_platform.folder(), from, *to, equipmentcopy::ExistingFiles::Replace);
    }
    if (outcome.kind != equipmentcopy::CopyOutcome::Kind::Copied) {
        m_platform.messages().tell(refusal(outcome, from, *to), {}, MessageBoxes::Icon::Warning);
        return;
    }
    using File = DataChange::File;
    m_changes.announce({File::Inputs | File::Results | File::List, {*to}});
    reloadListEntries();
}
