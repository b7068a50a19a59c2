#pragma once

#include <QWidget>

class QTextBrowser;
class QUrl;

namespace platform {

// The user guide in a window of the program's own, for desktops where nothing else can show it.
// Links inside the guide move within it; links to elsewhere go to the desktop.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows the guide at the given place ("#index"), or at its start.
    void showGuide(const QUrl& place);
    QTextBrowser& browser() const { return *m_browser; }

private:
    QTextBrowser* m_browser;
};

} // namespace platform
