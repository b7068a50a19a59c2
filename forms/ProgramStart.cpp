#include "forms/ProgramStart.h"

#include "forms/LowerLayers.h"
#include "forms/frmSplash.h"
#include "forms/frmTab.h"
#include "platform/Platform.h"
#include "store/LeftoverFiles.h"

using namespace forms::lowerlayers;

namespace forms {

ProgramStart::ProgramStart(Platform& platform, Splash splash) : m_platform(platform)
{
    if (splash == Splash::ShownAlready)
        return;
    m_splash = new FrmSplash(platform.currentYear());
    m_splash->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_splash, &FrmSplash::handedOver, this, &ProgramStart::openMainWindow);
    // Queued, so that the splash's first paint reaches the screen before the clean-up runs.
    connect(m_splash, &FrmSplash::firstPainted, this, &ProgramStart::splashPainted, Qt::QueuedConnection);
    m_splash->show();
}

// Removes the copies left by a save that was cut off last time; the data files themselves are
// whole. Runs before the main window reads any file, whether or not the splash was painted first.
void ProgramStart::splashPainted()
{
    if (m_cleanedUp)
        return;
    m_cleanedUp = true;
    leftovers::removeLeftovers(m_platform.folder());
}

ProgramStart::~ProgramStart()
{
    delete m_splash;
}

void ProgramStart::openMainWindow()
{
    if (m_main)
        return;
    splashPainted();
    m_main = std::make_unique<FrmTab>(m_platform);
    // A data folder chosen earlier that is missing is said first: the list that follows is
    // that of another folder.
    if (const QString note = m_platform.startNote(); !note.isEmpty())
        m_platform.messages().tell(note, {}, MessageBoxes::Icon::Warning);
    m_main->load();
}

} // namespace forms
