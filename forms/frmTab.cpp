#include "forms/frmTab.h"

#include "forms/BoxPlaces.h"
#include "forms/BoxesPage.h"
#include "forms/CreditLines.h"
#include "forms/DataFolderMenu.h"
#include "forms/InputsCsvMenu.h"
#include "forms/LowerLayers.h"
#include "forms/PreliminaryPage.h"
#include "forms/ProgramIcon.h"
#include "forms/ReverseEngineeringPage.h"
#include "forms/ScrollingPage.h"
#include "platform/Platform.h"
#include "store/EquipmentList.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace forms::lowerlayers;

namespace forms {

namespace {
const QString kHelpFile = QStringLiteral("BudgetAnalysis.hlp");
} // namespace

FrmTab::FrmTab(Platform& platform, QWidget* parent) : QMainWindow(parent), m_platform(platform)
{
    setObjectName(QStringLiteral("frmTab"));
    setWindowTitle(tr("Solvarra Budgeted Hourly Rates"));
    setWindowIcon(programIcon());

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    m_tabs = new QTabWidget(central);
    m_tabs->setObjectName(QStringLiteral("SSTab1"));
    // All six tabs stay in view; in a narrow window their captions shorten instead.
    m_tabs->setUsesScrollButtons(false);
    m_tabs->setElideMode(Qt::ElideRight);
    addPages();
    layout->addWidget(m_tabs);
    setCentralWidget(central);

    // The window's own Calculate BHR lies within the tab control's area and stays covered by it:
    // never drawn, never under the pointer, never reached with Tab. The user calculates with
    // the button on "5. Indirect Costs".
    auto* calc = new QPushButton(tr("Calculate BHR"), central);
    calc->setObjectName(QStringLiteral("cmdCalc"));
    calc->setFocusPolicy(Qt::NoFocus);
    calc->hide();
    connect(calc, &QPushButton::clicked, this, [this] { calculateBudget(false); });

    buildMenus();
    linkPages();
    sizeWithinScreen(this);
}

// Each page scrolls when the window is smaller than it, so the window fits small screens.
void FrmTab::addPages()
{
    m_preliminary = new PreliminaryPage;
    m_tabs->addTab(new ScrollingPage(m_preliminary), tr("1. Preliminary Information"));
    const std::array<QString, 4> captions = {tr("2. General Information"), tr("3. Equipment"),
                                             tr("4. Wages and Efficiency"), tr("5. Indirect Costs")};
    for (std::size_t i = 0; i < m_boxPages.size(); ++i) {
        m_boxPages[i] = new BoxesPage(Tab(General + int(i)));
        m_tabs->addTab(new ScrollingPage(m_boxPages[i]), captions[i]);
    }
    m_pricing = new ReverseEngineeringPage(m_platform, *this);
    m_tabs->addTab(new ScrollingPage(m_pricing), tr("6. Reverse Engineering"));
}

void FrmTab::linkPages()
{
    connect(m_preliminary, &PreliminaryPage::titleChanged, this, [this](const QString& text) { m_currentName = text; });
    connect(m_preliminary, &PreliminaryPage::titleEntered, this, [this](const QString& text) {
        m_currentName = text;
        startAnalysis();
    });
    connect(m_preliminary, &PreliminaryPage::entryChosen, this, &FrmTab::selectListEntry);
    connect(m_preliminary, &PreliminaryPage::startPressed, this, &FrmTab::startAnalysis);
    connect(m_preliminary, &PreliminaryPage::refreshPressed, this, &FrmTab::refreshList);
    connect(m_preliminary, &PreliminaryPage::exitPressed, this, &FrmTab::exitProgram);
    BoxesPage* wages = m_boxPages[WagesAndEfficiency - General];
    connect(wages, &BoxesPage::recalculateWorkSpace, this, &FrmTab::workSpaceFromCost);
    connect(wages, &BoxesPage::useSavedWorkSpace, this, &FrmTab::workSpaceFromSavedValue);
    connect(m_boxPages[IndirectCosts - General], &BoxesPage::calculate, this, [this] { calculateBudget(true); });
    connect(m_tabs, &QTabWidget::currentChanged, m_pricing, [this] { m_pricing->keepFocusOffTheMarkUpBox(*m_tabs); });
}

void FrmTab::buildMenus()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction* remove = file->addAction(tr("&Delete Equip"));
    remove->setObjectName(QStringLiteral("mnuDelete"));
    connect(remove, &QAction::triggered, this, [this] { m_openWindows.deleteEquipment(); });
    QAction* saveAs = file->addAction(tr("Save as &new name\u2026"));
    saveAs->setObjectName(QStringLiteral("mnuSaveAsNew"));
    connect(saveAs, &QAction::triggered, this, &FrmTab::saveAsNewName);
    QAction* plant = file->addAction(tr("P&lant Overview\u2026"));
    plant->setObjectName(QStringLiteral("mnuPlant"));
    plant->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    connect(plant, &QAction::triggered, this, [this] { m_openWindows.plant(); });
    QAction* jobCost = file->addAction(tr("&Job Cost\u2026"));
    jobCost->setObjectName(QStringLiteral("mnuJobCost"));
    jobCost->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_J));
    connect(jobCost, &QAction::triggered, this, [this] { m_openWindows.jobCost(); });
    file->addSeparator();
    new DataFolderMenu(m_platform, *this, *file);
    file->addSeparator();
    new InputsCsvMenu(m_platform, *this, *file);
    file->addSeparator();
    QAction* setup = file->addAction(tr("&Printer SetUp"));
    setup->setObjectName(QStringLiteral("PrntSetUp"));
    connect(setup, &QAction::triggered, this, [this] { m_platform.printing().showSetup(this); });
    QAction* exit = file->addAction(tr("E&xit"));
    exit->setObjectName(QStringLiteral("mnuExit"));
    connect(exit, &QAction::triggered, this, &FrmTab::exitProgram);

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    const std::array<std::pair<const char*, QString>, 3> helpItems = {{
        {"frmContents", tr("&Contents")},
        {"frmIndex", tr("&Index")},
        {"mnuHelpHelp", tr("&Help on Help")},
    }};
    const std::array<int, 3> commands = {HelpViewer::Contents, HelpViewer::Index, HelpViewer::HelpOnHelp};
    for (std::size_t i = 0; i < helpItems.size(); ++i) {
        QAction* item = help->addAction(helpItems[i].second);
        item->setObjectName(QString::fromLatin1(helpItems[i].first));
        connect(item, &QAction::triggered, this, [this, command = commands[i]] { showHelp(command); });
    }
    help->addSeparator();
    QAction* about = help->addAction(tr("&About"));
    about->setObjectName(QStringLiteral("mnuAbout"));
    connect(about, &QAction::triggered, this, [this] { m_openWindows.about(); });
}

QLabel* FrmTab::nameLabel(int member) const
{
    return nameLabels().at(member);
}

std::array<QLabel*, 5> FrmTab::nameLabels() const
{
    return {m_boxPages[0]->nameLabel(), m_boxPages[1]->nameLabel(), m_boxPages[2]->nameLabel(),
            m_boxPages[3]->nameLabel(), m_pricing->nameLabel()};
}

QLineEdit* FrmTab::box(InputBox which) const
{
    return m_boxPages.at(boxplaces::tabOf(which) - General)->box(which);
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
    m_preliminary->showCredit(credits::copyrightLine(m_platform.currentYear()));
    refreshList();
}

void FrmTab::refreshList()
{
    const equipmentlist::Loaded loaded = equipmentlist::load(m_platform.folder());
    m_preliminary->showEntries(loaded.names);
    show();
    selectTab(Preliminary);
    if (!loaded.damage.isEmpty())
        m_platform.messages().tell(loaded.damage +
                                       QCoreApplication::translate("EquipmentList", equipmentlist::kDamagedListNote),
                                   {}, MessageBoxes::Icon::Warning);
    else if (!loaded.complete)
        m_platform.messages().tell(QCoreApplication::translate("EquipmentList", equipmentlist::kMissingListMessage));
}

void FrmTab::selectTab(Tab tab)
{
    m_tabs->setCurrentIndex(tab);
}

QString FrmTab::analysisName() const
{
    return m_pricing->nameLabel()->text();
}

void FrmTab::setAnalysisName(const QString& name)
{
    m_pricing->nameLabel()->setText(name);
}

QString FrmTab::markUpText() const
{
    return m_pricing->markUpText();
}

void FrmTab::forgetListEntry(int row)
{
    m_preliminary->forgetEntry(row);
}

void FrmTab::clearTitle()
{
    m_preliminary->clearTitle();
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
    for (BoxesPage* page : m_boxPages)
        page->clearBoxes();
    m_pricing->clearInputs();
    m_preliminary->clearTitle(); // and so the current name
    for (QLabel* label : nameLabels())
        label->clear();
    m_preliminary->showEntriesQuietly(equipmentlist::load(m_platform.folder()).names);
    selectTab(Preliminary);
}

} // namespace forms
