#include "forms/frmDelete.h"

#include "forms/AccessiblePrompt.h"
#include "forms/DataChanges.h"
#include "forms/ListEntries.h"
#include "forms/LowerLayers.h"
#include "forms/MainWindowLink.h"
#include "forms/NamedWidget.h"
#include "platform/Platform.h"
#include "store/EquipmentList.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

using namespace forms::lowerlayers;

namespace forms {

namespace {

QLabel* centredLabel(const char* name, const QString& text, QWidget* parent)
{
    auto* label = named(new QLabel(text, parent), name);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    return label;
}

QFont boldFont(const QFont& base, qreal points = 0)
{
    QFont font = base;
    font.setBold(true);
    if (points > 0) {
        font.setFamily(QStringLiteral("Arial"));
        font.setStyleHint(QFont::SansSerif);
        font.setPointSizeF(points);
    }
    return font;
}

} // namespace

FrmDelete::FrmDelete(Platform& platform, MainWindowLink& mainWindow, QWidget* parent)
    : QWidget(parent), m_platform(platform), m_mainWindow(mainWindow)
{
    setObjectName(QStringLiteral("frmDelete"));
    setWindowTitle(tr("Delete Equipment in List"));
    build();
    loadList();
}

void FrmDelete::build()
{
    auto* layout = new QVBoxLayout(this);
    QLabel* head = centredLabel("lblHeadDelete", tr("Delete Utility"), this);
    head->setFont(boldFont(head->font(), 18));
    layout->addWidget(head);
    layout->addWidget(centredLabel(
        "Label2",
        FrmDelete::tr(
            "Highlight one of the items in the list below by clicking on the name. Then click on the command Delete "
            "to complete the deletion sequence. If you need to restore this file at a later date, be certain to use "
            "the same spelling when creating the new file."),
        this));

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("lstDelete"));
    layout->addWidget(m_list);
    QLabel* caption = centredLabel("Label3", tr("The Following File Is To Be Deleted."), this);
    caption->setFont(boldFont(caption->font()));
    layout->addWidget(caption);
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("txtDelete"));
    nameAfterPrompt(m_name, caption->text());
    layout->addWidget(m_name);

    auto* buttons = new QHBoxLayout;
    QPushButton* remove = named(new QPushButton(tr("Delete"), this), "cmdDelete");
    QPushButton* cancelButton = named(new QPushButton(tr("Cancel"), this), "cmdDelCancel");
    buttons->addWidget(remove);
    buttons->addStretch();
    buttons->addWidget(cancelButton);
    layout->addLayout(buttons);
    resize(420, 380);

    connect(m_list, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { m_name->setText(item->text()); });
    connect(m_list, &QListWidget::itemSelectionChanged, this, [this] {
        if (const int row = selectedRow(); row >= 0)
            m_name->setText(m_list->item(row)->text());
    });
    connect(remove, &QPushButton::clicked, this, &FrmDelete::deleteName);
    connect(cancelButton, &QPushButton::clicked, this, &FrmDelete::cancel);
}

void FrmDelete::loadList()
{
    const equipmentlist::Loaded loaded = equipmentlist::load(m_platform.folder());
    addNames(m_list, loaded.names);
    if (loaded.complete)
        return;
    bringMainWindowForward();
    if (!loaded.damage.isEmpty())
        m_platform.messages().tell(loaded.damage +
                                       QCoreApplication::translate("EquipmentList", equipmentlist::kDamagedListNote),
                                   {}, MessageBoxes::Icon::Warning);
    else
        m_platform.messages().tell(QCoreApplication::translate("EquipmentList", equipmentlist::kMissingListMessage));
}

void FrmDelete::deleteName()
{
    // Enter alone never deletes: the question's default answer is No.
    if (m_platform.messages().askYesNo(FrmDelete::tr("Are you sure you wish to delete this file?\r\n"), {},
                                       MessageBoxes::Answer::No) != MessageBoxes::Answer::Yes)
        return;
    if (m_name->text().isEmpty()) {
        m_platform.messages().tell(FrmDelete::tr("You must have a valid File to Delete. Click OK and begin again"));
        return;
    }
    const equipmentlist::Removal removal = equipmentlist::remove(m_platform.folder(), m_name->text());
    // The lists follow the file: when it could not be changed they keep every entry.
    if (!removal.result.ok()) {
        m_platform.messages().tell(removal.result.error, {}, MessageBoxes::Icon::Warning);
        return;
    }
    const QString removed = m_name->text();
    removeEntries(selectedRow());
    if (removal.found)
        m_mainWindow.dataChanges().announce({DataChange::File::List, {removed}});
    m_name->clear();
    m_mainWindow.clearTitle();
    m_mainWindow.selectTab(MainWindowLink::Preliminary);
}

// Both lists hold the names in file order, so one position means the same name in each.
void FrmDelete::removeEntries(int row)
{
    takeEntryQuietly(m_list, row);
    m_mainWindow.forgetListEntry(row);
}

void FrmDelete::cancel()
{
    close();
    m_mainWindow.ownerWindow().show();
    bringMainWindowForward();
}

void FrmDelete::bringMainWindowForward()
{
    m_mainWindow.ownerWindow().raise();
    m_mainWindow.ownerWindow().activateWindow();
}

int FrmDelete::selectedRow() const
{
    const QList<QListWidgetItem*> chosen = m_list->selectedItems();
    return chosen.isEmpty() ? -1 : m_list->row(chosen.first());
}

} // namespace forms
