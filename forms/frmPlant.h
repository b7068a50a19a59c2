#pragma once

#include <QWidget>

namespace platform {
class Platform;
}
namespace report {
class PrintJob;
}
class QFileSystemWatcher;
class QLabel;
class QModelIndex;
class QSortFilterProxyModel;
class QTableView;
namespace report {
namespace recalculatesummary {
struct Message;
} // namespace recalculatesummary
} // namespace report

namespace forms {

class MainWindowLink;
class FrozenColumnTable;
class PlantTableModel;
class BarChartView;

// Every listed equipment at once: its rates, whether they still follow from today's plant
// figures, and its annual cost in a picture. Reads the files afresh on opening, on Refresh and
// after every writing action of the program; a change made by another program marks it out of
// date until Refresh.
class FrmPlant : public QWidget {
    Q_OBJECT
public:
    FrmPlant(platform::Platform& platform, MainWindowLink& mainWindow, QWidget* parent);

    void refresh();

private:
    void build();
    void buildTable(QWidget* parent);
    QWidget* buildButtons();
    void showChosenEquipment(const QModelIndex& index);
    QString chosenName() const;
    void openDrivers();
    void recalculateAll();
    bool settleUnsavedPlantBoxes();
    void noticeOutsideChange();
    void tellSummary(const report::recalculatesummary::Message& message);
    void exportTable();
    void printOverview();
    void saveOverviewAsPdf();
    report::PrintJob printedOverview() const;

    platform::Platform& m_platform;
    MainWindowLink& m_mainWindow;
    PlantTableModel* m_model = nullptr;
    QSortFilterProxyModel* m_sorted = nullptr;
    FrozenColumnTable* m_table = nullptr;
    BarChartView* m_chart = nullptr;
    QLabel* m_summary = nullptr;
    QLabel* m_outOfDate = nullptr;
    QFileSystemWatcher* m_watcher = nullptr;
    QByteArray m_folderState; // the data files as they were when the overview was last read
};

} // namespace forms
