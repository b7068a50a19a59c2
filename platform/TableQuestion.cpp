#include "platform/TableQuestion.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

using namespace report;

namespace platform {

namespace {

QTableWidget* tableOf(const TextTable& details, QWidget* parent)
{
    auto* table =
        new QTableWidget(static_cast<int>(details.rows.size()), static_cast<int>(details.headings.size()), parent);
    table->setObjectName(QStringLiteral("tblDetails"));
    table->setHorizontalHeaderLabels(details.headings);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->hide();
    for (int row = 0; row < table->rowCount(); ++row)
        for (int column = 0; column < table->columnCount(); ++column)
            table->setItem(row, column, new QTableWidgetItem(details.rows.at(row).value(column)));
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->setWordWrap(false);
    table->resizeColumnsToContents();
    constexpr int kWidestColumn = 260; // a long name is shortened rather than hiding the figures
    for (int column = 0; column < table->columnCount(); ++column)
        table->setColumnWidth(column, std::min(table->columnWidth(column), kWidestColumn));
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

} // namespace

TableQuestion::TableQuestion(const QString& title, const QString& text, const TextTable& details, bool yesByDefault,
                             QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(title);
    setSizeGripEnabled(true);
    auto* layout = new QVBoxLayout(this);
    auto* question = new QLabel(text, this);
    question->setWordWrap(true);
    question->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(question);
    m_table = tableOf(details, this);
    m_table->hide();
    layout->addWidget(m_table, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Yes | QDialogButtonBox::No, this);
    m_detailsButton = buttons->addButton(tr("Show &Details\u2026"), QDialogButtonBox::ActionRole);
    m_detailsButton->setCheckable(true);
    m_detailsButton->setAutoDefault(false);
    m_detailsButton->setEnabled(!details.rows.isEmpty());
    QPushButton* chosen = buttons->button(yesByDefault ? QDialogButtonBox::Yes : QDialogButtonBox::No);
    chosen->setDefault(true);
    chosen->setFocus();
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_detailsButton, &QPushButton::toggled, this, &TableQuestion::showDetails);
}

void TableQuestion::showDetails(bool shown)
{
    m_table->setVisible(shown);
    m_detailsButton->setText(shown ? tr("Hide &Details") : tr("Show &Details\u2026"));
    if (shown)
        resize(size().expandedTo(QSize(860, 460)));
    else
        adjustSize();
}

} // namespace platform
