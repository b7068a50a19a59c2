// The six tab pages of the main window: the first and the last have builders of their own, the
// four tabs of input boxes share one. Each page scrolls when the window is smaller than it, so
// the window fits small screens.
#include "frmTab.h"

#include "AccessiblePrompt.h"
#include "BoxPlaces.h"
#include "BoxWords.h"
#include "ElidedLabel.h"
#include "FileNames.h"
#include "NamedWidget.h"
#include "ProgramIcon.h"
#include "ScrollingPage.h"

#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const QString kWorkSpaceHint = QStringLiteral(
    "The amount of square footage is not based on physical occupation but ratther on the ratio of "
    "equipment cost over the total of all equipment costs. This percentage is then multiplied times "
    "the actual square footage of the plant to produce a \"burdened\" square footage for the equipment.");
const QString kHoursHint =
    QStringLiteral("If you have more than one employee, simply enter the average, not the total. It is recommended "
                   "that you not exceed 40 hours per week even if you plan on running more than one shift.");
const QString kInstruction =
    QStringLiteral("If you wish to evaluate a given piece of equipment where you already know the retail price at "
                   "several quantities, then this small routine will enlighten and surprise you. After you have "
                   "entered all required data, click the calculate button below for results that describe the speed, "
                   "setup and pricing at various quantities. If you wish to analyze a new piece of equipment, enter "
                   "that equipment name at tab one.");

template <typename Name> QLabel* label(const Name& name, const QString& text, QWidget* parent)
{
    return named(new QLabel(text, parent), name);
}

template <typename Name> QLineEdit* inputBox(const Name& name, QWidget* parent)
{
    auto* edit = named(new QLineEdit(parent), name);
    edit->setMinimumWidth(130);
    return edit;
}

// A box that a screen reader announces by the words of the prompt beside it.
template <typename Name> QLineEdit* promptedBox(const Name& name, const QLabel* prompt, QWidget* parent)
{
    QLineEdit* box = inputBox(name, parent);
    nameAfterPrompt(box, prompt->text());
    return box;
}

// The pointer-rest hint of a box's prompt, or none.
QString hintOf(InputBox box)
{
    switch (box) {
    case InputBox::WorkSpace:
        return kWorkSpaceHint;
    case InputBox::WeeklyHours:
        return kHoursHint;
    default:
        return QString();
    }
}

// The tab's input boxes, each on its own row with its prompt on the left, kept by box; returns
// the row after the last.
int addPromptRows(QGridLayout* grid, int firstRow, FrmTab::Tab tab, QWidget* page, BoxTable<QLineEdit*>& boxes)
{
    int row = firstRow;
    for (const inputboxes::Entry& entry : inputboxes::all()) {
        if (boxplaces::tabOf(entry.box) != tab)
            continue;
        QLabel* prompt = label(boxplaces::promptLabelName(entry.box), inputboxes::prompt(entry.box), page);
        if (const QString hint = hintOf(entry.box); !hint.isEmpty())
            prompt->setToolTip(hint);
        grid->addWidget(prompt, row, 0);
        QLineEdit* box = promptedBox(boxplaces::objectName(entry.box), prompt, page);
        boxes[entry.box] = box;
        grid->addWidget(box, row++, 1);
    }
    return row;
}

QFont boldFont(QWidget* widget, qreal points = 0)
{
    QFont font = widget->font();
    font.setBold(true);
    if (points > 0)
        font.setPointSizeF(points);
    return font;
}

} // namespace

QWidget* FrmTab::buildNameRow(int member, QWidget* extra)
{
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    QLabel* caption = label("Label14", QStringLiteral("Name of Equipment:"), row);
    caption->setProperty("index", member);
    caption->setFont(boldFont(caption));
    QLabel* name = named(new ElidedLabel(row), "lblName"); // a long name never widens the window
    name->setProperty("index", member);
    name->setFont(boldFont(name));
    name->setFrameShape(QFrame::Box);
    name->setMinimumWidth(220);
    m_nameLabels[member] = name;
    layout->addStretch();
    layout->addWidget(caption);
    if (extra)
        layout->addWidget(extra);
    layout->addWidget(name);
    layout->addStretch();
    return row;
}

QWidget* FrmTab::buildPreliminaryTab()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    QLabel* head = label("lblHead", QStringLiteral("Budgeted Hourly Cost Analysis "), page);
    head->setFont(boldFont(head, 20));
    head->setAlignment(Qt::AlignCenter);
    QLabel* logo = label("picLogo", QString(), page);
    logo->setPixmap(programPixmap(33));
    logo->setAlignment(Qt::AlignCenter);
    m_credit = label("lblCredit", QString(), page);
    m_credit->setAlignment(Qt::AlignCenter);

    auto* grid = new QGridLayout;
    grid->addWidget(label("lblTitle", QStringLiteral(" Click on Name of Equipment or enter New Name Below :"), page), 0,
                    0, Qt::AlignRight | Qt::AlignTop);
    m_list = named(new QListWidget(page), "listTitle");
    m_list->setFixedSize(130, 70);
    grid->addWidget(m_list, 0, 1, 2, 1);
    m_refresh = named(new QPushButton(QStringLiteral("Refresh List"), page), "Command5");
    grid->addWidget(m_refresh, 1, 0, Qt::AlignCenter);
    QLabel* titlePrompt = label("lblNewTitle", QStringLiteral("Enter New Equipment Name: "), page);
    grid->addWidget(titlePrompt, 2, 0, Qt::AlignRight);
    m_title = promptedBox("txtTitle", titlePrompt, page);
    m_title->setMaxLength(filenames::kLongestName); // every name the rules allow fits whole
    grid->addWidget(m_title, 2, 1);
    grid->addWidget(label("Label59", QStringLiteral("(Be sure to refresh before entering new equipment)"), page), 3, 0);
    m_start = named(new QPushButton(QStringLiteral("Start Analysis"), page), "cmdStart");
    grid->addWidget(m_start, 4, 1);
    connect(m_refresh, &QPushButton::clicked, this, &FrmTab::refreshList);

    auto* exit = named(new QPushButton(QStringLiteral("Exit"), page), "cmdExit");
    connect(exit, &QPushButton::clicked, this, &FrmTab::exitProgram);

    layout->addStretch();
    layout->addWidget(head);
    layout->addWidget(logo);
    layout->addWidget(m_credit);
    layout->addSpacing(12);
    layout->addLayout(grid);
    layout->addSpacing(12);
    layout->addWidget(exit, 0, Qt::AlignHCenter);
    layout->addStretch();
    return new ScrollingPage(page);
}

// A tab of input boxes: the name row, each box on its own row under it, and what the tab has
// below its boxes (the work space options on "4.", Calculate BHR on "5.").
QWidget* FrmTab::buildBoxesTab(Tab tab)
{
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    grid->addWidget(buildNameRow(tab - General), 0, 0, 1, 2);
    int row = addPromptRows(grid, 1, tab, page, m_boxes);
    if (tab == WagesAndEfficiency) {
        auto* options = new QHBoxLayout;
        m_recalculateWorkSpace = named(new QRadioButton(QStringLiteral("ReCalculate WorkSpace"), page), "Option1");
        m_savedWorkSpace =
            named(new QRadioButton(QStringLiteral("Use Previous Saved Value of WorkSpace"), page), "Option2");
        options->addWidget(m_recalculateWorkSpace);
        options->addWidget(m_savedWorkSpace);
        grid->addLayout(options, row++, 0, 1, 2);
    }
    grid->setRowStretch(row, 1);
    if (tab == IndirectCosts) {
        m_calculateOnTab = named(new QPushButton(QStringLiteral("Calculate BHR"), page), "Command2");
        grid->addWidget(m_calculateOnTab, row + 1, 1, Qt::AlignRight);
    }
    return new ScrollingPage(page);
}

QWidget* FrmTab::buildReverseEngineeringTab()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    QLabel* heading = label("Label57", QStringLiteral("Current Center Evaluation"), page);
    heading->setFont(boldFont(heading, 13.5));
    heading->setAlignment(Qt::AlignCenter);
    m_pricing.newName = named(new QPushButton(QStringLiteral("New"), page), "Command3");
    m_pricing.newName->setFixedSize(44, 20);

    auto* grid = new QGridLayout;
    QLabel* markUpPrompt = label("Label49", QStringLiteral("Enter the Percent Markup for this Center:"), page);
    grid->addWidget(markUpPrompt, 0, 0, 1, 3, Qt::AlignRight);
    m_pricing.markUp = promptedBox("txtPercent", markUpPrompt, page);
    grid->addWidget(m_pricing.markUp, 0, 3);
    QLabel* quantity1Prompt = label("Label48", QStringLiteral("Enter Quantity 1:"), page);
    grid->addWidget(quantity1Prompt, 1, 0, Qt::AlignRight);
    m_pricing.quantity1 = promptedBox("txtQ1", quantity1Prompt, page);
    grid->addWidget(m_pricing.quantity1, 1, 1);
    grid->addWidget(label("Label53", QStringLiteral("Enter Price:"), page), 1, 2, Qt::AlignRight);
    m_pricing.price1 = inputBox("txtP1", page);
    nameAfterPrompt(m_pricing.price1, QStringLiteral("Enter Price for Quantity 1")); // both say "Enter Price:"
    grid->addWidget(m_pricing.price1, 1, 3);
    QLabel* quantity2Prompt = label("Label47", QStringLiteral("Enter Quantity 2:"), page);
    grid->addWidget(quantity2Prompt, 2, 0, Qt::AlignRight);
    m_pricing.quantity2 = promptedBox("txtQ2", quantity2Prompt, page);
    grid->addWidget(m_pricing.quantity2, 2, 1);
    grid->addWidget(label("Label46", QStringLiteral("Enter Price:"), page), 2, 2, Qt::AlignRight);
    m_pricing.price2 = inputBox("txtP2", page);
    nameAfterPrompt(m_pricing.price2, QStringLiteral("Enter Price for Quantity 2"));
    grid->addWidget(m_pricing.price2, 2, 3);
    QLabel* hourlyCostPrompt = label("Label45", QStringLiteral("Enter Hourly Cost for this Equipment:"), page);
    grid->addWidget(hourlyCostPrompt, 3, 0, 1, 3, Qt::AlignRight);
    m_pricing.hourlyCost = promptedBox("txtHrCost", hourlyCostPrompt, page);
    grid->addWidget(m_pricing.hourlyCost, 3, 3);

    QLabel* instruction = label("lblInstruct", kInstruction, page);
    QFont instructionFont = instruction->font();
    instructionFont.setPointSizeF(9.75);
    instruction->setFont(instructionFont);
    instruction->setWordWrap(true);
    m_pricing.calculate = named(new QPushButton(QStringLiteral("Calculate"), page), "Command1");

    layout->addWidget(heading);
    layout->addWidget(buildNameRow(4, m_pricing.newName));
    layout->addLayout(grid);
    layout->addWidget(instruction);
    layout->addWidget(m_pricing.calculate, 0, Qt::AlignHCenter);
    layout->addStretch();

    QWidget* const order[] = {m_pricing.markUp,    m_pricing.price1,    m_pricing.price2,    m_pricing.hourlyCost,
                              m_pricing.quantity1, m_pricing.quantity2, m_pricing.calculate, m_pricing.newName};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        QWidget::setTabOrder(order[i], order[i + 1]);
    return new ScrollingPage(page);
}
