#include "forms/InputsCsvMenu.h"

#include "forms/DataChanges.h"
#include "forms/LowerLayers.h"
#include "forms/MainWindowLink.h"
#include "platform/Platform.h"
#include "report/ImportSummary.h"
#include "store/InputsImport.h"
#include "store/InputsTable.h"

#include <QAction>
#include <QDir>
#include <QMenu>

using namespace forms::lowerlayers;

namespace forms {

namespace {
QString exportTitle()
{
    return InputsCsvMenu::tr("Export Inputs");
}

QString importTitle()
{
    return InputsCsvMenu::tr("Import Inputs");
}

QString csvFilter()
{
    return InputsCsvMenu::tr("CSV files (*.csv)");
}

} // namespace

InputsCsvMenu::InputsCsvMenu(Platform& platform, MainWindowLink& mainWindow, QMenu& menu)
    : QObject(&mainWindow.ownerWindow()), m_platform(platform), m_mainWindow(mainWindow)
{
    QAction* exporting = menu.addAction(tr("&Export Inputs (CSV)\u2026"));
    exporting->setObjectName(QStringLiteral("mnuExportInputs"));
    connect(exporting, &QAction::triggered, this, &InputsCsvMenu::exportInputs);
    QAction* importing = menu.addAction(tr("&Import Inputs (CSV)\u2026"));
    importing->setObjectName(QStringLiteral("mnuImportInputs"));
    connect(importing, &QAction::triggered, this, &InputsCsvMenu::importInputs);
}

QWidget* InputsCsvMenu::owner() const
{
    return &m_mainWindow.ownerWindow();
}

void InputsCsvMenu::exportInputs()
{
    const QString path = m_platform.files().saveFileName(
        owner(), exportTitle(), m_platform.folder().filePath(QStringLiteral("Inputs.csv")), csvFilter());
    if (path.isEmpty())
        return;
    const inputstable::Exported exported = inputstable::exportCsv(m_platform.folder());
    if (const StoreResult written = inputstable::saveCsv(path, exported.csv); !written.ok()) {
        m_platform.messages().tell(written.error + tr("\nThe inputs were not exported."), exportTitle(),
                                   MessageBoxes::Icon::Warning);
        return;
    }
    m_platform.messages().tell(importsummary::exported(exported, path), exportTitle(), MessageBoxes::Icon::Information);
}

void InputsCsvMenu::importInputs()
{
    const QString path = m_platform.files().openFileName(owner(), importTitle(), m_platform.folder().path(),
                                                         csvFilter() + tr(";;All files (*)"));
    if (path.isEmpty())
        return;
    const inputsimport::ReadTable table = inputsimport::readCsv(path);
    if (!table.error.isEmpty()) {
        m_platform.messages().tell(table.error, importTitle(), MessageBoxes::Icon::Warning);
        return;
    }
    const inputsimport::Plan plan = inputsimport::plan(m_platform.folder(), table.bytes);
    if (!plan.problem.isEmpty() || !plan.changesAnything()) {
        const QString text = plan.problem.isEmpty()
                                 ? importsummary::nothingToDo(plan)
                                 : tr("%1 cannot be imported. %2").arg(QDir::toNativeSeparators(path), plan.problem);
        m_platform.messages().tell(text, importTitle(), MessageBoxes::Icon::Warning);
        return;
    }
    bool withPlant = false;
    if (!agreed(plan, withPlant))
        return;
    const inputsimport::Saved saved = inputsimport::save(m_platform.folder(), plan, withPlant);
    announce(saved);
    // The boxes show the saved figures again, so that a later Calculate BHR does not put the
    // earlier ones back.
    const QString shown = m_mainWindow.currentName();
    if (!shown.isEmpty() && (saved.plant || saved.centers.contains(shown)))
        m_mainWindow.showEquipment(shown);
    m_platform.messages().tell(importsummary::outcome(plan, saved), importTitle(),
                               saved.error.isEmpty() ? MessageBoxes::Icon::Information : MessageBoxes::Icon::Warning);
}

// Every open window that shows figures of the written files reads them again.
void InputsCsvMenu::announce(const inputsimport::Saved& saved)
{
    DataChange change{DataChange::File::Inputs, saved.centers};
    if (!saved.partlySaved.isEmpty())
        change.centers.append(saved.partlySaved);
    if (saved.plant)
        change.files |= DataChange::File::Plant;
    if (!change.centers.isEmpty() || saved.plant)
        m_mainWindow.dataChanges().announce(change);
}

// Both questions default to No, so Enter alone saves nothing.
bool InputsCsvMenu::agreed(const inputsimport::Plan& plan, bool& withPlant)
{
    MessageBoxes& messages = m_platform.messages();
    constexpr auto no = MessageBoxes::Answer::No;
    if (!plan.centers.isEmpty() &&
        messages.askYesNoWithDetails(importsummary::question(plan), importsummary::details(plan), importTitle(), no) !=
            MessageBoxes::Answer::Yes)
        return false;
    withPlant = plan.plant &&
                messages.askYesNoWithDetails(importsummary::plantQuestion(plan), importsummary::plantDetails(plan),
                                             importTitle(), no) == MessageBoxes::Answer::Yes;
    return !plan.centers.isEmpty() || withPlant;
}

} // namespace forms
