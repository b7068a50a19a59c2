// Selecting, starting and loading an equipment record in the main window.
#include "frmTab.h"

#include "ArithmeticFailure.h"
#include "EquipmentList.h"
#include "FileNames.h"
#include "NumberReading.h"
#include "NumberText.h"
#include "Platform.h"
#include "RecordLayout.h"
#include "WorkSpace.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace {
const QString kNoNameMessage = QStringLiteral("You must have a valid File to Analyze. Click OK and begin again");
}

void FrmTab::selectListEntry(int row)
{
    selectTab(General);
    m_title->setText(m_list->item(row)->text());
    m_currentName = m_title->text();
    if (m_currentName.isEmpty()) {
        m_platform.messages().tell(kNoNameMessage);
        return;
    }
    if (refuseName(m_currentName))
        return;
    equipmentlist::addIfAbsent(m_platform.folder(), m_currentName); // the list is a convenience
    showNameOnEveryTab();
    loadRecord(LoadRegime::ListSelection);
}

void FrmTab::startAnalysis()
{
    if (m_title->text().isEmpty()) {
        m_platform.messages().tell(kNoNameMessage);
        return;
    }
    if (QListWidgetItem* selected = m_list->currentItem(); selected && selected->isSelected())
        m_title->setText(selected->text());
    m_currentName = m_title->text();
    if (refuseName(m_currentName))
        return;
    equipmentlist::addIfAbsent(m_platform.folder(), m_title->text());
    showNameOnEveryTab();
    selectTab(General);
    if (!loadRecord(LoadRegime::StartAnalysis))
        setEfficiencyDefaults(); // a new name has no saved record yet
}

// A name whose files would lie outside the program folder is never used to name files.
bool FrmTab::refuseName(const QString& name)
{
    const QString problem = filenames::nameProblem(name);
    if (!problem.isEmpty())
        m_platform.messages().tell(problem);
    return !problem.isEmpty();
}

void FrmTab::showNameOnEveryTab()
{
    for (QLabel* label : m_nameLabels)
        label->setText(m_currentName);
}

// Fills the boxes from the plant file and the input files 2, 3 and 4; a box that receives no
// value keeps its text. Stops at the first file that is not there and says so by returning false.
bool FrmTab::loadRecord(LoadRegime regime)
{
    const DataFolder& folder = m_platform.folder();
    for (int file = 1; file <= 4; ++file) {
        const recordlayout::LoadedFile loaded = file == 1 ? recordlayout::loadPlantFile(folder)
                                                          : recordlayout::loadInputFile(folder, m_currentName, file);
        if (!loaded.ok())
            return false;
        for (const recordlayout::Assignment& assignment : loaded.assignments)
            box(assignment.box)->setText(assignment.text);
        if (file == 3)
            applyWorkSpace(loaded.workSpace, regime);
    }
    return true;
}

// Start Analysis shows the saved work space as stored. List selection derives it from cost when
// nothing usable was saved but the equipment cost is filled in.
void FrmTab::applyWorkSpace(const std::optional<QString>& saved, LoadRegime regime)
{
    if (!saved)
        return;
    bool savedIsZero = false;
    try {
        savedIsZero = numbers::read(*saved) == 0.0;
    } catch (const ArithmeticFailure&) {
        return;
    }
    if (regime == LoadRegime::StartAnalysis || !savedIsZero || boxText("txtCost").isEmpty()) {
        box("txtSq")->setText(*saved);
        return;
    }
    if (const auto derived = workSpaceFromCostRatio(boxText("txtCost"), boxText("txtTotCost"), boxText("txtTotFeet")))
        box("txtSq")->setText(numbers::boxText(*derived));
}

void FrmTab::workSpaceFromCost()
{
    const auto derived = workSpaceFromCostRatio(boxText("txtCost"), boxText("txtTotCost"), boxText("txtTotFeet"));
    if (!derived) {
        m_platform.messages().tell(QStringLiteral(
            "The work space cannot be recalculated: the total equipment cost within the plant reads as 0."));
        return;
    }
    box("txtSq")->setText(numbers::boxText(*derived));
}

void FrmTab::workSpaceFromSavedValue()
{
    box("txtSq")->setText(recordlayout::savedWorkSpace(m_platform.folder(), m_currentName).value_or(QString()));
}

void FrmTab::setEfficiencyDefaults()
{
    box("txtEff100")->setText(QStringLiteral("100"));
    box("txtEff80")->setText(QStringLiteral("80"));
    box("txtEff70")->setText(QStringLiteral("70"));
    box("txtEff60")->setText(QStringLiteral("60"));
}
