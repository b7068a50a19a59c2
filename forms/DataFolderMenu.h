#pragma once

#include <QObject>
#include <QString>

namespace platform {
class Platform;
}
class QMenu;
class QWidget;

namespace forms {

class MainWindowLink;

// The File menu's commands for the folder the data files are in: show it in the file manager,
// copy every data file into a dated backup folder, and use another folder from now on and at the
// next starts (for a consultant serving several shops, or a folder the office shares).
class DataFolderMenu : public QObject {
    Q_OBJECT
public:
    DataFolderMenu(platform::Platform& platform, MainWindowLink& mainWindow, QMenu& menu);

private:
    void openFolder();
    void backUp();
    void useAnotherFolder();
    // Whether the folder may be used: Refused when the user was told why not or said no;
    // StartsAnew when it holds no data yet and the user agreed to start a new set there.
    enum class FolderUse { Refused, HoldsData, StartsAnew };
    FolderUse mayUse(const QString& folder);
    void tell(const QString& text, const QString& title, bool warning);
    QWidget* owner() const;

    platform::Platform& m_platform;
    MainWindowLink& m_mainWindow;
};

} // namespace forms
