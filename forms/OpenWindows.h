#pragma once

#include <QHash>
#include <QPointer>
#include <QString>

namespace pricing {
struct CenterAnalysis;
}
namespace platform {
class Platform;
}
class QWidget;

namespace forms {

class FrmAbout;
class FrmBHR;
class FrmBudget;
class FrmCenter;
class FrmDelete;
class FrmDrivers;
class FrmJobCost;
class FrmMarketCheck;
class FrmName;
class FrmPlant;
class FrmRateChanges;
class MainWindowLink;

// The windows opened from the main window, which owns them and takes them down with it. Each is
// open at most once, the one of what drives a rate once per center. They open without waiting.
//
// Opening a window that is open brings it to the front. One that shows what a step the user has
// just taken wrote takes it up afresh as it comes forward: the budget and the rates after
// Calculate BHR, the analysis after a reverse-engineering Calculate, the plant overview and the
// rate changes, and the market check of the analysis it is opened from. The others stay as they
// stand: they follow each change the program announces, or show nothing from the files.
class OpenWindows {
public:
    OpenWindows(platform::Platform& platform, MainWindowLink& mainWindow);

    FrmAbout* about();
    // An open rate window reads the new results too.
    FrmBudget* budget();
    FrmBHR* rates();
    FrmCenter* center();
    FrmMarketCheck* marketCheck(const QString& name, const pricing::CenterAnalysis& analysis);
    FrmPlant* plant();
    // With a name, that center is the one chosen.
    FrmRateChanges* rateChanges(const QString& chosen);
    FrmDrivers* drivers(const QString& center);
    FrmDelete* deleteEquipment();
    FrmName* naming();
    FrmJobCost* jobCost();

private:
    QWidget* owner() const;

    platform::Platform& m_platform;
    MainWindowLink& m_mainWindow;
    QPointer<FrmAbout> m_about;
    QPointer<FrmBudget> m_budget;
    QPointer<FrmBHR> m_rates;
    QPointer<FrmCenter> m_center;
    QPointer<FrmMarketCheck> m_marketCheck;
    QPointer<FrmPlant> m_plant;
    QPointer<FrmRateChanges> m_rateChanges;
    QHash<QString, QPointer<FrmDrivers>> m_drivers;
    QPointer<FrmDelete> m_delete;
    QPointer<FrmName> m_naming;
    QPointer<FrmJobCost> m_jobCost;
};

} // namespace forms
