#pragma once

#include <QDialog>

namespace platform {
class Platform;
}

namespace forms {

// Title, version and purpose of the program, and a way into the system-information tool.
// A dialog only for its OK button: Enter and Esc both close it. It never blocks other windows.
class FrmAbout : public QDialog {
    Q_OBJECT
public:
    FrmAbout(platform::Platform& platform, QWidget* parent);

private:
    void startSysInfo();

    platform::Platform& m_platform;
};

} // namespace forms
