#pragma once

#include <QWidget>

class MainWindowLink;
class Platform;
class PlantTableModel;
class PrintJob;
class QChartView;
class QLabel;
class QModelIndex;
class QSortFilterProxyModel;
class QTableView;
namespace recalculatesummary {
struct Message;
}

// Every listed equipment at once: its rates, whether they still follow from today's plant
// figures, and its annual cost in a picture. Reads the files afresh on opening and on Refresh.
class FrmPlant : public QWidget {
    Q_OBJECT
public:
    // Opens the window without waiting, or brings the open one to the front, read afresh.
    static FrmPlant* open(Platform& platform, MainWindowLink& mainWindow);

    FrmPlant(Platform& platform, MainWindowLink& mainWindow, QWidget* parent);

    void refresh();

private:
    void build();
    void buildTable(QWidget* parent);
    QWidget* buildButtons();
    void showChosenEquipment(const QModelIndex& index);
    void recalculateAll();
    void tellSummary(const recalculatesummary::Message& message);
    void exportTable();
    void printOverview();
    void saveOverviewAsPdf();
    PrintJob printedOverview() const;

    Platform& m_platform;
    MainWindowLink& m_mainWindow;
    PlantTableModel* m_model = nullptr;
    QSortFilterProxyModel* m_sorted = nullptr;
    QTableView* m_table = nullptr;
    QChartView* m_chart = nullptr;
    QLabel* m_summary = nullptr;
};
