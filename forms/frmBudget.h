#pragma once

#include <QWidget>

class FrmTab;
class Platform;

// The annual budget of the current equipment: 29 labelled amounts read from the result file of
// the name in Name.tmp, once, when the window is created.
class FrmBudget : public QWidget {
    Q_OBJECT
public:
    FrmBudget(Platform& platform, FrmTab& mainWindow, QWidget* parent = nullptr);

    // Opens the window, or brings the open one to the front without reading anything again.
    static FrmBudget* open(Platform& platform, FrmTab& mainWindow);

private:
    void buildBoxes();
    void showBudget();

    Platform& m_platform;
    FrmTab& m_mainWindow;
};
