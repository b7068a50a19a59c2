#include "ProgramStart.h"

#include "frmSplash.h"
#include "frmTab.h"

ProgramStart::ProgramStart(Platform& platform) : m_platform(platform)
{
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
    m_main->load();
}
