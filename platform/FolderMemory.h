#pragma once

#include <QCoreApplication>
#include <QString>

namespace platform {

// Remembers the data folder the user chose, so that the next start uses it again. It is kept
// apart from the data files, in the user's own settings, and holds nothing else.
class FolderMemory {
public:
    virtual ~FolderMemory() = default;
    // The folder chosen last, or empty when none was.
    virtual QString remembered() const = 0;
    // Keeps the folder for the next start; false, with the reason in `error`, when it cannot.
    virtual bool remember(const QString& folder, QString& error) = 0;
};

// A small settings file, by default "Budgeted Hourly Rates.ini" in the user's configuration
// folder (~/.config/Solvarra/ on Linux).
class SettingsFolderMemory : public FolderMemory {
    Q_DECLARE_TR_FUNCTIONS(SettingsFolderMemory)

public:
    explicit SettingsFolderMemory(QString settingsFile = defaultFile());
    static QString defaultFile();

    QString remembered() const override;
    bool remember(const QString& folder, QString& error) override;

private:
    QString m_file;
};

} // namespace platform
