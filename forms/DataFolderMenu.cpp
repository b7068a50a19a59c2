#include "forms/DataFolderMenu.h"

#include "forms/LowerLayers.h"
#include "forms/MainWindowLink.h"
#include "platform/Platform.h"
#include "store/DataBackup.h"
#include "store/FileNames.h"

#include <QAction>
#include <QDir>
#include <QMenu>

using namespace forms::lowerlayers;

namespace forms {

namespace {

QString backUpTitle()
{
    return DataFolderMenu::tr("Back Up Data");
}

QString useTitle()
{
    return DataFolderMenu::tr("Use Another Data Folder");
}

QString shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// A folder with the list or the plant file holds a set of data already.
bool holdsData(const QString& folder)
{
    const DataFolder data(folder);
    return data.exists(filenames::kListFile) || data.exists(filenames::kPlantFile);
}

} // namespace

DataFolderMenu::DataFolderMenu(Platform& platform, MainWindowLink& mainWindow, QMenu& menu)
    : QObject(&mainWindow.ownerWindow()), m_platform(platform), m_mainWindow(mainWindow)
{
    const auto add = [this, &menu](const char* name, const QString& text, void (DataFolderMenu::*handler)()) {
        QAction* action = menu.addAction(text);
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, handler);
    };
    add("mnuOpenDataFolder", tr("&Open Data Folder"), &DataFolderMenu::openFolder);
    add("mnuBackUp", tr("&Back Up Data\u2026"), &DataFolderMenu::backUp);
    add("mnuUseFolder", tr("&Use Another Data Folder\u2026"), &DataFolderMenu::useAnotherFolder);
}

QWidget* DataFolderMenu::owner() const
{
    return &m_mainWindow.ownerWindow();
}

void DataFolderMenu::tell(const QString& text, const QString& title, bool warning)
{
    m_platform.messages().tell(text, title, warning ? MessageBoxes::Icon::Warning : MessageBoxes::Icon::Information);
}

void DataFolderMenu::openFolder()
{
    const QString folder = m_platform.folder().path();
    if (!m_platform.system().openFolder(folder))
        tell(tr("No file manager could show the data folder %1.").arg(shown(folder)),
             DataFolderMenu::tr("Open Data Folder"), true);
}

void DataFolderMenu::backUp()
{
    const QString target = m_platform.files().existingFolder(owner(), backUpTitle(), QDir::homePath());
    if (target.isEmpty())
        return;
    if (const QString problem = datalocation::folderProblem(target); !problem.isEmpty()) {
        tell(tr("The backup cannot go into %1: %2. Nothing was backed up.").arg(shown(target), problem), backUpTitle(),
             true);
        return;
    }
    const databackup::Backup backup = databackup::backUp(m_platform.folder(), target, m_platform.today());
    if (!backup.ok()) {
        tell(backup.error, backUpTitle(), true);
        return;
    }
    tell(tr("%1 data files were copied from %2 to %3.")
             .arg(backup.files)
             .arg(shown(m_platform.folder().path()), shown(backup.folder)),
         backUpTitle(), false);
}

// The other windows close first, so that whatever they keep on closing goes to the folder they
// were opened on; the main window then shows nothing of the other folder's figures.
void DataFolderMenu::useAnotherFolder()
{
    const QString current = m_platform.folder().path();
    const QString chosen = m_platform.files().existingFolder(owner(), useTitle(), current);
    if (chosen.isEmpty())
        return;
    const FolderUse use = mayUse(chosen);
    if (use == FolderUse::Refused)
        return;
    if (!m_mainWindow.closeOtherWindows()) {
        tell(tr("The data folder is still %1: close the open windows first.").arg(shown(current)), useTitle(), true);
        return;
    }
    m_platform.useFolder(QDir::cleanPath(chosen));
    // A new set of data starts with an empty list, as the list of a first start would be.
    if (use == FolderUse::StartsAnew) {
        if (const StoreResult made = m_platform.folder().replace(filenames::kListFile, {}); !made.ok())
            tell(made.error, useTitle(), true);
    }
    m_mainWindow.showDataFolderAfresh();
    QString error;
    if (!m_platform.folderMemory().remember(m_platform.folder().path(), error)) {
        tell(tr("The data files are now those in %1, but the next start will not know it: %2.")
                 .arg(shown(m_platform.folder().path()), error),
             useTitle(), true);
        return;
    }
    tell(tr("The data files are now those in %1, from now on and at the next starts.")
             .arg(shown(m_platform.folder().path())),
         useTitle(), false);
}

DataFolderMenu::FolderUse DataFolderMenu::mayUse(const QString& folder)
{
    const QString current = m_platform.folder().path();
    if (datalocation::sameFolder(folder, current)) {
        tell(tr("%1 is the data folder already.").arg(shown(folder)), useTitle(), false);
        return FolderUse::Refused;
    }
    if (const QString problem = datalocation::folderProblem(folder); !problem.isEmpty()) {
        tell(tr("The data files cannot be kept in %1: %2. They are still those in %3.")
                 .arg(shown(folder), problem, shown(current)),
             useTitle(), true);
        return FolderUse::Refused;
    }
    if (holdsData(folder))
        return FolderUse::HoldsData;
    const QString question = tr("%1 holds no data files yet. Start a new set of data there, with an empty "
                                "equipment list? The files in %2 stay as they are.")
                                 .arg(shown(folder), shown(current));
    if (m_platform.messages().askYesNo(question, useTitle(), MessageBoxes::Answer::No) != MessageBoxes::Answer::Yes)
        return FolderUse::Refused;
    return FolderUse::StartsAnew;
}

} // namespace forms
