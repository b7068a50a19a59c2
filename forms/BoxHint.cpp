#include "forms/BoxHint.h"

#include "forms/LowerLayers.h"
#include "textrules/ReadingHint.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

using namespace forms::lowerlayers;

namespace forms {

BoxHint* BoxHint::attach(QLineEdit* box, Content content, StorableTextValidator::Rule rule)
{
    return new BoxHint(box, content, rule);
}

namespace {

constexpr int kRefusalMilliseconds = 4000;

// The layout, the page's own or one nested in it, that holds the box itself.
QLayout* holderOf(QLayout* layout, const QWidget* box)
{
    if (layout->indexOf(box) >= 0)
        return layout;
    for (int i = 0; i < layout->count(); ++i)
        if (QLayout* nested = layout->itemAt(i)->layout())
            if (QLayout* found = holderOf(nested, box))
                return found;
    return nullptr;
}

// Puts the box and the note side by side in the box's place, or the note under a box that has
// its row to itself. Both stay children of the page, beside the box's prompt.
void placeBeside(QLineEdit* box, QLabel* note)
{
    QLayout* holder = holderOf(box->parentWidget()->layout(), box);
    if (!holder)
        return;
    // A box alone on its row (the naming window) keeps its width: the note goes under it.
    if (auto* column = qobject_cast<QBoxLayout*>(holder);
        column && (column->direction() == QBoxLayout::TopToBottom || column->direction() == QBoxLayout::BottomToTop)) {
        note->setWordWrap(true);
        note->setMinimumHeight(2 * note->fontMetrics().lineSpacing()); // the window grows to hold it
        column->insertWidget(column->indexOf(box) + 1, note);
        return;
    }
    auto* pair = new QHBoxLayout;
    pair->setContentsMargins(0, 0, 0, 0);
    const int index = holder->indexOf(box);
    if (auto* grid = qobject_cast<QGridLayout*>(holder)) {
        int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
        grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
        const Qt::Alignment alignment = grid->itemAt(index)->alignment();
        delete grid->takeAt(index);
        grid->addLayout(pair, row, column, rowSpan, columnSpan, alignment);
    } else if (auto* line = qobject_cast<QBoxLayout*>(holder)) {
        delete line->takeAt(index);
        line->insertLayout(index, pair);
    }
    pair->addWidget(box);
    pair->addWidget(note);
}

} // namespace

BoxHint::BoxHint(QLineEdit* box, Content content, StorableTextValidator::Rule rule)
    : QObject(box), m_box(box), m_content(content)
{
    m_note = new QLabel(box->parentWidget());
    m_note->setObjectName(box->objectName() + QStringLiteral("Hint"));
    QFont small = m_note->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    m_note->setFont(small);
    m_note->setStyleSheet(QStringLiteral("color: #a33;"));
    m_note->hide();
    placeBeside(box, m_note);

    auto* validator = new StorableTextValidator(box, rule);
    box->setValidator(validator);
    connect(validator, &StorableTextValidator::refused, this, &BoxHint::showRefusal);
    connect(box, &QLineEdit::textChanged, this, &BoxHint::showReading);
    m_refusalShown.setSingleShot(true);
    m_refusalShown.setInterval(kRefusalMilliseconds);
    connect(&m_refusalShown, &QTimer::timeout, this, &BoxHint::showReading);
    showReading();
}

void BoxHint::showReading()
{
    m_refusalShown.stop();
    showNote(m_content == Content::Number ? readinghint::forText(m_box->text()) : QString());
}

void BoxHint::showRefusal(const QString& reason)
{
    showNote(reason);
    m_refusalShown.start();
}

void BoxHint::showNote(const QString& note)
{
    m_note->setText(note);
    m_note->setVisible(!note.isEmpty());
    m_box->setAccessibleDescription(note); // read out with the box, not only seen beside it
}

} // namespace forms
