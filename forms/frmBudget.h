#pragma once

#include <QList>
#include <QWidget>

namespace resultwindows {
struct CurrentResults;
}
class MainWindowLink;
class Platform;
class QLabel;
class QLineEdit;

// The annual budget of the current equipment: 29 labelled amounts read from the result file of
// the name in Name.tmp when the window is created, and again after each later Calculate BHR.
class FrmBudget : public QWidget {
    Q_OBJECT
public:
    FrmBudget(Platform& platform, MainWindowLink& mainWindow, QWidget* parent = nullptr);

    // Shows the results a Calculate BHR has just saved: opens the window, or brings the open one
    // to the front and reads the files again; an open rate window reads them again too.
    static FrmBudget* open(Platform& platform, MainWindowLink& mainWindow);

private:
    void buildBoxes();
    void showBudget();
    void showResults(const resultwindows::CurrentResults& current);

    Platform& m_platform;
    MainWindowLink& m_mainWindow;
    QString m_name; // the equipment whose budget is shown
    QLabel* m_heading = nullptr;
    QLabel* m_gone = nullptr;
    QList<QLineEdit*> m_amounts; // in the order of the amounts they show
};
