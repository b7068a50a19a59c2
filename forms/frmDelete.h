#pragma once

#include <QWidget>

class MainWindowLink;
class Platform;
class QLineEdit;
class QListWidget;

// Takes a saved name off the equipment list, in the list file and in the main window's list.
// The equipment's own files stay in the folder, so the same name started again finds them.
class FrmDelete : public QWidget {
    Q_OBJECT
public:
    FrmDelete(Platform& platform, MainWindowLink& mainWindow, QWidget* parent);

private:
    void build();
    void loadList();
    void deleteName();
    void removeEntries(int row);
    void cancel();
    void bringMainWindowForward();
    int selectedRow() const;

    Platform& m_platform;
    MainWindowLink& m_mainWindow;
    QListWidget* m_list = nullptr;
    QLineEdit* m_name = nullptr;
};
