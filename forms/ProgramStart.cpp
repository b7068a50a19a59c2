#include "ProgramStart.h"

#include "LeftoverFiles.h"
#include "Platform.h"
#include "frmSplash.h"
#include "frmTab.h"

ProgramStart::ProgramStart(Platform& platform) : m_platform(platform)
{
    // Copies left by a save that was cut off last time; the data files themselves are whole.
    leftovers::removeLeftovers(platform.folder());
    m_splash = new FrmSplash(platform);
    m_splash->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_splash, &FrmSplash::handedOver, this, &ProgramStart::openMainWindow);
    m_splash->show();
}

ProgramStart::~ProgramStart()
{
    delete m_splash;
}

void ProgramStart::openMainWindow()
{
    if (m_main)
        return;
    m_main = std::make_unique<FrmTab>(m_platform);
    // A data folder chosen earlier that is missing is said first: the list that follows is
    // that of another folder.
    if (const QString note = m_platform.startNote(); !note.isEmpty())
        m_platform.messages().tell(note, {}, MessageBoxes::Icon::Warning);
    m_main->load();
}
