#pragma once

#include <QWidget>

namespace platform {
class Platform;
}
class QLineEdit;
class QListWidget;

namespace forms {

class MainWindowLink;

// Takes a saved name off the equipment list, in the list file and in the main window's list.
// The equipment's own files stay in the folder, so the same name started again finds them.
class FrmDelete : public QWidget {
    Q_OBJECT
public:
    FrmDelete(platform::Platform& platform, MainWindowLink& mainWindow, QWidget* parent);

private:
    void build();
    void loadList();
    void deleteName();
    void removeEntries(int row);
    void cancel();
    void bringMainWindowForward();
    int selectedRow() const;

    platform::Platform& m_platform;
    MainWindowLink& m_mainWindow;
    QListWidget* m_list = nullptr;
    QLineEdit* m_name = nullptr;
};

} // namespace forms
