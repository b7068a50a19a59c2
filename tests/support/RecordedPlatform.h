#pragma once

#include "platform/Platform.h"
#include "tests/support/RecordedFileDialogs.h"
#include "tests/support/RecordedHelpViewer.h"
#include "tests/support/RecordedMessageBoxes.h"
#include "tests/support/RecordedPrintService.h"

#include <QTemporaryDir>

#include <memory>

// Remembers the chosen data folder in memory, unless a test puts a settings file in its place.
class RecordedFolderMemory : public platform::FolderMemory {
public:
    QString remembered() const override { return folder; }
    bool remember(const QString& path, QString& error) override
    {
        if (!works)
            error = QStringLiteral("the settings cannot be written");
        else
            folder = path;
        return works;
    }
    QString folder;
    bool works = true;
};

// No registry, as on the desktop; the folders shown in the file manager are kept, not shown.
class RecordedSystemTools : public platform::DesktopSystemTools {
public:
    bool openFolder(const QString& path) override
    {
        foldersOpened.append(path);
        return fileManagerWorks;
    }
    QStringList foldersOpened;
    bool fileManagerWorks = true;
};

// The program's outside world for tests: recording message boxes, printer, file dialogs, help viewer and
// file manager, a program folder, the chosen folder kept in memory and a fixed date.
class RecordedPlatform : public platform::Platform {
public:
    // The program folder is a temporary folder of its own, removed with it.
    explicit RecordedPlatform(int year) : RecordedPlatform(std::make_unique<QTemporaryDir>(), year) {}
    RecordedPlatform(const QString& folderPath, int year) : m_folder(folderPath), m_year(year) {}

    platform::MessageBoxes& messages() override { return recordedMessages; }
    platform::PrintService& printing() override { return recordedPrinting; }
    platform::HelpViewer& help() override { return recordedHelp; }
    platform::FileDialogs& files() override { return recordedFiles; }
    platform::SystemTools& system() override { return *systemTools; }
    const store::DataFolder& folder() const override { return m_folder; }
    void useFolder(const QString& path) override { m_folder = store::DataFolder(path); }
    platform::FolderMemory& folderMemory() override { return *memory; }
    QString startNote() const override { return note; }
    int currentYear() const override { return m_year; }
    QDate today() const override { return QDate(m_year, 3, 14); }

    RecordedMessageBoxes recordedMessages;
    RecordedPrintService recordedPrinting;
    RecordedHelpViewer recordedHelp;
    RecordedFileDialogs recordedFiles;
    RecordedSystemTools noRegistry;
    platform::SystemTools* systemTools = &noRegistry; // tests may put a fake registry here
    RecordedFolderMemory rememberedInMemory;
    platform::FolderMemory* memory = &rememberedInMemory; // tests may put a settings file here
    QString note;                                         // what the start found about the data folder

private:
    RecordedPlatform(std::unique_ptr<QTemporaryDir> folder, int year)
        : m_ownFolder(std::move(folder)), m_folder(m_ownFolder->path()), m_year(year)
    {
    }

    std::unique_ptr<QTemporaryDir> m_ownFolder; // before m_folder, which names it
    store::DataFolder m_folder;
    int m_year;
};
