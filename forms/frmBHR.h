#pragma once

#include "ResultRecord.h"

#include <QWidget>

class FrmTab;
class Platform;
class QPushButton;

// The hourly rates of the current equipment: the overhead totals, the definitions of the rates,
// the rate table at the four efficiency levels, and the choice of the level whose rate (B) the
// reverse engineering uses. Read when the window is created, and again after each later
// Calculate BHR.
class FrmBHR : public QWidget {
    Q_OBJECT
public:
    FrmBHR(Platform& platform, FrmTab& mainWindow, QWidget* parent = nullptr);

    // Opens the window, or brings the open one to the front without reading anything again.
    static FrmBHR* open(Platform& platform, FrmTab& mainWindow);
    // A Calculate has replaced the result file: an open rate window shows the new figures.
    static void readAgainIfOpen();

private:
    void buildAmounts(class QGridLayout* grid);
    void buildTable(class QVBoxLayout* layout);
    void buildChoice(class QVBoxLayout* layout);
    void buildButtons(class QVBoxLayout* layout);
    void showResults();
    void chooseLevel(int level);
    void printReport();
    void exitToMainWindow();

    Platform& m_platform;
    FrmTab& m_mainWindow;
    QString m_name;
    ResultRecord m_record;
    QPushButton* m_print = nullptr;
};
