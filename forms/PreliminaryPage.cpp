#include "forms/PreliminaryPage.h"

#include "forms/BoxHint.h"
#include "forms/ListEntries.h"
#include "forms/LowerLayers.h"
#include "forms/PageParts.h"
#include "forms/ProgramIcon.h"
#include "store/FileNames.h"

#include <QEvent>
#include <QGridLayout>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

using namespace forms::lowerlayers;

namespace forms {

using namespace pageparts;

PreliminaryPage::PreliminaryPage(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    QLabel* head = label("lblHead", tr("Budgeted Hourly Cost Analysis "), this);
    head->setFont(boldFont(head, 20));
    head->setAlignment(Qt::AlignCenter);
    QLabel* logo = label("picLogo", QString(), this);
    logo->setPixmap(programPixmap(33));
    logo->setAlignment(Qt::AlignCenter);
    m_credit = label("lblCredit", QString(), this);
    m_credit->setAlignment(Qt::AlignCenter);

    layout->addStretch();
    layout->addWidget(head);
    layout->addWidget(logo);
    layout->addWidget(m_credit);
    layout->addSpacing(12);
    buildGrid(*layout);
    BoxHint::attach(m_title, BoxHint::Content::Text);
    followListChoices();
}

void PreliminaryPage::buildGrid(QVBoxLayout& pageLayout)
{
    auto* grid = new QGridLayout;
    grid->addWidget(label("lblTitle", tr(" Click on Name of Equipment or enter New Name Below :"), this), 0, 0,
                    Qt::AlignRight | Qt::AlignTop);
    m_list = named(new QListWidget(this), "listTitle");
    m_list->setFixedSize(130, 70);
    grid->addWidget(m_list, 0, 1, 2, 1);
    auto* refresh = named(new QPushButton(tr("Refresh List"), this), "Command5");
    grid->addWidget(refresh, 1, 0, Qt::AlignCenter);
    QLabel* titlePrompt = label("lblNewTitle", tr("Enter New Equipment Name: "), this);
    grid->addWidget(titlePrompt, 2, 0, Qt::AlignRight);
    m_title = promptedBox("txtTitle", titlePrompt, this);
    m_title->setMaxLength(filenames::kLongestName); // every name the rules allow fits whole
    grid->addWidget(m_title, 2, 1);
    grid->addWidget(label("Label59", tr("(Be sure to refresh before entering new equipment)"), this), 3, 0);
    auto* start = named(new QPushButton(tr("Start Analysis"), this), "cmdStart");
    grid->addWidget(start, 4, 1);
    auto* exit = named(new QPushButton(tr("Exit"), this), "cmdExit");

    pageLayout.addLayout(grid);
    pageLayout.addSpacing(12);
    pageLayout.addWidget(exit, 0, Qt::AlignHCenter);
    pageLayout.addStretch();
    connect(refresh, &QPushButton::clicked, this, &PreliminaryPage::refreshPressed);
    connect(start, &QPushButton::clicked, this, &PreliminaryPage::startPressed);
    connect(exit, &QPushButton::clicked, this, &PreliminaryPage::exitPressed);
    connect(m_title, &QLineEdit::textChanged, this, &PreliminaryPage::titleChanged);
    connect(m_title, &QLineEdit::returnPressed, this, [this] { emit titleEntered(m_title->text()); });
}

namespace {
int chosenRow(const QListWidget* list)
{
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.first());
}
} // namespace

void PreliminaryPage::followListChoices()
{
    // A click or an arrow key that chooses an entry selects it; focus arriving in the list only
    // marks one.
    connect(m_list, &QListWidget::itemSelectionChanged, this, [this] {
        if (const int row = chosenRow(m_list); row >= 0)
            emit entryChosen(row);
    });
    // A click on the entry that is already chosen changes no choice, and selects it again.
    m_list->viewport()->installEventFilter(this);
    connect(m_list, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const int row = m_list->row(item);
        if (row == m_rowBeforePress && row == chosenRow(m_list))
            emit entryChosen(row);
    });
    // Typing a name lets go of the chosen entry, so that Start Analysis takes the typed name.
    connect(m_title, &QLineEdit::textEdited, m_list, &QListWidget::clearSelection);
}

bool PreliminaryPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_list->viewport() && event->type() == QEvent::MouseButtonPress)
        m_rowBeforePress = chosenRow(m_list);
    return QWidget::eventFilter(watched, event);
}

void PreliminaryPage::showCredit(const QString& line)
{
    m_credit->setText(line);
}

void PreliminaryPage::showEntries(const QStringList& names)
{
    m_list->clear();
    addNames(m_list, names);
}

void PreliminaryPage::showEntriesQuietly(const QStringList& names)
{
    const QSignalBlocker quiet(m_list);
    showEntries(names);
}

void PreliminaryPage::chooseQuietly(int row)
{
    const QSignalBlocker quiet(m_list);
    m_list->setCurrentRow(row);
}

void PreliminaryPage::forgetEntry(int row)
{
    takeEntryQuietly(m_list, row);
}

QString PreliminaryPage::entry(int row) const
{
    return m_list->item(row)->text();
}

int PreliminaryPage::rowOf(const QString& name) const
{
    for (int row = 0; row < m_list->count(); ++row)
        if (m_list->item(row)->text() == name)
            return row;
    return -1;
}

std::optional<QString> PreliminaryPage::chosenEntry() const
{
    const QListWidgetItem* chosen = m_list->currentItem();
    if (chosen && chosen->isSelected())
        return chosen->text();
    return std::nullopt;
}

QString PreliminaryPage::title() const
{
    return m_title->text();
}

void PreliminaryPage::setTitle(const QString& name)
{
    m_title->setText(name);
}

void PreliminaryPage::clearTitle()
{
    m_title->clear();
}

} // namespace forms
