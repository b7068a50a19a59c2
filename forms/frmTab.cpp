#include "frmTab.h"

#include "BoxHint.h"
#include "CreditLines.h"
#include "DataFolderMenu.h"
#include "EquipmentList.h"
#include "InputsCsvMenu.h"
#include "ListEntries.h"
#include "Platform.h"
#include "ProgramIcon.h"
#include "ReverseEngineeringTab.h"
#include "ScrollingPage.h"
#include "frmAbout.h"
#include "frmDelete.h"
#include "frmJobCost.h"
#include "frmPlant.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
const QString kHelpFile = QStringLiteral("BudgetAnalysis.hlp");
constexpr int kAnalysisNameMember = 4; // the name label on "6. Reverse Engineering"
} // namespace

FrmTab::FrmTab(Platform& platform, QWidget* parent) : QMainWindow(parent), m_platform(platform)
{
    setObjectName(QStringLiteral("frmTab"));
    setWindowTitle(QStringLiteral("Solvarra Budgeted Hourly Rates"));
    setWindowIcon(programIcon());

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    m_tabs = new QTabWidget(central);
    m_tabs->setObjectName(QStringLiteral("SSTab1"));
    m_pricing.tabs = m_tabs;
    // All six tabs stay in view; in a narrow window their captions shorten instead.
    m_tabs->setUsesScrollButtons(false);
    m_tabs->setElideMode(Qt::ElideRight);
    m_tabs->addTab(buildPreliminaryTab(), QStringLiteral("1. Preliminary Information"));
    m_tabs->addTab(buildBoxesTab(General), QStringLiteral("2. General Information"));
    m_tabs->addTab(buildBoxesTab(Equipment), QStringLiteral("3. Equipment"));
    m_tabs->addTab(buildBoxesTab(WagesAndEfficiency), QStringLiteral("4. Wages and Efficiency"));
    m_tabs->addTab(buildBoxesTab(IndirectCosts), QStringLiteral("5. Indirect Costs"));
    m_tabs->addTab(buildReverseEngineeringTab(), QStringLiteral("6. Reverse Engineering"));
    layout->addWidget(m_tabs);
    setCentralWidget(central);

    // The window's own Calculate BHR lies within the tab control's area and stays covered by it:
    // never drawn, never under the pointer, never reached with Tab. The user calculates with
    // the button on "5. Indirect Costs".
    m_calc = new QPushButton(QStringLiteral("Calculate BHR"), central);
    m_calc->setObjectName(QStringLiteral("cmdCalc"));
    m_calc->setFocusPolicy(Qt::NoFocus);
    m_calc->hide();

    buildMenus();
    keepStorableText();
    connect(m_title, &QLineEdit::textChanged, this, [this](const QString& text) { m_currentName = text; });
    connect(m_title, &QLineEdit::returnPressed, this, [this] {
        m_currentName = m_title->text();
        startAnalysis();
    });
    followListChoices();
    connect(m_start, &QPushButton::clicked, this, &FrmTab::startAnalysis);
    connect(m_recalculateWorkSpace, &QRadioButton::clicked, this, &FrmTab::workSpaceFromCost);
    connect(m_savedWorkSpace, &QRadioButton::clicked, this, &FrmTab::workSpaceFromSavedValue);
    connect(m_calculateOnTab, &QPushButton::clicked, this, [this] { calculateBudget(true); });
    connect(m_calc, &QPushButton::clicked, this, [this] { calculateBudget(false); });
    new ReverseEngineeringTab(m_platform, *this, m_pricing);
    sizeWithinScreen(this);
}

namespace {
int chosenRow(const QListWidget* list)
{
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.first());
}
} // namespace

void FrmTab::followListChoices()
{
    // A click or an arrow key that chooses an entry selects it; focus arriving in the list only
    // marks one.
    connect(m_list, &QListWidget::itemSelectionChanged, this, [this] {
        if (const int row = chosenRow(m_list); row >= 0)
            selectListEntry(row);
    });
    // A click on the entry that is already chosen changes no choice, and selects it again.
    m_list->viewport()->installEventFilter(this);
    connect(m_list, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const int row = m_list->row(item);
        if (row == m_rowBeforePress && row == chosenRow(m_list))
            selectListEntry(row);
    });
    // Typing a name lets go of the chosen entry, so that Start Analysis takes the typed name.
    connect(m_title, &QLineEdit::textEdited, m_list, &QListWidget::clearSelection);
}

bool FrmTab::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_list->viewport() && event->type() == QEvent::MouseButtonPress)
        m_rowBeforePress = chosenRow(m_list);
    return QMainWindow::eventFilter(watched, event);
}

void FrmTab::buildMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction* remove = file->addAction(QStringLiteral("&Delete Equip"));
    remove->setObjectName(QStringLiteral("mnuDelete"));
    connect(remove, &QAction::triggered, this, [this] { FrmDelete::open(m_platform, *this); });
    QAction* saveAs = file->addAction(QStringLiteral("Save as &new name\u2026"));
    saveAs->setObjectName(QStringLiteral("mnuSaveAsNew"));
    connect(saveAs, &QAction::triggered, this, &FrmTab::saveAsNewName);
    QAction* plant = file->addAction(QStringLiteral("P&lant Overview\u2026"));
    plant->setObjectName(QStringLiteral("mnuPlant"));
    plant->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    connect(plant, &QAction::triggered, this, [this] { FrmPlant::open(m_platform, *this); });
    QAction* jobCost = file->addAction(QStringLiteral("&Job Cost\u2026"));
    jobCost->setObjectName(QStringLiteral("mnuJobCost"));
    jobCost->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_J));
    connect(jobCost, &QAction::triggered, this, [this] { FrmJobCost::open(m_platform, *this); });
    file->addSeparator();
    new DataFolderMenu(m_platform, *this, *file);
    file->addSeparator();
    new InputsCsvMenu(m_platform, *this, *file);
    file->addSeparator();
    QAction* setup = file->addAction(QStringLiteral("&Printer SetUp"));
    setup->setObjectName(QStringLiteral("PrntSetUp"));
    connect(setup, &QAction::triggered, this, [this] { m_platform.printing().showSetup(this); });
    QAction* exit = file->addAction(QStringLiteral("E&xit"));
    exit->setObjectName(QStringLiteral("mnuExit"));
    connect(exit, &QAction::triggered, this, &FrmTab::exitProgram);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    const std::array<std::pair<const char*, QString>, 3> helpItems = {{
        {"frmContents", QStringLiteral("&Contents")},
        {"frmIndex", QStringLiteral("&Index")},
        {"mnuHelpHelp", QStringLiteral("&Help on Help")},
    }};
    const std::array<int, 3> commands = {HelpViewer::Contents, HelpViewer::Index, HelpViewer::HelpOnHelp};
    for (std::size_t i = 0; i < helpItems.size(); ++i) {
        QAction* item = help->addAction(helpItems[i].second);
        item->setObjectName(QString::fromLatin1(helpItems[i].first));
        connect(item, &QAction::triggered, this, [this, command = commands[i]] { showHelp(command); });
    }
    help->addSeparator();
    QAction* about = help->addAction(QStringLiteral("&About"));
    about->setObjectName(QStringLiteral("mnuAbout"));
    connect(about, &QAction::triggered, this, [this] { FrmAbout::open(m_platform, this); });
}

// Every box whose text goes into a file keeps to what the files can hold, and the number boxes
// say when their text will not read as typed: the input boxes, the new name and the pricing
// inputs.
void FrmTab::keepStorableText()
{
    for (QLineEdit* box : std::as_const(m_boxes))
        BoxHint::attach(box, BoxHint::Content::Number);
    BoxHint::attach(m_title, BoxHint::Content::Text);
    for (QLineEdit* box : m_pricing.boxes())
        BoxHint::attach(box, BoxHint::Content::Number);
}

QString FrmTab::boxText(InputBox which) const
{
    return box(which)->text();
}

InputTexts FrmTab::boxTexts() const
{
    InputTexts texts;
    for (const inputboxes::Entry& entry : inputboxes::all())
        texts[entry.box] = boxText(entry.box);
    return texts;
}

void FrmTab::load()
{
    m_credit->setText(credits::copyrightLine(m_platform.currentYear()));
    refreshList();
}

void FrmTab::refreshList()
{
    m_list->clear();
    const equipmentlist::Loaded loaded = equipmentlist::load(m_platform.folder());
    addNames(m_list, loaded.names);
    show();
    selectTab(Preliminary);
    if (!loaded.damage.isEmpty())
        m_platform.messages().tell(loaded.damage + equipmentlist::kDamagedListNote, {}, MessageBoxes::Icon::Warning);
    else if (!loaded.complete)
        m_platform.messages().tell(equipmentlist::kMissingListMessage);
}

void FrmTab::selectTab(Tab tab)
{
    m_tabs->setCurrentIndex(tab);
}

QString FrmTab::analysisName() const
{
    return m_nameLabels[kAnalysisNameMember]->text();
}

void FrmTab::setAnalysisName(const QString& name)
{
    m_nameLabels[kAnalysisNameMember]->setText(name);
}

QString FrmTab::markUpText() const
{
    return m_pricing.markUp->text();
}

void FrmTab::forgetListEntry(int row)
{
    takeEntryQuietly(m_list, row);
}

void FrmTab::clearTitle()
{
    m_title->clear();
}

void FrmTab::showHelp(int command)
{
    m_platform.help().show(m_platform.programFolder().filePath(kHelpFile), HelpViewer::Command(command));
}

// Exit ends the program at once with every window, running none of their own closing: a name
// typed into the revise-name window without OK is not saved on the way out. Only the close box
// unloads the open windows.
void FrmTab::exitProgram()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        window->hide();
    QCoreApplication::quit();
}

void FrmTab::closeEvent(QCloseEvent* event)
{
    (void)closeOtherWindows(); // the program ends either way
    event->accept();
    QCoreApplication::quit();
}

bool FrmTab::closeOtherWindows()
{
    bool allClosed = true;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window != this && window->isVisible())
            allClosed = window->close() && allClosed;
    return allClosed;
}

void FrmTab::showDataFolderAfresh()
{
    for (QLineEdit* edit : std::as_const(m_boxes))
        edit->clear();
    for (QLineEdit* edit : m_pricing.boxes())
        edit->clear();
    m_title->clear(); // and so the current name
    for (QLabel* label : m_nameLabels)
        label->clear();
    {
        const QSignalBlocker quiet(m_list);
        m_list->clear();
        m_list->addItems(equipmentlist::load(m_platform.folder()).names);
    }
    selectTab(Preliminary);
}
