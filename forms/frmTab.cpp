#include "frmTab.h"

#include "CreditLines.h"
#include "EquipmentList.h"
#include "Platform.h"
#include "ProgramIcon.h"
#include "ReverseEngineeringTab.h"
#include "StorableTextValidator.h"
#include "frmAbout.h"
#include "frmDelete.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
const QString kHelpFile = QStringLiteral("BudgetAnalysis.hlp");
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
    m_tabs->setUsesScrollButtons(false); // all six tabs stay in view
    m_tabs->addTab(buildPreliminaryTab(), QStringLiteral("1. Preliminary Information"));
    m_tabs->addTab(buildGeneralTab(), QStringLiteral("2. General Information"));
    m_tabs->addTab(buildEquipmentTab(), QStringLiteral("3. Equipment"));
    m_tabs->addTab(buildWagesTab(), QStringLiteral("4. Wages and Efficiency"));
    m_tabs->addTab(buildIndirectTab(), QStringLiteral("5. Indirect Costs"));
    m_tabs->addTab(buildReverseEngineeringTab(), QStringLiteral("6. Reverse Engineering"));
    layout->addWidget(m_tabs);
    setCentralWidget(central);

    // The window's own Calculate BHR lies within the tab control's area, covered by it.
    m_calc = new QPushButton(QStringLiteral("Calculate BHR"), central);
    m_calc->setObjectName(QStringLiteral("cmdCalc"));
    m_calc->lower();

    buildMenus();
    keepStorableText();
    connect(m_title, &QLineEdit::textChanged, this, [this](const QString& text) { m_currentName = text; });
    connect(m_title, &QLineEdit::returnPressed, this, [this] {
        m_currentName = m_title->text();
        startAnalysis();
    });
    // A click or an arrow key selects an entry; focus arriving in the list only marks one.
    connect(m_list, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> selected = m_list->selectedItems();
        if (!selected.isEmpty())
            selectListEntry(m_list->row(selected.first()));
    });
    connect(findChild<QPushButton*>(QStringLiteral("cmdStart")), &QPushButton::clicked, this,
            &FrmTab::startAnalysis);
    connect(findChild<QRadioButton*>(QStringLiteral("Option1")), &QRadioButton::clicked, this,
            &FrmTab::workSpaceFromCost);
    connect(findChild<QRadioButton*>(QStringLiteral("Option2")), &QRadioButton::clicked, this,
            &FrmTab::workSpaceFromSavedValue);
    connect(findChild<QPushButton*>(QStringLiteral("Command2")), &QPushButton::clicked, this,
            [this] { calculateBudget(true); });
    connect(m_calc, &QPushButton::clicked, this, [this] { calculateBudget(false); });
    new ReverseEngineeringTab(m_platform, *this);
}

void FrmTab::buildMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction* remove = file->addAction(QStringLiteral("&Delete Equip"));
    remove->setObjectName(QStringLiteral("mnuDelete"));
    connect(remove, &QAction::triggered, this, [this] { FrmDelete::open(m_platform, *this); });
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

void FrmTab::keepStorableText()
{
    auto* validator = new StorableTextValidator(this);
    for (QLineEdit* box : findChildren<QLineEdit*>()) {
        box->setValidator(validator);
        m_boxes.insert(box->objectName(), box);
    }
}

QString FrmTab::boxText(const QString& name) const
{
    const QLineEdit* edit = box(name);
    return edit ? edit->text() : QString();
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
    m_list->addItems(loaded.names);
    show();
    selectTab(Preliminary);
    if (!loaded.complete)
        m_platform.messages().tell(equipmentlist::kMissingListMessage);
}

void FrmTab::selectTab(Tab tab) { m_tabs->setCurrentIndex(tab); }

void FrmTab::showHelp(int command)
{
    m_platform.help().show(m_platform.folder().filePath(kHelpFile), HelpViewer::Command(command));
}

void FrmTab::exitProgram() { close(); }

void FrmTab::closeEvent(QCloseEvent* event)
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window != this && window->isVisible())
            window->close();
    event->accept();
    QCoreApplication::quit();
}

void FrmTab::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    placeCalculateButton();
}

void FrmTab::placeCalculateButton()
{
    const QSize size = m_calc->sizeHint();
    const QRect area = m_tabs->geometry();
    m_calc->setGeometry(area.right() - size.width() - 24, area.bottom() - size.height() - 24, size.width(),
                        size.height());
    m_calc->lower();
}
