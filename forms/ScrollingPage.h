#pragma once

#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>

namespace forms {

// Holds a page of controls that scrolls when its window is smaller than the page, so that on a
// small screen every control stays within reach. It asks for the room its page needs, where a
// plain scroll area would ask for a fixed few lines. The Tab key passes it by: it shows nothing
// of its own to be at, and it scrolls to each control that Tab reaches on it.
class ScrollingPage : public QScrollArea {
public:
    explicit ScrollingPage(QWidget* page, QWidget* parent = nullptr) : QScrollArea(parent)
    {
        setFocusPolicy(Qt::NoFocus);
        setFrameShape(QFrame::NoFrame);
        setWidgetResizable(true);
        setWidget(page);
    }

    QSize sizeHint() const override
    {
        const int frame = 2 * frameWidth();
        const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, verticalScrollBar());
        return widget()->sizeHint() + QSize(frame + scrollBar, frame);
    }
};

// Opens the window at the size it asks for as far as the screen allows, leaving room for its
// title bar and frame; what does not fit scrolls. It becomes a window of its own first, since a
// window's margins are not a child's.
inline void sizeWithinScreen(QWidget* window)
{
    window->setWindowFlag(Qt::Window);
    const QScreen* screen = window->screen();
    if (!screen)
        return;
    constexpr int kFrame = 16;    // the window frame's sides
    constexpr int kTitleBar = 48; // the title bar and the frame's bottom
    const QSize room = screen->availableSize() - QSize(kFrame, kTitleBar);
    window->ensurePolished(); // the style's fonts and margins are part of the size asked for
    window->resize(window->sizeHint().boundedTo(room).expandedTo(window->minimumSizeHint()));
}

// Opens the window at the size it is best used at, as far as nine tenths of the screen allow.
inline void resizeWithinScreen(QWidget* window, QSize wanted)
{
    if (const QScreen* screen = window->screen())
        wanted = wanted.boundedTo(screen->availableGeometry().size() * 0.9);
    window->resize(wanted);
}

} // namespace forms
