#pragma once

#include "pricing/PricingCheck.h"

#include <QWidget>

#include <array>
#include <utility>

namespace platform {
class Platform;
}
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
namespace store {
struct StoreResult;
}

namespace forms {

class MainWindowLink;

// The main window's Reverse Engineering tab: entering the mark-up box proposes the quantities and
// takes the hourly cost from the results at the chosen efficiency level; Calculate checks and
// saves the pricing inputs and opens the analysis; New opens the naming window. The name label
// shows the name the analysis runs under.
class ReverseEngineeringPage : public QWidget {
    Q_OBJECT
public:
    ReverseEngineeringPage(platform::Platform& platform, MainWindowLink& mainWindow, QWidget* parent = nullptr);

    QLabel* nameLabel() const { return m_name; }
    QString markUpText() const;
    void clearInputs();
    // Turning the tab moves the focus from the page left behind into the mark-up box; the tab
    // strip takes it instead, so that the user's own entry into the box is the one that fills.
    void keepFocusOffTheMarkUpBox(QWidget& tabStrip);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLayout* buildInputGrid();
    std::pair<QLineEdit*, QLineEdit*> addKnownPrice(QGridLayout& grid, int number, const char* quantityPromptName,
                                                    const char* pricePromptName);
    std::array<QLineEdit*, 6> inputs() const;
    void fillHourlyCost();
    bool hourlyCostIsSet() const;
    void takeHourlyCost(const QString& option, const QString& equipmentName);
    void calculate();
    bool settleName();
    bool refused(pricing::PricingCheck check);
    bool failed(const store::StoreResult& result);

    platform::Platform& m_platform;
    MainWindowLink& m_mainWindow;
    QLabel* m_name = nullptr;
    QLineEdit* m_markUp = nullptr;     // txtPercent
    QLineEdit* m_quantity1 = nullptr;  // txtQ1
    QLineEdit* m_price1 = nullptr;     // txtP1
    QLineEdit* m_quantity2 = nullptr;  // txtQ2
    QLineEdit* m_price2 = nullptr;     // txtP2
    QLineEdit* m_hourlyCost = nullptr; // txtHrCost
};

} // namespace forms
