// The six tab pages of the main window, one builder each.
#include "frmTab.h"

#include "FileNames.h"
#include "NamedWidget.h"
#include "ProgramIcon.h"

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

struct PromptRow {
    const char* label;
    const char* prompt;
    const char* box;
};

const PromptRow kGeneralRows[] = {
    {"Label1", "Current Social Security Tax Rate in Percentage", "txtSS"},
    {"Label2", "Maximum Salary Applied to SS Wages Deduction:", "txtDed"},
    {"Label3", "Workman's Comp (% of Salary):", "txtComp"},
    {"Label4", "Unemployment Compensation in Percentage:", "txtUnempComp"},
    {"Label5", "Maximum Wages Taxed for Unemployment Comp:", "txtMaxWages"},
    {"Label6", "Group Insurance Premium ($/Week):", "txtGroupIns"},
    {"Label7", "Retirement or Pension - Percentage of Salaries:", "txtPension"},
    {"Label8", "Power Consumption Cost ($/KWh):", "txtPower"},
    {"Label9", "Paid Vacation Days:", "txtVacation"},
    {"Label10", "Paid Holidays:", "txtHolidays"},
    {"Label11", "Current Rent ($/Square Foot):", "txtRent"},
    {"Label12", "Insurance of Equipment (% of Cost):", "txtInsurEquip"},
    {"Label13", "Property Taxes (% of Equipment):", "txtPropTaxes"},
    {"Label15", "Depreciation Used (Percentage Straight Line):", "txtDepreciation"},
    {"Label50", "Total Equipment Cost within Plant in Dollars:", "txtTotCost"},
    {"Label58", "Total Square Feet of Entire Plant:", "txtTotFeet"},
};

const PromptRow kEquipmentRows[] = {
    {"Label16", "Enter Total Cost Plus Installation of Equipment:", "txtCost"},
    {"Label17", "Enter Horsepower of Motor #1:", "txtHP1"},
    {"Label18", "Enter Percent Usage of Motor #1:", "txtUsage1"},
    {"Label19", "Enter Horsepower of Motor #2:", "txtHP2"},
    {"Label20", "Enter Percent Usage of Motor #2:", "txtUsage2"},
    {"Label21", "Enter Horsepower of Motor #3:", "txtHP3"},
    {"Label22", "Enter Percent Usage of Motor #3:", "txtUsage3"},
    {"Label23", "Enter Horsepower of Motor #4:", "txtHP4"},
    {"Label24", "Enter Percent Usage of Motor #4:", "txtUsage4"},
    {"Label25", "Enter Horsepower of Motor #5:", "txtHP5"},
    {"Label26", "Enter Percent Usage of Motor #5:", "txtUsage5"},
};

const PromptRow kWagesRows[] = {
    {"Label27", "Enter Wage Scale for Employee #1 ($/Hr.)", "txtWage1"},
    {"Label28", "Enter Wage Scale for Employee #2 ($/Hr.)", "txtWage2"},
    {"Label29", "Enter Wage Scale for Employee #3 ($/Hr.)", "txtWage3"},
    {"Label30", "Enter Square Footage of Work Space:", "txtSq"},
    {"Label31", "Enter Average Hours per Week for Employees:", "txtHours"},
    {"Label32", "Enter Wattage of Arc Lamps Used:", "txtArc"},
    {"Label33", "Enter Percent Usage of Arc Lamps:", "txtArcPercent"},
    {"Label34", "Enter Total Wattage for Lights, Air Cond, Etc.:", "txtTotWatt"},
    {"Label35", "Enter Percent Efficiency (Example 100%):", "txtEff100"},
    {"Label36", "Enter Percent Efficiency (Example 80%):", "txtEff80"},
    {"Label37", "Enter Percent Efficiency (Example 70%):", "txtEff70"},
    {"Label38", "Enter Percent Efficiency (Example 60%):", "txtEff60"},
};

const PromptRow kIndirectRows[] = {
    {"Label39", "Indirect Wages per Year Applied To This Center:", "txtInd"},
    {"Label40", "Supply Costs per Year Applied To This Center:", "txtSupply"},
    {"Label41", "Repair Costs per Year Applied To This Center:", "txtRepair"},
    {"Label42", "General Factory Costs ($/Yr) Applied To This Center:", "txtGen"},
    {"Label43", "General Selling Costs ($/Yr) Applied To This Center:", "txtSell"},
};

const QString kWorkSpaceHint = QStringLiteral(
    "The amount of square footage is not based on physical occupation but ratther on the ratio of "
    "equipment cost over the total of all equipment costs. This percentage is then multiplied times "
    "the actual square footage of the plant to produce a \"burdened\" square footage for the equipment.");
const QString kHoursHint = QStringLiteral(
    "If you have more than one employee, simply enter the average, not the total. It is recommended "
    "that you not exceed 40 hours per week even if you plan on running more than one shift.");
const QString kInstruction = QStringLiteral(
    "If you wish to evaluate a given piece of equipment where you already know the retail price at "
    "several quantities, then this small routine will enlighten and surprise you. After you have "
    "entered all required data, click the calculate button below for results that describe the speed, "
    "setup and pricing at various quantities. If you wish to analyze a new piece of equipment, enter "
    "that equipment name at tab one.");

QLabel* label(const char* name, const QString& text, QWidget* parent)
{
    return named(new QLabel(text, parent), name);
}

QLineEdit* inputBox(const char* name, QWidget* parent)
{
    auto* edit = named(new QLineEdit(parent), name);
    edit->setMinimumWidth(130);
    return edit;
}

// Prompt on the left, box on the right, one row per entry.
void addPromptRows(QGridLayout* grid, int firstRow, const PromptRow* rows, std::size_t count, QWidget* page)
{
    for (std::size_t i = 0; i < count; ++i) {
        const int row = firstRow + int(i);
        grid->addWidget(label(rows[i].label, QString::fromUtf8(rows[i].prompt), page), row, 0);
        grid->addWidget(inputBox(rows[i].box, page), row, 1);
    }
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
    QLabel* name = label("lblName", QString(), row);
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
    grid->addWidget(label("lblTitle", QStringLiteral(" Click on Name of Equipment or enter New Name Below :"), page),
                    0, 0, Qt::AlignRight | Qt::AlignTop);
    m_list = named(new QListWidget(page), "listTitle");
    m_list->setFixedSize(130, 70);
    grid->addWidget(m_list, 0, 1, 2, 1);
    grid->addWidget(named(new QPushButton(QStringLiteral("Refresh List"), page), "Command5"), 1, 0,
                    Qt::AlignCenter);
    grid->addWidget(label("lblNewTitle", QStringLiteral("Enter New Equipment Name: "), page), 2, 0, Qt::AlignRight);
    m_title = inputBox("txtTitle", page);
    m_title->setMaxLength(filenames::kLongestName); // every name the rules allow fits whole
    grid->addWidget(m_title, 2, 1);
    grid->addWidget(label("Label59", QStringLiteral("(Be sure to refresh before entering new equipment)"), page), 3,
                    0);
    grid->addWidget(named(new QPushButton(QStringLiteral("Start Analysis"), page), "cmdStart"), 4, 1);
    connect(page->findChild<QPushButton*>(QStringLiteral("Command5")), &QPushButton::clicked, this,
            &FrmTab::refreshList);

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
    return page;
}

QWidget* FrmTab::buildGeneralTab()
{
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    grid->addWidget(buildNameRow(0), 0, 0, 1, 2);
    addPromptRows(grid, 1, kGeneralRows, std::size(kGeneralRows), page);
    grid->setRowStretch(std::size(kGeneralRows) + 1, 1);
    return page;
}

QWidget* FrmTab::buildEquipmentTab()
{
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    grid->addWidget(buildNameRow(1), 0, 0, 1, 2);
    addPromptRows(grid, 1, kEquipmentRows, std::size(kEquipmentRows), page);
    grid->setRowStretch(std::size(kEquipmentRows) + 1, 1);
    return page;
}

QWidget* FrmTab::buildWagesTab()
{
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    grid->addWidget(buildNameRow(2), 0, 0, 1, 2);
    addPromptRows(grid, 1, kWagesRows, std::size(kWagesRows), page);
    page->findChild<QLabel*>(QStringLiteral("Label30"))->setToolTip(kWorkSpaceHint);
    page->findChild<QLabel*>(QStringLiteral("Label31"))->setToolTip(kHoursHint);

    auto* options = new QHBoxLayout;
    options->addWidget(named(new QRadioButton(QStringLiteral("ReCalculate WorkSpace"), page), "Option1"));
    options->addWidget(
        named(new QRadioButton(QStringLiteral("Use Previous Saved Value of WorkSpace"), page), "Option2"));
    const int optionsRow = int(std::size(kWagesRows)) + 1;
    grid->addLayout(options, optionsRow, 0, 1, 2);
    grid->setRowStretch(optionsRow + 1, 1);
    return page;
}

QWidget* FrmTab::buildIndirectTab()
{
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    grid->addWidget(buildNameRow(3), 0, 0, 1, 2);
    addPromptRows(grid, 1, kIndirectRows, std::size(kIndirectRows), page);
    const int last = int(std::size(kIndirectRows)) + 1;
    grid->setRowStretch(last, 1);
    grid->addWidget(named(new QPushButton(QStringLiteral("Calculate BHR"), page), "Command2"), last + 1, 1,
                    Qt::AlignRight);
    return page;
}

QWidget* FrmTab::buildReverseEngineeringTab()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    QLabel* heading = label("Label57", QStringLiteral("Current Center Evaluation"), page);
    heading->setFont(boldFont(heading, 13.5));
    heading->setAlignment(Qt::AlignCenter);
    auto* newName = named(new QPushButton(QStringLiteral("New"), page), "Command3");
    newName->setFixedSize(44, 20);

    auto* grid = new QGridLayout;
    grid->addWidget(label("Label49", QStringLiteral("Enter the Percent Markup for this Center:"), page), 0, 0, 1, 3,
                    Qt::AlignRight);
    grid->addWidget(inputBox("txtPercent", page), 0, 3);
    grid->addWidget(label("Label48", QStringLiteral("Enter Quantity 1:"), page), 1, 0, Qt::AlignRight);
    grid->addWidget(inputBox("txtQ1", page), 1, 1);
    grid->addWidget(label("Label53", QStringLiteral("Enter Price:"), page), 1, 2, Qt::AlignRight);
    grid->addWidget(inputBox("txtP1", page), 1, 3);
    grid->addWidget(label("Label47", QStringLiteral("Enter Quantity 2:"), page), 2, 0, Qt::AlignRight);
    grid->addWidget(inputBox("txtQ2", page), 2, 1);
    grid->addWidget(label("Label46", QStringLiteral("Enter Price:"), page), 2, 2, Qt::AlignRight);
    grid->addWidget(inputBox("txtP2", page), 2, 3);
    grid->addWidget(label("Label45", QStringLiteral("Enter Hourly Cost for this Equipment:"), page), 3, 0, 1, 3,
                    Qt::AlignRight);
    grid->addWidget(inputBox("txtHrCost", page), 3, 3);

    QLabel* instruction = label("lblInstruct", kInstruction, page);
    QFont instructionFont = instruction->font();
    instructionFont.setPointSizeF(9.75);
    instruction->setFont(instructionFont);
    instruction->setWordWrap(true);
    auto* calculate = named(new QPushButton(QStringLiteral("Calculate"), page), "Command1");

    layout->addWidget(heading);
    layout->addWidget(buildNameRow(4, newName));
    layout->addLayout(grid);
    layout->addWidget(instruction);
    layout->addWidget(calculate, 0, Qt::AlignHCenter);
    layout->addStretch();

    const char* order[] = {"txtPercent", "txtP1", "txtP2", "txtHrCost", "txtQ1", "txtQ2", "Command1", "Command3"};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        QWidget::setTabOrder(page->findChild<QWidget*>(QString::fromLatin1(order[i])),
                             page->findChild<QWidget*>(QString::fromLatin1(order[i + 1])));
    return page;
}
