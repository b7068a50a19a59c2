#pragma once

#include "ResultRecord.h"

#include <QWidget>

class FrmTab;
class Platform;
class QPushButton;

// The hourly rates of the current equipment: the overhead totals, the definitions of the rates,
// the rate table at the four efficiency levels, and the choice of the level whose rate (B) the
// reverse engineering uses. Read once, when the window is created.
class FrmBHR : public QWidget {
    Q_OBJECT
public:
    FrmBHR(Platform& platform, FrmTab& mainWindow, QWidget* parent = nullptr);

    static FrmBHR* open(Platform& platform, FrmTab& mainWindow);

private:
    void buildAmounts(class QGridLayout* grid);
    void buildTable(class QVBoxLayout* layout);
    void buildChoice(class QVBoxLayout* layout);
    void buildButtons(class QVBoxLayout* layout);
    bool readResults();
    void showRates();
    void chooseLevel(int level);
    void printReport();
    void exitToMainWindow();

    Platform& m_platform;
    FrmTab& m_mainWindow;
    QString m_name;
    ResultRecord m_record;
    QPushButton* m_print = nullptr;
};
