#pragma once

#include "Platform.h"
#include "RecordedFileDialogs.h"
#include "RecordedHelpViewer.h"
#include "RecordedMessageBoxes.h"
#include "RecordedPrintService.h"

#include <QTemporaryDir>

#include <memory>

// The program's outside world for tests: recording message boxes, printer, file dialogs and help viewer, a
// program folder and a fixed year.
class RecordedPlatform : public Platform {
public:
    // The program folder is a temporary folder of its own, removed with it.
    explicit RecordedPlatform(int year) : RecordedPlatform(std::make_unique<QTemporaryDir>(), year) {}
    RecordedPlatform(const QString& folderPath, int year) : m_folder(folderPath), m_year(year) {}

    MessageBoxes& messages() override { return recordedMessages; }
    PrintService& printing() override { return recordedPrinting; }
    HelpViewer& help() override { return recordedHelp; }
    FileDialogs& files() override { return recordedFiles; }
    SystemTools& system() override { return *systemTools; }
    const DataFolder& folder() const override { return m_folder; }
    int currentYear() const override { return m_year; }

    RecordedMessageBoxes recordedMessages;
    RecordedPrintService recordedPrinting;
    RecordedHelpViewer recordedHelp;
    RecordedFileDialogs recordedFiles;
    DesktopSystemTools noRegistry;
    SystemTools* systemTools = &noRegistry; // tests may put a fake registry here

private:
    RecordedPlatform(std::unique_ptr<QTemporaryDir> folder, int year)
        : m_ownFolder(std::move(folder)), m_folder(m_ownFolder->path()), m_year(year)
    {
    }

    std::unique_ptr<QTemporaryDir> m_ownFolder; // before m_folder, which names it
    DataFolder m_folder;
    int m_year;
};
