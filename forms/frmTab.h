#pragma once

// The main window. An analysis travels through the program like this:
//   frmTab (boxes on six tabs) --Calculate BHR--> engine/ (cost formulas, result record)
//   --> store/ (plant, input, result and name files in the program folder)
//   --> frmBudget and frmBHR (read the files back and show the budget and the rates)
//   --> report/ (the printed pages as printer operations) --> platform/ (printer, messages).
// The Reverse Engineering tab feeds pricing/ the same way through the pricing file.
// Windows never compute: arithmetic lives in engine/ and pricing/, file layouts in store/.

#include "DataChanges.h"
#include "MainWindowLink.h"
#include "ReverseEngineeringTab.h"

#include <QMainWindow>

#include <array>
#include <optional>

struct BudgetOutcome;
class Platform;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QWidget;

class FrmTab : public QMainWindow, public MainWindowLink {
    Q_OBJECT
public:
    explicit FrmTab(Platform& platform, QWidget* parent = nullptr);

    // Start-up: credit line, equipment list, window shown on the first tab.
    void load();

    QLabel* nameLabel(int member) const { return m_nameLabels.at(member); }

    // Why a name whose files other listed names already use cannot be "started" or "used".
    static QString sharedFilesRefusal(const QString& name, const QStringList& sharing, const QString& refused);

    // What the windows opened from here, and the Reverse Engineering tab's handlers, ask of it.
    QWidget& ownerWindow() override { return *this; }
    void selectTab(Tab tab) override;
    QString currentName() const override { return m_currentName; }
    void setCurrentName(const QString& name) override { m_currentName = name; }
    QString analysisName() const override;
    void setAnalysisName(const QString& name) override;
    void forgetListEntry(int row) override;
    void clearTitle() override;
    void showEquipment(const QString& name) override;
    QString markUpText() const override;
    DataChanges& dataChanges() override { return m_changes; }
    QList<InputBox> unsavedPlantBoxes() const override;
    StoreResult savePlantBoxes() override;
    void calculateWith(const QString& name, const InputTexts& texts) override;
    void saveAsNewNameWith(const QString& name, const InputTexts& texts) override;
    bool closeOtherWindows() override;
    void showDataFolderAfresh() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    QWidget* buildPreliminaryTab();
    QWidget* buildBoxesTab(Tab tab);
    QWidget* buildReverseEngineeringTab();
    QWidget* buildNameRow(int member, QWidget* extra = nullptr);
    void keepStorableText();
    void followListChoices();

    void refreshList();
    // The list's entries read again from the list file, keeping the tab and saying nothing.
    void reloadListEntries();
    void saveAsNewName();
    std::optional<QString> askNewName(const QString& from, const QString& suggestion);
    enum class CopyStep { Copied, Declined, Refused };
    CopyStep copyBoxesTo(const QString& from, const QString& to);
    void workOnCopy(const QString& name);
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
    std::optional<double> workSpaceByCost() const;
    void workSpaceFromCost();
    void workSpaceFromSavedValue();
    void setEfficiencyDefaults();

    // Calculate BHR: the tab's button turns to the last tab, the window's own does not.
    void calculateBudget(bool turnToLastTab);
    bool mayReplaceSharedFiles();
    void announceCalculation(const BudgetOutcome& outcome);
    // A what-if's center in the boxes, and its figures typed into them; put back as they stood when
    // Save As makes no copy.
    struct TypedBoxes {
        InputTexts texts;
        BoxTable<bool> modified;
    };
    bool showCenter(const QString& name);
    TypedBoxes typedBoxes() const;
    void typeTexts(const InputTexts& texts);
    void putBack(const TypedBoxes& typed);

    QLineEdit* box(InputBox which) const { return m_boxes[which]; }
    QString boxText(InputBox which) const;
    InputTexts boxTexts() const; // every box's text as typed

    Platform& m_platform;
    DataChanges m_changes;
    QString m_currentName;
    QTabWidget* m_tabs = nullptr;
    QListWidget* m_list = nullptr;
    QLineEdit* m_title = nullptr;
    QLabel* m_credit = nullptr;
    QPushButton* m_refresh = nullptr;
    QPushButton* m_start = nullptr;
    QRadioButton* m_recalculateWorkSpace = nullptr;
    QRadioButton* m_savedWorkSpace = nullptr;
    QPushButton* m_calculateOnTab = nullptr; // Calculate BHR on "5. Indirect Costs"
    QPushButton* m_calc = nullptr;           // the window's own, always covered
    ReverseEngineeringControls m_pricing;    // handed to the Reverse Engineering tab's handlers
    int m_rowBeforePress = -1;               // the list's chosen row when the mouse went down on it
    std::array<QLabel*, 5> m_nameLabels{};
    BoxTable<QLineEdit*> m_boxes; // the input boxes of the tabs 2 to 5
};
