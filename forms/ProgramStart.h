#pragma once

#include <QObject>
#include <QPointer>

#include <memory>

#include "forms/frmSplash.h"
#include "forms/frmTab.h"
namespace platform {
class Platform;
}

namespace forms {

// Opens the splash window and, when it hands over, the main window. What can wait, the clean-up
// of copies left by a cut-off save, runs once the splash is on the screen. The program itself
// shows its splash before it loads its windows (ProgramModule.h); then the start is told when
// the splash was painted and when it handed over.
class ProgramStart : public QObject {
    Q_OBJECT
public:
    enum class Splash { Own, ShownAlready };
    explicit ProgramStart(platform::Platform& platform, Splash splash = Splash::Own);
    ~ProgramStart() override;

    FrmSplash* splash() const { return m_splash; }
    FrmTab* mainWindow() const { return m_main.get(); }

    void splashPainted();
    void openMainWindow();

private:
    platform::Platform& m_platform;
    QPointer<FrmSplash> m_splash;
    std::unique_ptr<FrmTab> m_main;
    bool m_cleanedUp = false;
};

} // namespace forms
