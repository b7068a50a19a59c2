#pragma once

#include <QDialog>

class Platform;

// Title, version and purpose of the program, and a way into the system-information tool.
// A dialog only for its OK button: Enter and Esc both close it. It never blocks other windows.
class FrmAbout : public QDialog {
    Q_OBJECT
public:
    FrmAbout(Platform& platform, QWidget* parent);

private:
    void startSysInfo();

    Platform& m_platform;
};
