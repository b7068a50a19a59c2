#pragma once

#include <QList>
#include <QWidget>

namespace platform {
class Platform;
}
class QLabel;
class QLineEdit;

namespace forms {

namespace resultwindows {
struct CurrentResults;
}
class MainWindowLink;

// The annual budget of the current equipment: 29 labelled amounts read from the result file of
// the name in Name.tmp when the window is created, and again after each later Calculate BHR.
class FrmBudget : public QWidget {
    Q_OBJECT
public:
    FrmBudget(platform::Platform& platform, MainWindowLink& mainWindow, QWidget* parent = nullptr);

    // The name and the results read again from the files, after a Calculate replaced them.
    void showBudget();

private:
    void buildBoxes();
    void showResults(const resultwindows::CurrentResults& current);

    platform::Platform& m_platform;
    MainWindowLink& m_mainWindow;
    QString m_name; // the equipment whose budget is shown
    QLabel* m_heading = nullptr;
    QLabel* m_gone = nullptr;
    QList<QLineEdit*> m_amounts; // in the order of the amounts they show
};

} // namespace forms
