#pragma once

#include <QWidget>

namespace platform {
class Platform;
}
class QLineEdit;

namespace forms {

class MainWindowLink;

// Revises the name under which the Reverse Engineering tab's analysis runs: a typed name goes
// to the tab's name label and to Name.tmp. A name whose files another name left behind is taken
// only when the user agrees. OK hides the window with its text kept; the close box
// does the same and then closes it, so the next opening starts empty. A name that cannot be
// saved is reported and the window stays open.
class FrmName : public QWidget {
    Q_OBJECT
public:
    FrmName(platform::Platform& platform, MainWindowLink& mainWindow, QWidget* parent = nullptr);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    bool accept(); // false when the name could not be saved, or was not to take over files
    bool mayTakeOverFilesOf(const QString& name);

    platform::Platform& m_platform;
    MainWindowLink& m_mainWindow;
    QLineEdit* m_name = nullptr;
};

} // namespace forms
