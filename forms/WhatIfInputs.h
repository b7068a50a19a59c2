#pragma once

#include "store/InputTexts.h"

#include <QWidget>

#include <vector>

class QGridLayout;
class QLabel;
class QLineEdit;
class QSlider;

namespace forms {

// Every input of a center as a what-if: a box to type another figure into, and a slider that
// moves the saved figure by up to 50 % either way, with the saved figure beside it. Nothing is
// written anywhere; the window that holds the rows decides what becomes of the figures.
class WhatIfInputs : public QWidget {
    Q_OBJECT
public:
    inline static constexpr int kMostShare = 50; // the slider's reach, in percent either way

    explicit WhatIfInputs(QWidget* parent = nullptr);

    // The figures the what-if starts from and compares with. Rows the user has changed keep
    // their figure; the others take the new saved one.
    void setSaved(const store::InputTexts& saved);
    // Every row back to its saved figure.
    void reset();

    store::InputTexts texts() const;
    const store::InputTexts& saved() const { return m_saved; }

signals:
    // After every keystroke or slider step.
    void edited();

private:
    struct Row {
        store::InputBox box;
        QLabel* name = nullptr;
        QLineEdit* text = nullptr;
        QSlider* share = nullptr;
        QLabel* percent = nullptr;
        QLabel* saved = nullptr;
    };
    void addHeadings(QGridLayout* grid);
    void addGroup(QGridLayout* grid, int tab);
    void addRow(QGridLayout* grid, const store::inputboxes::Entry& entry);
    void typed(Row& row);
    void slid(Row& row, int percent);
    void showSaved(Row& row);
    void showShare(Row& row);

    store::InputTexts m_saved;
    std::vector<Row> m_rows; // in the order of the boxes
};

} // namespace forms
