#include "forms/FrozenColumnTable.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QSignalBlocker>

namespace forms {

FrozenColumnTable::FrozenColumnTable(QWidget* parent) : QTableView(parent)
{
    m_frozen = new QTableView(this);
    m_frozen->setObjectName(QStringLiteral("tblFrozenNames"));
    m_frozen->setFocusPolicy(Qt::NoFocus);
    m_frozen->verticalHeader()->hide();
    m_frozen->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_frozen->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_frozen->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_frozen->setVerticalScrollMode(ScrollPerPixel);
    m_frozen->setFrameShape(QFrame::NoFrame);
    m_frozen->setStyleSheet(QStringLiteral("QTableView { border-right: 1px solid palette(mid); }"));
    setHorizontalScrollMode(ScrollPerPixel);
    setVerticalScrollMode(ScrollPerPixel);
}

void FrozenColumnTable::freezeFirstColumn()
{
    m_frozen->setModel(model());
    m_frozen->setSelectionModel(selectionModel());
    m_frozen->setSelectionBehavior(selectionBehavior());
    m_frozen->setWordWrap(wordWrap());
    m_frozen->setToolTip(toolTip());
    m_frozen->verticalHeader()->setSectionResizeMode(verticalHeader()->sectionResizeMode(0));
    m_frozen->verticalHeader()->setDefaultSectionSize(verticalHeader()->defaultSectionSize());
    showFirstColumnOnly();
    connect(model(), &QAbstractItemModel::modelReset, this, &FrozenColumnTable::showFirstColumnOnly);
    viewport()->stackUnder(m_frozen);

    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int logical, int, int size) {
        if (logical == 0) {
            m_frozen->setColumnWidth(0, size);
            placeFrozenView();
        }
    });
    connect(verticalHeader(), &QHeaderView::sectionResized, this,
            [this](int logical, int, int size) { m_frozen->setRowHeight(logical, size); });
    connect(m_frozen->verticalScrollBar(), &QAbstractSlider::valueChanged, verticalScrollBar(),
            &QAbstractSlider::setValue);
    connect(verticalScrollBar(), &QAbstractSlider::valueChanged, m_frozen->verticalScrollBar(),
            &QAbstractSlider::setValue);
    connect(m_frozen, &QTableView::doubleClicked, this, &QTableView::doubleClicked);
    followSorting();
    m_frozen->setColumnWidth(0, columnWidth(0));
    placeFrozenView();
    m_frozen->show();
}

// A click on the frozen heading sorts the table as a click on the heading beneath it would.
void FrozenColumnTable::followSorting()
{
    m_frozen->horizontalHeader()->setSortIndicatorShown(true);
    m_frozen->horizontalHeader()->setSectionsClickable(true);
    connect(m_frozen->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int logical) {
        const QHeaderView* header = horizontalHeader();
        const bool again = header->sortIndicatorSection() == logical;
        const Qt::SortOrder order =
            again && header->sortIndicatorOrder() == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
        horizontalHeader()->setSortIndicator(logical, order);
    });
    connect(horizontalHeader(), &QHeaderView::sortIndicatorChanged, this, [this](int logical, Qt::SortOrder order) {
        const QSignalBlocker quiet(m_frozen->horizontalHeader());
        m_frozen->horizontalHeader()->setSortIndicator(logical, order);
    });
}

void FrozenColumnTable::showFirstColumnOnly()
{
    for (int column = 1; column < model()->columnCount(); ++column)
        m_frozen->setColumnHidden(column, true);
    m_frozen->setColumnWidth(0, columnWidth(0));
}

void FrozenColumnTable::resizeEvent(QResizeEvent* event)
{
    QTableView::resizeEvent(event);
    placeFrozenView();
}

void FrozenColumnTable::updateGeometries()
{
    QTableView::updateGeometries();
    placeFrozenView();
}

// The keyboard never leaves the chosen cell hidden under the frozen column.
QModelIndex FrozenColumnTable::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex current = QTableView::moveCursor(cursorAction, modifiers);
    if (cursorAction == MoveLeft && current.column() > 0 &&
        visualRect(current).topLeft().x() < m_frozen->columnWidth(0)) {
        const int shift = visualRect(current).topLeft().x() - m_frozen->columnWidth(0);
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() + shift);
    }
    return current;
}

void FrozenColumnTable::scrollTo(const QModelIndex& index, ScrollHint hint)
{
    if (index.column() > 0)
        QTableView::scrollTo(index, hint);
}

void FrozenColumnTable::placeFrozenView()
{
    if (!m_frozen || !model())
        return;
    m_frozen->setGeometry(verticalHeader()->width() + frameWidth(), frameWidth(), columnWidth(0),
                          viewport()->height() + horizontalHeader()->height());
}

} // namespace forms
