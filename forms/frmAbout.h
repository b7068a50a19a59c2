#pragma once

#include <QDialog>

class Platform;

// Title, version and purpose of the program, and a way into the system-information tool.
// A dialog only for its OK button: Enter and Esc both close it. It never blocks other windows.
class FrmAbout : public QDialog {
    Q_OBJECT
public:
    // Opens the window without waiting, or brings the open one to the front.
    static FrmAbout* open(Platform& platform, QWidget* owner);

    FrmAbout(Platform& platform, QWidget* parent);

private:
    void startSysInfo();

    Platform& m_platform;
};
