#pragma once

#include <QWidget>

class FrmTab;
class Platform;

// The annual budget of the current equipment: 29 labelled amounts read from the result file of
// the name in Name.tmp when the window is created, and again after each later Calculate BHR.
class FrmBudget : public QWidget {
    Q_OBJECT
public:
    FrmBudget(Platform& platform, FrmTab& mainWindow, QWidget* parent = nullptr);

    // Shows the results a Calculate BHR has just saved: opens the window, or brings the open one
    // to the front and reads the files again; an open rate window reads them again too.
    static FrmBudget* open(Platform& platform, FrmTab& mainWindow);

private:
    void buildBoxes();
    void showBudget();

    Platform& m_platform;
    FrmTab& m_mainWindow;
};
