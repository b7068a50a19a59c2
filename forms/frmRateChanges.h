#pragma once

#include "engine/StaleCenters.h"
#include "report/PrintJob.h"

#include <QWidget>

namespace platform {
class Platform;
}
class QComboBox;
class QLabel;
class QTableWidget;

namespace forms {

class MainWindowLink;
class PictureView;

// Why the rates of the stale centers moved since they were saved: for each, the change in rate
// (B) at the chosen level split over the plant-wide inputs that changed, in a table, and for the
// chosen center as a waterfall picture. Read afresh on opening and after every writing action.
class FrmRateChanges : public QWidget {
    Q_OBJECT
public:
    FrmRateChanges(platform::Platform& platform, MainWindowLink& mainWindow, QWidget* parent = nullptr);

    void refresh();
    // With a name, that center is the chosen one when it is stale.
    void choose(const QString& name);

private:
    void build();
    QWidget* buildButtons();
    void showTable();
    void showChosen();
    int level() const;
    QString chosenName() const;
    report::PrintJob pageJob() const;
    void printPage();
    void savePage();

    platform::Platform& m_platform;
    MainWindowLink& m_mainWindow;
    QList<engine::stalecenters::Explained> m_centers;

    QLabel* m_summary = nullptr;
    QComboBox* m_level = nullptr;
    QTableWidget* m_table = nullptr;
    PictureView* m_waterfall = nullptr;
    QLabel* m_method = nullptr;
};

} // namespace forms
