#pragma once

#include "engine/ResultRecord.h"
#include "report/PrintJob.h"

#include <QList>
#include <QWidget>

#include <optional>

namespace platform {
class Platform;
}
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QGridLayout;
class QVBoxLayout;

namespace forms {

namespace resultwindows {
struct CurrentResults;
}
class MainWindowLink;

// The hourly rates of the current equipment: the overhead totals, the definitions of the rates,
// the rate table at the four efficiency levels, and the choice of the level whose rate (B) the
// reverse engineering uses. Read when the window is created, and again after each later
// Calculate BHR.
class FrmBHR : public QWidget {
    Q_OBJECT
public:
    FrmBHR(platform::Platform& platform, MainWindowLink& mainWindow, QWidget* parent = nullptr);

    // The name and the results read again from the files, after a Calculate replaced them.
    void showResults();

private:
    void buildAmounts(QGridLayout* grid);
    void buildTable(QVBoxLayout* layout);
    void buildChoice(QVBoxLayout* layout);
    void buildButtons(QVBoxLayout* layout);
    void showResultsOf(const resultwindows::CurrentResults& current);
    void chooseLevel(int level);
    std::optional<report::PrintJob> reportJob();
    void printReport();
    void saveReportAsPdf();
    void exitToMainWindow();

    platform::Platform& m_platform;
    MainWindowLink& m_mainWindow;
    QString m_name;
    engine::ResultRecord m_record;
    QLabel* m_heading = nullptr;
    QLabel* m_gone = nullptr;
    QList<QLineEdit*> m_amounts;              // in the order of the amounts they show
    QPlainTextEdit* m_tableHeading = nullptr; // txtHead1
    QPlainTextEdit* m_tableRows = nullptr;    // txtHead2
    QList<QLabel*> m_levelLabels;             // lblOp1 to lblOp4
    QList<QRadioButton*> m_levelOptions;      // Option1 to Option4
    QPushButton* m_print = nullptr;
};

} // namespace forms
