#include "forms/OpenWindows.h"

#include "forms/LowerLayers.h"
#include "forms/MainWindowLink.h"
#include "forms/frmAbout.h"
#include "forms/frmBHR.h"
#include "forms/frmBudget.h"
#include "forms/frmCenter.h"
#include "forms/frmDelete.h"
#include "forms/frmDrivers.h"
#include "forms/frmJobCost.h"
#include "forms/frmMarketCheck.h"
#include "forms/frmName.h"
#include "forms/frmPlant.h"
#include "forms/frmRateChanges.h"

using namespace forms::lowerlayers;

namespace forms {

namespace {

// The one way each of them opens: made when none is open, brought to the front, and taken up
// afresh when it was open already.
template <typename Window, typename Make, typename Afresh>
Window* bringUp(QPointer<Window>& open, Make make, Afresh takeUpAfresh)
{
    const bool wasOpen = !open.isNull();
    if (!wasOpen) {
        open = make();
        open->setWindowFlag(Qt::Window);
        open->setAttribute(Qt::WA_DeleteOnClose);
    }
    open->show();
    open->raise();
    open->activateWindow();
    if (wasOpen)
        takeUpAfresh(*open);
    return open;
}

const auto asItStands = [](QWidget&) {};

} // namespace

OpenWindows::OpenWindows(Platform& platform, MainWindowLink& mainWindow)
    : m_platform(platform), m_mainWindow(mainWindow)
{
}

QWidget* OpenWindows::owner() const
{
    return &m_mainWindow.ownerWindow();
}

FrmAbout* OpenWindows::about()
{
    return bringUp(
        m_about, [this] { return new FrmAbout(m_platform, owner()); }, asItStands);
}

FrmBudget* OpenWindows::budget()
{
    if (m_rates)
        m_rates->showResults();
    return bringUp(
        m_budget, [this] { return new FrmBudget(m_platform, m_mainWindow, owner()); },
        [](FrmBudget& budget) { budget.showBudget(); });
}

FrmBHR* OpenWindows::rates()
{
    return bringUp(
        m_rates, [this] { return new FrmBHR(m_platform, m_mainWindow, owner()); }, asItStands);
}

FrmCenter* OpenWindows::center()
{
    return bringUp(
        m_center, [this] { return new FrmCenter(m_platform, m_mainWindow, owner()); },
        [](FrmCenter& center) { center.analyse(); });
}

FrmMarketCheck* OpenWindows::marketCheck(const QString& name, const CenterAnalysis& analysis)
{
    return bringUp(
        m_marketCheck, [&] { return new FrmMarketCheck(m_platform, name, analysis, owner()); },
        [&](FrmMarketCheck& check) { check.showAnalysis(name, analysis); });
}

FrmPlant* OpenWindows::plant()
{
    return bringUp(
        m_plant, [this] { return new FrmPlant(m_platform, m_mainWindow, owner()); },
        [](FrmPlant& plant) { plant.refresh(); });
}

FrmRateChanges* OpenWindows::rateChanges(const QString& chosen)
{
    FrmRateChanges* window = bringUp(
        m_rateChanges, [this] { return new FrmRateChanges(m_platform, m_mainWindow, owner()); },
        [](FrmRateChanges& changes) { changes.refresh(); });
    window->choose(chosen);
    return window;
}

FrmDrivers* OpenWindows::drivers(const QString& center)
{
    return bringUp(
        m_drivers[center], [&] { return new FrmDrivers(m_platform, m_mainWindow, center, owner()); }, asItStands);
}

FrmDelete* OpenWindows::deleteEquipment()
{
    return bringUp(
        m_delete, [this] { return new FrmDelete(m_platform, m_mainWindow, owner()); }, asItStands);
}

FrmName* OpenWindows::naming()
{
    return bringUp(
        m_naming, [this] { return new FrmName(m_platform, m_mainWindow, owner()); }, asItStands);
}

FrmJobCost* OpenWindows::jobCost()
{
    return bringUp(
        m_jobCost, [this] { return new FrmJobCost(m_platform, m_mainWindow, owner()); }, asItStands);
}

} // namespace forms
