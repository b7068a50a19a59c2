#pragma once

#include <QWidget>

class FrmTab;
class Platform;
class QLineEdit;
class QListWidget;

// Takes a saved name off the equipment list, in the list file and in the main window's list.
// The equipment's own files stay in the folder, so the same name started again finds them.
class FrmDelete : public QWidget {
    Q_OBJECT
public:
    // Opens the window without waiting, or brings the open one to the front.
    static FrmDelete* open(Platform& platform, FrmTab& tab);

    FrmDelete(Platform& platform, FrmTab& tab, QWidget* parent);

private:
    void build();
    void loadList();
    void deleteName();
    void removeEntries(int row);
    void cancel();
    int selectedRow() const;

    Platform& m_platform;
    FrmTab& m_tab;
    QListWidget* m_list = nullptr;
    QLineEdit* m_name = nullptr;
};
