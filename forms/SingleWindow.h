#pragma once

#include "MainWindowLink.h"

#include <QPointer>
#include <QWidget>

#include <utility>

// Windows open without waiting. Opening one that is already open only brings it to the front:
// its load procedure ran when it was created and is not run again. The owner (the main
// window) takes the window down with it.
template <typename Window, typename... Args>
Window* showSingleWindow(QPointer<Window>& open, QWidget* owner, Args&&... args)
{
    if (!open) {
        open = new Window(std::forward<Args>(args)..., owner);
        open->setWindowFlag(Qt::Window);
        open->setAttribute(Qt::WA_DeleteOnClose);
    }
    open->show();
    open->raise();
    open->activateWindow();
    return open;
}

// The same for a window that shows what the files hold: one already open reads them afresh, as
// they may have changed since.
template <typename Window, typename... Args>
Window* showSingleWindowAfresh(QPointer<Window>& open, QWidget* owner, Args&&... args)
{
    const bool wasOpen = !open.isNull();
    Window* window = showSingleWindow(open, owner, std::forward<Args>(args)...);
    if (wasOpen)
        window->refresh();
    return window;
}

// The one window of its kind that the main window owns, opened or brought to the front.
template <typename Window, typename Services> Window* showSingleWindowOf(Services& platform, MainWindowLink& mainWindow)
{
    static QPointer<Window> open;
    return showSingleWindow(open, &mainWindow.ownerWindow(), platform, mainWindow);
}
