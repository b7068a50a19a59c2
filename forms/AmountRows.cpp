#include "forms/AmountRows.h"

#include "forms/LowerLayers.h"
#include "forms/NamedWidget.h"
#include "forms/TextBoxes.h"
#include "report/ResultTexts.h"

#include <QFontMetricsF>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QtMath>

#include <algorithm>

using namespace forms::lowerlayers;

namespace forms {

namespace {
// Room for a 15-character amount text, the frame and margins included.
int standardWidth(const QLineEdit* box)
{
    return box->fontMetrics().horizontalAdvance(QString(17, u'0'));
}
} // namespace

void useAmountFace(QWidget* widget)
{
    widget->setFont(fixedPitchFace(0, true));
}

void showAmount(QLineEdit* box, const QString& text)
{
    box->setText(text);
    const QFontMetrics metrics = box->fontMetrics();
    // The size hint allows for 17 characters "x" and adds the frame and the margins.
    const int aroundText = box->sizeHint().width() - 17 * metrics.horizontalAdvance(u'x');
    // Characters may be fractions of a pixel wide, glyphs may reach past their advance, and the
    // cursor after the text takes a pixel too: the box scrolls its text unless all of that fits.
    const int overhang = 2 * std::max(0, -metrics.minLeftBearing()) + std::max(0, -metrics.minRightBearing());
    const int textWidth = qCeil(QFontMetricsF(box->font()).horizontalAdvance(text)) + 1 + overhang;
    box->setMinimumWidth(std::max(standardWidth(box), textWidth + aroundText));
    box->setCursorPosition(0);
}

void showAmounts(const QList<QLineEdit*>& boxes, std::span<const AmountRows::Entry> entries,
                 const std::optional<ResultRecord>& record, const QString& pattern)
{
    for (qsizetype i = 0; i < boxes.size(); ++i)
        showAmount(boxes[i], record ? resulttexts::fieldText(record->annualCost(entries[std::size_t(i)].cost), pattern,
                                                             resulttexts::kAmountWidth)
                                    : QString());
}

AmountRows::AmountRows(QWidget* parent, QGridLayout* grid, int firstRow)
    : m_parent(parent), m_grid(grid), m_row(firstRow)
{
}

QList<QLineEdit*> AmountRows::addAll(std::span<const Entry> entries)
{
    QList<QLineEdit*> boxes;
    for (const Entry& entry : entries)
        boxes.append(add(entry.box, entry.label, tr(entry.caption), entry.column, entry.rule));
    return boxes;
}

void AmountRows::addRule(Column column, Rule rule)
{
    auto* lines = new QWidget(m_parent);
    auto* layout = new QVBoxLayout(lines);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    for (int i = 0; i < (rule == DoubleRule ? 2 : 1); ++i) {
        auto* line = new QFrame(lines);
        line->setFrameShape(QFrame::HLine);
        line->setObjectName(rule == DoubleRule ? QStringLiteral("doubleRule") : QStringLiteral("rule"));
        layout->addWidget(line);
    }
    m_grid->addWidget(lines, m_row++, column);
}

QLineEdit* AmountRows::add(const char* boxName, const char* labelName, const QString& caption, Column column, Rule rule)
{
    if (rule != NoRule)
        addRule(column, rule);
    auto* label = named(new QLabel(caption, m_parent), labelName);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    useAmountFace(label);
    auto* box = named(new QLineEdit(m_parent), boxName);
    box->setReadOnly(true);
    useAmountFace(box);
    box->setMinimumWidth(standardWidth(box));
    // A grand total's label reaches over the middle column to end next to the right one.
    m_grid->addWidget(label, m_row, 0, 1, column == Right ? 2 : 1, Qt::AlignRight);
    m_grid->addWidget(box, m_row++, column);
    return box;
}

} // namespace forms
