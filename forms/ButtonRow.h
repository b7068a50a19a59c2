#pragma once

#include "forms/NamedWidget.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QWidget>

namespace forms {

// The row of buttons along the foot of a window: each named and wired to its handler on the
// window, in the order added, with stretches where the groups part.
template <typename Window> class ButtonRow {
public:
    explicit ButtonRow(Window* window) : m_window(window), m_row(new QWidget(window)), m_buttons(new QHBoxLayout(m_row))
    {
        m_buttons->setContentsMargins(0, 0, 0, 0);
    }

    // `handler`: a member function of the window, or a callable.
    template <typename Handler> QPushButton* add(const char* name, const QString& caption, Handler handler)
    {
        QPushButton* button = named(new QPushButton(caption, m_row), name);
        QObject::connect(button, &QPushButton::clicked, m_window, handler);
        m_buttons->addWidget(button);
        return button;
    }
    void addStretch() { m_buttons->addStretch(); }
    QWidget* widget() const { return m_row; }

private:
    Window* m_window;
    QWidget* m_row;
    QHBoxLayout* m_buttons;
};

} // namespace forms
