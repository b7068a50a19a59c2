#pragma once

// The main window. An analysis travels through the program like this:
//   frmTab (boxes on six tabs) --Calculate BHR--> engine/ (cost formulas, result record)
//   --> store/ (plant, input, result and name files in the program folder)
//   --> frmBudget and frmBHR (read the files back and show the budget and the rates)
//   --> report/ (the printed pages as printer operations) --> platform/ (printer, messages).
// The Reverse Engineering tab feeds pricing/ the same way through the pricing file.
// Windows never compute: arithmetic lives in engine/ and pricing/, file layouts in store/.

#include <QMainWindow>

#include <QHash>

#include <array>
#include <optional>

class Platform;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QWidget;

class FrmTab : public QMainWindow {
    Q_OBJECT
public:
    enum Tab { Preliminary, General, Equipment, WagesAndEfficiency, IndirectCosts, ReverseEngineering };

    explicit FrmTab(Platform& platform, QWidget* parent = nullptr);

    // Start-up: credit line, equipment list, window shown on the first tab.
    void load();

    QString currentName() const { return m_currentName; }
    void setCurrentName(const QString& name) { m_currentName = name; }
    QLabel* nameLabel(int member) const { return m_nameLabels.at(member); }
    void selectTab(Tab tab);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    QWidget* buildPreliminaryTab();
    QWidget* buildGeneralTab();
    QWidget* buildEquipmentTab();
    QWidget* buildWagesTab();
    QWidget* buildIndirectTab();
    QWidget* buildReverseEngineeringTab();
    QWidget* buildNameRow(int member, QWidget* extra = nullptr);
    void keepStorableText();
    void followListChoices();

    void refreshList();
    void exitProgram();
    void showHelp(int command);

    // Selecting and loading an equipment record.
    enum class LoadRegime { ListSelection, StartAnalysis };
    void selectListEntry(int row);
    void startAnalysis();
    bool refuseName(const QString& name);
    bool addToList(const QString& name);
    bool refuseSharedFiles(const QString& name);
    void showNameOnEveryTab();
    bool loadRecord(LoadRegime regime);
    void applyWorkSpace(const std::optional<QString>& saved, LoadRegime regime);
    void workSpaceFromCost();
    void workSpaceFromSavedValue();
    void setEfficiencyDefaults();

    // Calculate BHR: the tab's button turns to the last tab, the window's own does not.
    void calculateBudget(bool turnToLastTab);
    bool mayReplaceSharedFiles();

    QLineEdit* box(const QString& name) const { return m_boxes.value(name); }
    QString boxText(const QString& name) const;

    Platform& m_platform;
    QString m_currentName;
    QTabWidget* m_tabs = nullptr;
    QListWidget* m_list = nullptr;
    QLineEdit* m_title = nullptr;
    QLabel* m_credit = nullptr;
    QPushButton* m_calc = nullptr;
    int m_rowBeforePress = -1; // the list's chosen row when the mouse went down on it
    std::array<QLabel*, 5> m_nameLabels{};
    QHash<QString, QLineEdit*> m_boxes;
};
