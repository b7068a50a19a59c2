// Selecting, starting and loading an equipment record in the main window.
#include "forms/frmTab.h"

#include "engine/WorkSpace.h"
#include "forms/LowerLayers.h"
#include "forms/PreliminaryPage.h"
#include "platform/Platform.h"
#include "store/EquipmentList.h"
#include "store/FileNames.h"
#include "store/RecordLayout.h"
#include "store/SharedFiles.h"
#include "textrules/NumberReading.h"
#include "textrules/NumberText.h"

#include <QLabel>
#include <QLineEdit>

using namespace forms::lowerlayers;

namespace forms {

namespace {
QString noNameMessage()
{
    return FrmTab::tr("You must have a valid File to Analyze. Click OK and begin again");
}

} // namespace

void FrmTab::selectListEntry(int row)
{
    // An entry the name box could not hold whole, or that names no usable files, never enters it.
    const QString entry = m_preliminary->entry(row);
    if (!entry.isEmpty() && refuseName(entry))
        return;
    selectTab(General);
    m_preliminary->setTitle(entry);
    m_currentName = m_preliminary->title();
    if (m_currentName.isEmpty()) {
        m_platform.messages().tell(noNameMessage());
        return;
    }
    if (!addToList(m_currentName))
        return;
    showNameOnEveryTab();
    loadRecord(LoadRegime::ListSelection);
}

void FrmTab::startAnalysis()
{
    if (m_preliminary->title().isEmpty()) {
        m_platform.messages().tell(noNameMessage());
        return;
    }
    const QString name = m_preliminary->chosenEntry().value_or(m_preliminary->title());
    if (refuseName(name) || refuseSharedFiles(name))
        return;
    m_preliminary->setTitle(name);
    m_currentName = name;
    if (!addToList(name))
        return;
    showNameOnEveryTab();
    selectTab(General);
    if (!loadRecord(LoadRegime::StartAnalysis))
        setEfficiencyDefaults(); // a new name has no saved record yet
}

// A name that cannot name its files, or that the files and the name box could not give back
// unchanged, is never used.
bool FrmTab::refuseName(const QString& name)
{
    const QString problem = filenames::nameProblem(name);
    if (!problem.isEmpty())
        m_platform.messages().tell(problem);
    return !problem.isEmpty();
}

// A list that could not take the name (a full disk) is said, rather than the name silently
// missing from the list next time.
bool FrmTab::addToList(const QString& name)
{
    const bool listed = equipmentlist::load(m_platform.folder()).names.contains(name);
    const StoreResult added = equipmentlist::addIfAbsent(m_platform.folder(), name);
    if (!added.ok())
        m_platform.messages().tell(added.error);
    else if (!listed)
        m_changes.announce({DataChange::File::List, {name}});
    return added.ok();
}

QString FrmTab::sharedFilesRefusal(const QString& name, const QStringList& sharing, const QString& refused)
{
    return tr("The name \"%1\" cannot be %2: its files are already those of \"%3\". An "
              "equipment's files are named from the first seven characters of its name, so the "
              "two would share their figures. Please choose a name that differs from \"%3\" "
              "within its first seven characters.")
        .arg(name, refused, sharing.join(QStringLiteral("\", \"")));
}

// A new name whose files another listed name already uses would show and overwrite that
// equipment's figures, so it is not started.
bool FrmTab::refuseSharedFiles(const QString& name)
{
    const equipmentlist::Loaded listed = equipmentlist::load(m_platform.folder());
    if (listed.names.contains(name))
        return false;
    const QStringList sharing = sharedfiles::namesSharingFiles(listed.names, name);
    if (sharing.isEmpty())
        return false;
    m_platform.messages().tell(sharedFilesRefusal(name, sharing, tr("started")));
    return true;
}

void FrmTab::showNameOnEveryTab()
{
    for (QLabel* label : nameLabels())
        label->setText(m_currentName);
}

// Fills the boxes from the plant file and the input files 2, 3 and 4; a box that receives no
// value keeps its text. Stops at the first file that is not there and says so by returning
// false; a file that is there but cannot be read is passed over, and of a damaged one the lines
// within its size limit are taken, after saying so.
bool FrmTab::loadRecord(LoadRegime regime)
{
    const DataFolder& folder = m_platform.folder();
    for (int file = 1; file <= 4; ++file) {
        const recordlayout::LoadedFile loaded =
            file == 1 ? recordlayout::loadPlantFile(folder) : recordlayout::loadInputFile(folder, m_currentName, file);
        if (loaded.state == FileState::Missing)
            return false;
        if (loaded.state == FileState::Damaged)
            m_platform.messages().tell(loaded.error + tr("\r\nOnly the lines in its first part are "
                                                         "loaded; check the boxes they fill."),
                                       {}, MessageBoxes::Icon::Warning);
        else if (!loaded.ok())
            continue;
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
    if (regime == LoadRegime::StartAnalysis) {
        box(InputBox::WorkSpace)->setText(*saved);
        return;
    }
    const std::optional<double> savedValue = numbers::readIfFinite(*saved);
    if (!savedValue)
        return;
    if (*savedValue != 0.0 || boxText(InputBox::EquipmentCost).isEmpty()) {
        box(InputBox::WorkSpace)->setText(*saved);
        return;
    }
    if (const auto derived = workSpaceByCost())
        box(InputBox::WorkSpace)->setText(numbers::boxText(*derived));
}

// The equipment's share of the plant's floor space, as its share of the plant's equipment cost.
std::optional<double> FrmTab::workSpaceByCost() const
{
    return workSpaceFromCostRatio(boxText(InputBox::EquipmentCost), boxText(InputBox::PlantEquipmentCost),
                                  boxText(InputBox::PlantSquareFeet));
}

void FrmTab::workSpaceFromCost()
{
    const auto derived = workSpaceByCost();
    if (!derived) {
        m_platform.messages().tell(
            tr("The work space cannot be recalculated: the total equipment cost within the plant reads as 0."));
        return;
    }
    box(InputBox::WorkSpace)->setText(numbers::boxText(*derived));
}

void FrmTab::workSpaceFromSavedValue()
{
    box(InputBox::WorkSpace)
        ->setText(recordlayout::savedWorkSpace(m_platform.folder(), m_currentName).value_or(QString()));
}

void FrmTab::setEfficiencyDefaults()
{
    box(InputBox::Efficiency1)->setText(QStringLiteral("100"));
    box(InputBox::Efficiency2)->setText(QStringLiteral("80"));
    box(InputBox::Efficiency3)->setText(QStringLiteral("70"));
    box(InputBox::Efficiency4)->setText(QStringLiteral("60"));
}

} // namespace forms
