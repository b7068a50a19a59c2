#pragma once

#include <QTableView>

namespace forms {

// A table whose first column stays in view when the table scrolls sideways: a second view of the
// same rows, showing that column alone, lies over it and follows its scrolling, sizes, sorting
// and selection.
class FrozenColumnTable : public QTableView {
    Q_OBJECT
public:
    explicit FrozenColumnTable(QWidget* parent = nullptr);

    // Call after the model is set: the frozen view shares it and the selection.
    void freezeFirstColumn();
    QTableView* frozenView() const { return m_frozen; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    void updateGeometries() override;

private:
    void showFirstColumnOnly();
    void placeFrozenView();
    void followSorting();

    QTableView* m_frozen = nullptr;
};

} // namespace forms
