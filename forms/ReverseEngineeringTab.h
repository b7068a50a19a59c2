#pragma once

#include "PricingCheck.h"

#include <QHash>
#include <QObject>

class FrmTab;
class Platform;
class QLineEdit;
class QTabWidget;
struct StoreResult;

// The handlers of the main window's Reverse Engineering tab: entering the mark-up box proposes
// the quantities and takes the hourly cost from the results at the chosen efficiency level;
// Calculate checks and saves the pricing inputs and opens the analysis; New opens the naming
// window.
class ReverseEngineeringTab : public QObject {
    Q_OBJECT
public:
    ReverseEngineeringTab(Platform& platform, FrmTab& mainWindow);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void keepFocusOffTheMarkUpBox(QTabWidget* tabs);
    void fillHourlyCost();
    bool hourlyCostIsSet() const;
    void takeHourlyCost(const QString& option, const QString& equipmentName);
    void calculate();
    bool settleName();
    bool refused(PricingCheck check);
    bool failed(const StoreResult& result);
    QLineEdit* box(const char* name) const;

    Platform& m_platform;
    FrmTab& m_mainWindow;
    QHash<QString, QLineEdit*> m_boxes; // found once: later windows are children of the main window too
};
