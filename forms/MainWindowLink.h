#pragma once

#include "store/DataFolder.h"
#include "store/InputBoxes.h"
#include "store/InputTexts.h"

#include <QList>
#include <QString>

class QWidget;

namespace forms {

class DataChanges;
class OpenWindows;

// What the windows opened from the main window, and its Reverse Engineering page, may ask of
// it. They hold this rather than the main window itself: none of them needs to know its tabs,
// boxes or lists.
class MainWindowLink {
public:
    // The six tabs, by index.
    enum Tab { Preliminary, General, Equipment, WagesAndEfficiency, IndirectCosts, ReverseEngineering };

    virtual ~MainWindowLink() = default;

    // The main window itself: the owner of the windows opened from it, brought back to the front
    // when they hand over to it.
    virtual QWidget& ownerWindow() = 0;

    virtual void selectTab(Tab tab) = 0;

    // The current equipment name.
    virtual QString currentName() const = 0;
    virtual void setCurrentName(const QString& name) = 0;

    // The name the reverse engineering runs under: the caption of the Reverse Engineering tab's
    // name label.
    virtual QString analysisName() const = 0;
    virtual void setAnalysisName(const QString& name) = 0;

    // Takes the entry at that row off the equipment list without choosing another one.
    virtual void forgetListEntry(int row) = 0;
    // Empties the box for a new equipment name.
    virtual void clearTitle() = 0;

    // Loads the saved equipment of that name as choosing it in the equipment list does, and
    // brings the main window to the front.
    virtual void showEquipment(const QString& name) = 0;

    // The mark-up typed on the Reverse Engineering tab, in percent, as typed.
    virtual QString markUpText() const = 0;

    // The windows opened from the main window, each open at most once.
    virtual OpenWindows& openWindows() = 0;

    // The notice that every writing action gives and every window showing figures follows.
    virtual DataChanges& dataChanges() = 0;

    // The plant-wide boxes the user has typed into whose text differs from the plant file, in
    // the order of the tab; none when the plant file cannot be read.
    virtual QList<store::InputBox> unsavedPlantBoxes() const = 0;
    // Saves the plant-wide boxes as typed into the plant file, and announces it.
    virtual store::StoreResult savePlantBoxes() = 0;

    // A what-if made real: the equipment of that name in the boxes (loaded unless it is the
    // current one), every box given its text as if the user typed it, and Calculate BHR run as
    // its button on "5. Indirect Costs" runs it, questions and all.
    virtual void calculateWith(const QString& name, const store::InputTexts& texts) = 0;
    // File > Save as new name on that equipment with the texts in its boxes as if typed; when no
    // copy is made, the boxes get back what they held.
    virtual void saveAsNewNameWith(const QString& name, const store::InputTexts& texts) = 0;
    // Closes every other window of the program; false when one stays open (it told the user why).
    virtual bool closeOtherWindows() = 0;
    // After the data folder changed: the boxes, names and pricing inputs emptied, no entry chosen,
    // and the equipment list read from the new folder, quietly, on the first tab.
    virtual void showDataFolderAfresh() = 0;
};

} // namespace forms
