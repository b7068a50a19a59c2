#pragma once

#include "engine/ResultRecord.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

#include <optional>
#include <span>

class QGridLayout;
class QLineEdit;
class QWidget;

namespace forms {

// The column of labelled amounts that the result windows show: labels right-aligned on the left,
// item amounts in the middle column, grand totals in the right one, rules above subtotals.
class AmountRows {
    Q_DECLARE_TR_FUNCTIONS(AmountRows)

public:
    enum Column { Middle = 1, Right = 2 };
    enum Rule { NoRule, SingleRule, DoubleRule };

    // One labelled amount: its box and label names, caption, the annual cost it shows, and where.
    struct Entry {
        const char* box;
        const char* label;
        const char* caption;
        engine::AnnualCost cost;
        Column column;
        Rule rule;
    };

    AmountRows(QWidget* parent, QGridLayout* grid, int firstRow);

    // Every entry's row, in order; gives their boxes.
    QList<QLineEdit*> addAll(std::span<const Entry> entries);

    QLineEdit* add(const char* boxName, const char* labelName, const QString& caption, Column column,
                   Rule rule = NoRule);
    int nextRow() const { return m_row; }

private:
    void addRule(Column column, Rule rule);

    QWidget* m_parent;
    QGridLayout* m_grid;
    int m_row;
};

// Short names for the tables of entries, which read best one row to a line.
namespace amountrow {
using C = engine::AnnualCost;
constexpr auto M = AmountRows::Middle;
constexpr auto R = AmountRows::Right;
constexpr auto None = AmountRows::NoRule;
constexpr auto Rule = AmountRows::SingleRule;
constexpr auto Double = AmountRows::DoubleRule;
} // namespace amountrow

// Each entry's annual cost from the record, in the pattern, in the box addAll() gave it; every box
// empty without a record, rather than the figures of an earlier reading.
void showAmounts(const QList<QLineEdit*>& boxes, std::span<const AmountRows::Entry> entries,
                 const std::optional<engine::ResultRecord>& record, const QString& pattern);

// The bold fixed-pitch face that makes blank-padded amounts line up on their right edges.
void useAmountFace(QWidget* widget);

// Puts the amount text into its box, widening the box where the text needs more room than it
// has: an amount is never shown in part.
void showAmount(QLineEdit* box, const QString& text);

} // namespace forms
