#pragma once

#include "PrintJob.h"

#include <QWidget>

#include <optional>

class FrmTab;
class Platform;
class QPlainTextEdit;

// What two known retail prices imply about a production center: speeds, prices, cost before
// mark-up, set-up time and a table by quantity, worked out from the pricing file when the window
// is created and again at each later Calculate on the Reverse Engineering tab.
class FrmCenter : public QWidget {
    Q_OBJECT
public:
    FrmCenter(Platform& platform, FrmTab& mainWindow, QWidget* parent = nullptr);

    // Shows the analysis of the pricing file a Calculate has just saved: opens the window, or
    // brings the open one to the front and works the analysis out afresh.
    static FrmCenter* open(Platform& platform, FrmTab& mainWindow);

private:
    void buildLayout();
    void analyse();
    int settleName();
    void tellFailures(int count);
    void printReport();
    std::optional<PrintJob> reportJob();
    void setText(const char* box, const QString& text);

    Platform& m_platform;
    FrmTab& m_mainWindow;
    QString m_name;
};
