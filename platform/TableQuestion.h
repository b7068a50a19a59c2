#pragma once

#include "report/TextTable.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTableWidget;

namespace platform {

// A Yes/No question with a table behind it: Show Details opens the table below the question,
// and the window can then be resized so that long tables read comfortably. Escape answers No.
class TableQuestion : public QDialog {
    Q_OBJECT
public:
    TableQuestion(const QString& title, const QString& text, const report::TextTable& details, bool yesByDefault,
                  QWidget* parent = nullptr);

private:
    void showDetails(bool shown);

    QTableWidget* m_table = nullptr;
    QPushButton* m_detailsButton = nullptr;
};

} // namespace platform
