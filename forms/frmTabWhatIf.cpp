// The main window's side of a what-if: its figures typed into the boxes of its center, then
// calculated there or saved under a new name, exactly as the user would do it by hand.
#include "forms/frmTab.h"

#include "forms/LowerLayers.h"
#include "platform/Platform.h"

#include <QLineEdit>

using namespace forms::lowerlayers;

namespace forms {

void FrmTab::calculateWith(const QString& name, const InputTexts& texts)
{
    if (!showCenter(name))
        return;
    typeTexts(texts);
    calculateBudget(true);
}

void FrmTab::saveAsNewNameWith(const QString& name, const InputTexts& texts)
{
    if (!showCenter(name))
        return;
    const TypedBoxes before = typedBoxes();
    typeTexts(texts);
    saveAsNewName();
    if (m_currentName == name) // no copy: the original's boxes are as they were
        putBack(before);
}

// The boxes of the current equipment stay as they are, typed figures and all; another one is
// loaded from its files, as choosing it in the list does.
bool FrmTab::showCenter(const QString& name)
{
    if (m_currentName != name)
        showEquipment(name);
    if (m_currentName != name) {
        m_platform.messages().tell(tr("\"%1\" is not in the equipment list.").arg(name), {},
                                   MessageBoxes::Icon::Warning);
        return false;
    }
    show();
    raise();
    activateWindow();
    return true;
}

void FrmTab::typeTexts(const InputTexts& texts)
{
    for (const inputboxes::Entry& entry : inputboxes::all()) {
        QLineEdit* edit = box(entry.box);
        if (edit->text() == texts[entry.box])
            continue;
        edit->setText(texts[entry.box]);
        edit->setModified(true); // as typed: the plant-wide boxes count as unsaved until calculated
    }
}

FrmTab::TypedBoxes FrmTab::typedBoxes() const
{
    TypedBoxes typed;
    for (const inputboxes::Entry& entry : inputboxes::all()) {
        typed.texts[entry.box] = box(entry.box)->text();
        typed.modified[entry.box] = box(entry.box)->isModified();
    }
    return typed;
}

void FrmTab::putBack(const TypedBoxes& typed)
{
    for (const inputboxes::Entry& entry : inputboxes::all()) {
        QLineEdit* edit = box(entry.box);
        edit->setText(typed.texts[entry.box]);
        edit->setModified(typed.modified[entry.box]);
    }
}

} // namespace forms
