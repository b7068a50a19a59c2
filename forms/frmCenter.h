#pragma once

#include "pricing/CenterAnalysis.h"
#include "report/PrintJob.h"

#include <QWidget>

#include <optional>

namespace platform {
class Platform;
}
class QLabel;
class QPlainTextEdit;
class QVBoxLayout;

namespace forms {

class MainWindowLink;

// What two known retail prices imply about a production center: speeds, prices, cost before
// mark-up, set-up time and a table by quantity, worked out from the pricing file when the window
// is created and again at each later Calculate on the Reverse Engineering tab.
class FrmCenter : public QWidget {
    Q_OBJECT
public:
    FrmCenter(platform::Platform& platform, MainWindowLink& mainWindow, QWidget* parent = nullptr);

    // The analysis worked out afresh from the pricing file a Calculate has just saved.
    void analyse();

private:
    void buildLayout();
    void buildTexts(QVBoxLayout* layout);
    void buildButtons(QVBoxLayout* layout);
    int settleName();
    void tellFailures(int count);
    void printReport();
    void saveReportAsPdf();
    void openMarketCheck();
    std::optional<report::PrintJob> reportJob();

    platform::Platform& m_platform;
    MainWindowLink& m_mainWindow;
    QString m_name;
    pricing::CenterAnalysis m_analysis; // as the window shows it, for the market check
    QLabel* m_heading = nullptr;
    QLabel* m_gone = nullptr;
    QPlainTextEdit* m_speeds = nullptr;       // txtHead1
    QPlainTextEdit* m_costs = nullptr;        // txtHead2
    QPlainTextEdit* m_tableHeading = nullptr; // txtHead3
    QPlainTextEdit* m_tableRows = nullptr;    // txtHead4
};

} // namespace forms
