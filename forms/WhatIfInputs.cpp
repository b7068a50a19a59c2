#include "forms/WhatIfInputs.h"

#include "engine/TextsCalculation.h"
#include "forms/AccessiblePrompt.h"
#include "forms/BoxHint.h"
#include "forms/BoxPlaces.h"
#include "forms/LowerLayers.h"
#include "store/BoxWords.h"
#include "textrules/DisplayPattern.h"
#include "textrules/NumberReading.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSlider>

#include <algorithm>
#include <cmath>

using namespace forms::lowerlayers;

namespace forms {

namespace {

enum Column { NameColumn, TextColumn, ShareColumn, PercentColumn, SavedColumn };

// The captions of the tabs the boxes stand on, by tab index.
// Each tab's caption, marked for translation and translated where it is shown.
const char* const kTabCaptions[] = {
    nullptr, QT_TRANSLATE_NOOP("forms::WhatIfInputs", "2. General Information (shared by every center)"),
    QT_TRANSLATE_NOOP("forms::WhatIfInputs", "3. Equipment"),
    QT_TRANSLATE_NOOP("forms::WhatIfInputs", "4. Wages and Efficiency"),
    QT_TRANSLATE_NOOP("forms::WhatIfInputs", "5. Indirect Costs")};

// How far the text's figure lies from the saved one, in percent; nothing where either cannot be
// read as a number or the saved one is 0.
std::optional<double> shareOf(const QString& text, const QString& saved)
{
    const std::optional<double> value = text.isEmpty() ? 0.0 : numbers::readIfFinite(text);
    const std::optional<double> base = numbers::readIfFinite(saved);
    if (!value || !base || *base == 0)
        return std::nullopt;
    return (*value / *base - 1) * 100;
}

QString percentText(double share)
{
    const QString shown = numbers::format(share, numbers::kPercentPattern);
    if (shown.isEmpty() || shown == QStringLiteral("-"))
        return {};
    return (share > 0 ? QStringLiteral("+") : QString()) + shown + u'%';
}

} // namespace

WhatIfInputs::WhatIfInputs(QWidget* parent) : QWidget(parent)
{
    auto* grid = new QGridLayout(this);
    grid->setColumnStretch(ShareColumn, 1);
    addHeadings(grid);
    m_rows.reserve(inputboxes::kCount);
    int tab = 0;
    for (const inputboxes::Entry& entry : inputboxes::all()) {
        if (boxplaces::tabOf(entry.box) != tab)
            addGroup(grid, tab = boxplaces::tabOf(entry.box));
        addRow(grid, entry);
    }
}

void WhatIfInputs::addHeadings(QGridLayout* grid)
{
    const QString headings[] = {tr("Input"), tr("What if"), tr("Move by"), QString(), tr("Saved")};
    for (int column = NameColumn; column <= SavedColumn; ++column) {
        auto* heading = new QLabel(QStringLiteral("<b>%1</b>").arg(headings[column]), this);
        grid->addWidget(heading, 0, column);
    }
}

void WhatIfInputs::addGroup(QGridLayout* grid, int tab)
{
    auto* group = new QLabel(QStringLiteral("<i>%1</i>").arg(tr(kTabCaptions[tab])), this);
    grid->addWidget(group, grid->rowCount(), NameColumn, 1, SavedColumn + 1);
}

void WhatIfInputs::addRow(QGridLayout* grid, const inputboxes::Entry& entry)
{
    const int at = grid->rowCount();
    const QString boxName = boxplaces::objectName(entry.box);
    const QString prompt = inputboxes::shownPrompt(entry.box);
    Row row{entry.box};
    row.name = new QLabel(inputboxes::shortName(entry.box), this);
    row.name->setToolTip(prompt);
    row.text = new QLineEdit(this);
    row.text->setObjectName(QStringLiteral("txtWhatIf_") + boxName);
    nameAfterPrompt(row.text, prompt);
    row.share = new QSlider(Qt::Horizontal, this);
    row.share->setObjectName(QStringLiteral("sldWhatIf_") + boxName);
    row.share->setRange(-kMostShare, kMostShare);
    row.share->setPageStep(10);
    row.share->setMaximumWidth(240);
    row.share->setAccessibleName(tr("Move %1 by a share").arg(inputboxes::shortName(entry.box)));
    row.percent = new QLabel(this);
    row.percent->setMinimumWidth(row.percent->fontMetrics().horizontalAdvance(QStringLiteral("+888%")));
    row.saved = new QLabel(this);
    row.saved->setTextInteractionFlags(Qt::TextSelectableByMouse);
    grid->addWidget(row.name, at, NameColumn);
    grid->addWidget(row.text, at, TextColumn);
    grid->addWidget(row.share, at, ShareColumn);
    grid->addWidget(row.percent, at, PercentColumn);
    grid->addWidget(row.saved, at, SavedColumn);
    BoxHint::attach(row.text, BoxHint::Content::Number);
    m_rows.push_back(row);
    const std::size_t index = m_rows.size() - 1;
    connect(row.text, &QLineEdit::textEdited, this, [this, index] { typed(m_rows[index]); });
    connect(row.share, &QSlider::valueChanged, this, [this, index](int percent) { slid(m_rows[index], percent); });
}

void WhatIfInputs::setSaved(const InputTexts& saved)
{
    const InputTexts before = m_saved;
    m_saved = saved;
    for (Row& row : m_rows) {
        if (row.text->text() == before[row.box]) {
            const QSignalBlocker quiet(row.text);
            row.text->setText(saved[row.box]);
        }
        showSaved(row);
    }
}

void WhatIfInputs::reset()
{
    for (Row& row : m_rows) {
        const QSignalBlocker quiet(row.text);
        row.text->setText(m_saved[row.box]);
        showSaved(row);
    }
    emit edited();
}

InputTexts WhatIfInputs::texts() const
{
    InputTexts texts;
    for (const Row& row : m_rows)
        texts[row.box] = row.text->text();
    return texts;
}

void WhatIfInputs::typed(Row& row)
{
    showShare(row);
    emit edited();
}

// A step of the slider: the saved figure moved by that share, or the saved text itself at 0.
void WhatIfInputs::slid(Row& row, int percent)
{
    const QString& saved = m_saved[row.box];
    const std::optional<QString> moved = textscalculation::movedBy(saved, 1 + percent / 100.0);
    {
        const QSignalBlocker quiet(row.text);
        row.text->setText(percent == 0 || !moved ? saved : *moved);
    }
    showShare(row);
    emit edited();
}

void WhatIfInputs::showSaved(Row& row)
{
    const QString& saved = m_saved[row.box];
    row.saved->setText(saved);
    // A figure of 0 cannot be moved by a share of itself: only typing changes it.
    const std::optional<double> base = numbers::readIfFinite(saved);
    row.share->setEnabled(base && *base != 0);
    showShare(row);
}

// The slider and the percent beside it follow the figure, and a changed row's name stands out.
void WhatIfInputs::showShare(Row& row)
{
    const std::optional<double> share = shareOf(row.text->text(), m_saved[row.box]);
    {
        const QSignalBlocker quiet(row.share);
        row.share->setValue(
            share ? static_cast<int>(std::lround(std::clamp(*share, -1.0 * kMostShare, 1.0 * kMostShare))) : 0);
    }
    row.percent->setText(share ? percentText(*share) : QString());
    QFont font = row.name->font();
    font.setBold(row.text->text() != m_saved[row.box]);
    row.name->setFont(font);
}

} // namespace forms
