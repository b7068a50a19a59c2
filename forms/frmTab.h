#pragma once

// The main window. An analysis travels through the program like this:
//   frmTab (boxes on six tabs) --Calculate BHR--> engine/ (cost formulas, result record)
//   --> store/ (plant, input, result and name files in the program folder)
//   --> frmBudget and frmBHR (read the files back and show the budget and the rates)
//   --> report/ (the printed pages as printer operations) --> platform/ (printer, messages).
// The Reverse Engineering tab feeds pricing/ the same way through the pricing file.
// Windows never compute: arithmetic lives in engine/ and pricing/, file layouts in store/.

#include "forms/DataChanges.h"
#include "forms/MainWindowLink.h"
#include "forms/OpenWindows.h"

#include <QMainWindow>

#include <array>
#include <optional>

namespace engine {
struct BudgetOutcome;
}
namespace platform {
class Platform;
}
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QWidget;

namespace forms {

class BoxesPage;
class PreliminaryPage;
class ReverseEngineeringPage;

class FrmTab : public QMainWindow, public MainWindowLink {
    Q_OBJECT
public:
    explicit FrmTab(platform::Platform& platform, QWidget* parent = nullptr);

    // Start-up: credit line, equipment list, window shown on the first tab.
    void load();

    // The name label on the tab after the first, by member: 0 on "2.", up to 4 on "6.".
    QLabel* nameLabel(int member) const;

    // Why a name whose files other listed names already use cannot be "started" or "used".
    static QString sharedFilesRefusal(const QString& name, const QStringList& sharing, const QString& refused);

    // What the windows opened from here, and the Reverse Engineering page, ask of it.
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
    OpenWindows& openWindows() override { return m_openWindows; }
    QList<store::InputBox> unsavedPlantBoxes() const override;
    store::StoreResult savePlantBoxes() override;
    void calculateWith(const QString& name, const store::InputTexts& texts) override;
    void saveAsNewNameWith(const QString& name, const store::InputTexts& texts) override;
    bool closeOtherWindows() override;
    void showDataFolderAfresh() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void addPages();
    void linkPages();
    void buildMenus();

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
    void announceCalculation(const engine::BudgetOutcome& outcome);
    // A what-if's center in the boxes, and its figures typed into them; put back as they stood when
    // Save As makes no copy.
    struct TypedBoxes {
        store::InputTexts texts;
        store::BoxTable<bool> modified;
    };
    bool showCenter(const QString& name);
    TypedBoxes typedBoxes() const;
    void typeTexts(const store::InputTexts& texts);
    void putBack(const TypedBoxes& typed);

    QLineEdit* box(store::InputBox which) const;
    std::array<QLabel*, 5> nameLabels() const;
    QString boxText(store::InputBox which) const;
    store::InputTexts boxTexts() const; // every box's text as typed

    platform::Platform& m_platform;
    DataChanges m_changes;
    OpenWindows m_openWindows{m_platform, *this};
    QString m_currentName;
    QTabWidget* m_tabs = nullptr;
    PreliminaryPage* m_preliminary = nullptr;
    std::array<BoxesPage*, 4> m_boxPages{}; // the tabs 2 to 5
    ReverseEngineeringPage* m_pricing = nullptr;
};

} // namespace forms
