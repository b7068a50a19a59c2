// The library of the program's windows: the desktop platform, which draws the printed pages'
// pictures with the windows' charts, and the start that opens the main window after the splash
// that the program has already shown.
#include "app/ProgramModule.h"

#include "forms/PagePictures.h"
#include "forms/ProgramStart.h"
#include "platform/Platform.h"

using namespace platform;
using namespace forms;

namespace {

class LoadedProgram : public ProgramModule {
public:
    void splashPainted() override { m_start.splashPainted(); }
    void openMainWindow() override { m_start.openMainWindow(); }

private:
    DesktopPlatform m_platform{drawPagePicture};
    ProgramStart m_start{m_platform, ProgramStart::Splash::ShownAlready};
};

} // namespace

extern "C" Q_DECL_EXPORT ProgramModule* hourlyratesProgram()
{
    return new LoadedProgram;
}
