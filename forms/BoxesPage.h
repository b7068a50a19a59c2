#pragma once

#include "forms/MainWindowLink.h"
#include "store/InputTexts.h"

#include <QWidget>

class QGridLayout;
class QLabel;
class QLineEdit;

namespace forms {

// One of the main window's tabs of input boxes: the name row, each of the tab's boxes on its own
// row under it, and what the tab has below its boxes (the work space options on "4.", Calculate
// BHR on "5.").
class BoxesPage : public QWidget {
    Q_OBJECT
public:
    explicit BoxesPage(MainWindowLink::Tab tab, QWidget* parent = nullptr);

    // The page's box of that name; none for a box on another tab.
    QLineEdit* box(store::InputBox which) const { return m_boxes[which]; }
    QLabel* nameLabel() const { return m_name; }
    void clearBoxes();

signals:
    void recalculateWorkSpace();
    void useSavedWorkSpace();
    void calculate();

private:
    int addPromptRows(QGridLayout& grid, MainWindowLink::Tab tab);
    int addWorkSpaceOptions(QGridLayout& grid, int row);

    store::BoxTable<QLineEdit*> m_boxes;
    QLabel* m_name = nullptr;
};

} // namespace forms
