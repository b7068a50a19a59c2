#pragma once

#include <QString>

class QGridLayout;
class QLineEdit;
class QWidget;

// The column of labelled amounts that the result windows show: labels right-aligned on the left,
// item amounts in the middle column, grand totals in the right one, rules above subtotals.
class AmountRows {
public:
    enum Column { Middle = 1, Right = 2 };
    enum Rule { NoRule, SingleRule, DoubleRule };

    AmountRows(QWidget* parent, QGridLayout* grid, int firstRow);

    QLineEdit* add(const char* boxName, const char* labelName, const QString& caption, Column column,
                   Rule rule = NoRule);
    int nextRow() const { return m_row; }

private:
    void addRule(Column column, Rule rule);

    QWidget* m_parent;
    QGridLayout* m_grid;
    int m_row;
};

// The bold fixed-pitch face that makes blank-padded amounts line up on their right edges.
void useAmountFace(QWidget* widget);

// Puts the amount text into its box, widening the box where the text needs more room than it
// has: an amount is never shown in part.
void showAmount(QLineEdit* box, const QString& text);
