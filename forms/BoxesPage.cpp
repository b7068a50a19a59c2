#include "forms/BoxesPage.h"

#include "forms/BoxHint.h"
#include "forms/BoxPlaces.h"
#include "forms/LowerLayers.h"
#include "forms/PageParts.h"
#include "store/BoxWords.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>

using namespace forms::lowerlayers;

namespace forms {

using namespace pageparts;

namespace {

// The pointer-rest hint of a box's prompt, or none.
QString hintOf(InputBox box)
{
    switch (box) {
    case InputBox::WorkSpace:
        return BoxesPage::tr(
            "The amount of square footage is not based on physical occupation but ratther on the ratio of "
            "equipment cost over the total of all equipment costs. This percentage is then multiplied times "
            "the actual square footage of the plant to produce a \"burdened\" square footage for the equipment.");
    case InputBox::WeeklyHours:
        return BoxesPage::tr(
            "If you have more than one employee, simply enter the average, not the total. It is recommended "
            "that you not exceed 40 hours per week even if you plan on running more than one shift.");
    default:
        return QString();
    }
}

} // namespace

BoxesPage::BoxesPage(MainWindowLink::Tab tab, QWidget* parent) : QWidget(parent)
{
    auto* grid = new QGridLayout(this);
    const NameRow nameRow = pageparts::nameRow(tab - MainWindowLink::General);
    m_name = nameRow.name;
    grid->addWidget(nameRow.row, 0, 0, 1, 2);
    int row = addPromptRows(*grid, tab);
    if (tab == MainWindowLink::WagesAndEfficiency)
        row = addWorkSpaceOptions(*grid, row);
    grid->setRowStretch(row, 1);
    if (tab == MainWindowLink::IndirectCosts) {
        auto* calculateOnTab = named(new QPushButton(tr("Calculate BHR"), this), "Command2");
        grid->addWidget(calculateOnTab, row + 1, 1, Qt::AlignRight);
        connect(calculateOnTab, &QPushButton::clicked, this, &BoxesPage::calculate);
    }
    // The note beside a number box says when its text will not read as typed.
    for (QLineEdit* box : std::as_const(m_boxes))
        if (box)
            BoxHint::attach(box, BoxHint::Content::Number);
}

// The tab's input boxes, each on its own row with its prompt on the left; returns the row after
// the last.
int BoxesPage::addPromptRows(QGridLayout& grid, MainWindowLink::Tab tab)
{
    int row = 1;
    for (const inputboxes::Entry& entry : inputboxes::all()) {
        if (boxplaces::tabOf(entry.box) != tab)
            continue;
        QLabel* prompt = label(boxplaces::promptLabelName(entry.box), inputboxes::shownPrompt(entry.box), this);
        if (const QString hint = hintOf(entry.box); !hint.isEmpty())
            prompt->setToolTip(hint);
        grid.addWidget(prompt, row, 0);
        QLineEdit* box = promptedBox(boxplaces::objectName(entry.box), prompt, this);
        m_boxes[entry.box] = box;
        grid.addWidget(box, row++, 1);
    }
    return row;
}

int BoxesPage::addWorkSpaceOptions(QGridLayout& grid, int row)
{
    auto* options = new QHBoxLayout;
    auto* recalculate = named(new QRadioButton(tr("ReCalculate WorkSpace"), this), "Option1");
    auto* saved = named(new QRadioButton(tr("Use Previous Saved Value of WorkSpace"), this), "Option2");
    options->addWidget(recalculate);
    options->addWidget(saved);
    grid.addLayout(options, row, 0, 1, 2);
    connect(recalculate, &QRadioButton::clicked, this, &BoxesPage::recalculateWorkSpace);
    connect(saved, &QRadioButton::clicked, this, &BoxesPage::useSavedWorkSpace);
    return row + 1;
}

void BoxesPage::clearBoxes()
{
    for (QLineEdit* box : std::as_const(m_boxes))
        if (box)
            box->clear();
}

} // namespace forms
