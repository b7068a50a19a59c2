#pragma once

#include "platform/DataLocation.h"
#include "platform/FileDialogs.h"
#include "platform/FolderMemory.h"
#include "platform/HelpViewer.h"
#include "platform/MessageBoxes.h"
#include "platform/PrintService.h"
#include "platform/SystemTools.h"
#include "store/DataFolder.h"

#include <QDate>

namespace platform {

// Everything the windows need from outside the program: message boxes, the printer, the help
// viewer, the file dialogs, the registry and process start, the data folder with the memory of
// the one the user chose, and the clock. The desktop program uses the real ones; tests put their
// own in place.
class Platform {
public:
    virtual ~Platform() = default;
    virtual MessageBoxes& messages() = 0;
    virtual PrintService& printing() = 0;
    virtual HelpViewer& help() = 0;
    virtual FileDialogs& files() = 0;
    virtual SystemTools& system() = 0;
    virtual const store::DataFolder& folder() const = 0;
    // From now on the data files are those in `path`.
    virtual void useFolder(const QString& path) = 0;
    virtual FolderMemory& folderMemory() = 0;
    // What the user is to know about the data folder the start found; empty when nothing.
    virtual QString startNote() const { return {}; }
    // The folder of the executable, where the help file is shipped; the data folder unless the
    // data lives elsewhere.
    virtual store::DataFolder programFolder() const { return folder(); }
    virtual int currentYear() const = 0;
    virtual QDate today() const = 0;
};

class DesktopPlatform : public Platform {
public:
    // The data folder is the one the user chose to use, while it is there; otherwise the folder
    // of the executable when it already holds the data files, otherwise the user's own data
    // folder (see DataLocation.h). The printed pages' pictures are drawn by `pictures`.
    explicit DesktopPlatform(PicturePainter pictures);

    MessageBoxes& messages() override { return m_messages; }
    PrintService& printing() override { return m_printing; }
    HelpViewer& help() override { return m_help; }
    FileDialogs& files() override { return m_files; }
    SystemTools& system() override { return m_system; }
    const store::DataFolder& folder() const override { return m_folder; }
    void useFolder(const QString& path) override { m_folder = store::DataFolder(path); }
    FolderMemory& folderMemory() override { return m_memory; }
    QString startNote() const override { return m_start.note; }
    store::DataFolder programFolder() const override { return store::DataFolder(m_programFolder); }
    int currentYear() const override;
    QDate today() const override;

private:
    QString m_programFolder;
    SettingsFolderMemory m_memory;
    datalocation::StartFolder m_start;
    store::DataFolder m_folder;
    DialogMessageBoxes m_messages;
    DesktopPrintService m_printing;
    DesktopHelpViewer m_help;
    DesktopFileDialogs m_files;
    DesktopSystemTools m_system;
};

} // namespace platform
