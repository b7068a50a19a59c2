#pragma once

#include <QHelpEvent>
#include <QLabel>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

#include <algorithm>

namespace forms {

// A one-line label for a text of any length, such as an equipment name: it needs the width of a
// few characters and asks for no more than a line's, shows what does not fit as "…", and shows
// the whole text when the pointer rests on it. text() stays the whole text, for screen readers too.
class ElidedLabel : public QLabel {
public:
    using QLabel::QLabel;

    QSize minimumSizeHint() const override { return withWidthAtMost(QLabel::minimumSizeHint(), kFewCharacters); }
    // A window opens no wider for a long text: the text takes the room the other controls give.
    QSize sizeHint() const override { return withWidthAtMost(QLabel::sizeHint(), kLineOfCharacters); }

    // The text as the label shows it in its present width.
    QString shownText() const { return fontMetrics().elidedText(text(), Qt::ElideRight, textArea().width()); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        drawFrame(&painter);
        style()->drawItemText(&painter, textArea(), QStyle::visualAlignment(layoutDirection(), alignment()), palette(),
                              isEnabled(), shownText(), foregroundRole());
    }

    bool event(QEvent* event) override
    {
        if (event->type() == QEvent::ToolTip && toolTip().isEmpty() && shownText() != text()) {
            QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text(), this);
            return true;
        }
        return QLabel::event(event);
    }

private:
    static constexpr int kFewCharacters = 12;
    static constexpr int kLineOfCharacters = 60;

    QSize withWidthAtMost(QSize size, int characters) const
    {
        size.setWidth(std::min(size.width(), fontMetrics().averageCharWidth() * characters));
        return size;
    }

    QRect textArea() const
    {
        const int inset = margin() + (indent() > 0 ? indent() : 0);
        return contentsRect().adjusted(inset, margin(), -inset, -margin());
    }
};

} // namespace forms
