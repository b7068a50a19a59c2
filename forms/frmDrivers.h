#pragma once

#include "engine/RateDrivers.h"
#include "engine/ResultRecord.h"
#include "report/PrintJob.h"
#include "store/InputTexts.h"

#include <QWidget>

#include <optional>

namespace platform {
class Platform;
}
class QComboBox;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableWidget;

namespace forms {

struct DataChange;
class MainWindowLink;
class PictureView;
class WhatIfInputs;

// What drives one center's rate, and what if its inputs were other figures. The first page
// moves each input 10 % down and up and shows the change in rate (B) at the chosen level, as a
// tornado picture and as a table, with the inputs that do not move it listed once. The second
// page lets the user type other figures or slide them by up to 50 %, and shows the twelve rates
// beside the saved ones at every step. Nothing is written until the user applies the figures to
// the center or saves them under a new name; closing the window forgets them.
class FrmDrivers : public QWidget {
    Q_OBJECT
public:
    FrmDrivers(platform::Platform& platform, MainWindowLink& mainWindow, const QString& name,
               QWidget* parent = nullptr);

    const QString& centerName() const { return m_name; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build();
    QWidget* buildDriversPage();
    QWidget* buildWhatIfPage();
    QWidget* buildButtons();
    void readCenter();
    void followChange(const DataChange& change);
    void showWhatIf();
    void showDrivers();
    void drawTornado();
    void showLevels();
    QString staleNote() const;
    int level() const;
    report::PrintJob pageJob();
    void printPage();
    void savePage();

    platform::Platform& m_platform;
    MainWindowLink& m_mainWindow;
    QString m_name;
    bool m_readable = false;                     // the center's files could be read
    std::optional<engine::ResultRecord> m_saved; // its result file, when it could be read
    std::optional<engine::ResultRecord> m_whatIf;
    engine::ratedrivers::Drivers m_drivers;
    bool m_driversShown = false; // the first page shows the figures as they stand
    int m_barsDrawn = 0;         // how many the picture had room for when it was drawn

    QLabel* m_note = nullptr;
    QTabWidget* m_pages = nullptr;
    QWidget* m_driversPage = nullptr;
    QComboBox* m_level = nullptr;
    QLabel* m_driversHeading = nullptr;
    PictureView* m_tornado = nullptr;
    QTableWidget* m_driversTable = nullptr;
    QLabel* m_still = nullptr;
    WhatIfInputs* m_inputs = nullptr;
    QTableWidget* m_rates = nullptr;
    QLabel* m_whatIfNote = nullptr;
    QPushButton* m_apply = nullptr;
    QPushButton* m_saveAs = nullptr;
    QPushButton* m_print = nullptr;
    QPushButton* m_savePdf = nullptr;
};

} // namespace forms
