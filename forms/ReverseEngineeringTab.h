#pragma once

#include "PricingCheck.h"

#include <QObject>

#include <array>

class MainWindowLink;
class Platform;
class QLineEdit;
class QPushButton;
class QTabWidget;
struct StoreResult;

// The controls of the Reverse Engineering tab that its handlers use, and the main window's tab
// control that turns to it.
struct ReverseEngineeringControls {
    QTabWidget* tabs = nullptr;
    QLineEdit* markUp = nullptr;     // txtPercent
    QLineEdit* quantity1 = nullptr;  // txtQ1
    QLineEdit* price1 = nullptr;     // txtP1
    QLineEdit* quantity2 = nullptr;  // txtQ2
    QLineEdit* price2 = nullptr;     // txtP2
    QLineEdit* hourlyCost = nullptr; // txtHrCost
    QPushButton* calculate = nullptr;
    QPushButton* newName = nullptr;

    std::array<QLineEdit*, 6> boxes() const { return {markUp, quantity1, price1, quantity2, price2, hourlyCost}; }
};

// The handlers of the main window's Reverse Engineering tab: entering the mark-up box proposes
// the quantities and takes the hourly cost from the results at the chosen efficiency level;
// Calculate checks and saves the pricing inputs and opens the analysis; New opens the naming
// window.
class ReverseEngineeringTab : public QObject {
    Q_OBJECT
public:
    ReverseEngineeringTab(Platform& platform, MainWindowLink& mainWindow, const ReverseEngineeringControls& controls);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void keepFocusOffTheMarkUpBox();
    void fillHourlyCost();
    bool hourlyCostIsSet() const;
    void takeHourlyCost(const QString& option, const QString& equipmentName);
    void calculate();
    bool settleName();
    bool refused(PricingCheck check);
    bool failed(const StoreResult& result);

    Platform& m_platform;
    MainWindowLink& m_mainWindow;
    ReverseEngineeringControls m_controls;
};
