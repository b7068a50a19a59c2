#include "platform/HelpWindow.h"

#include <QPushButton>
#include <QScrollBar>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace platform {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent), m_browser(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("frmGuide"));
    setWindowFlag(Qt::Window);
    setAttribute(Qt::WA_DeleteOnClose);
    m_browser->setObjectName(QStringLiteral("txtGuide"));
    m_browser->setOpenExternalLinks(true);
    auto* close = new QPushButton(tr("&Close"), this);
    close->setObjectName(QStringLiteral("cmdClose"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_browser);
    layout->addWidget(close, 0, Qt::AlignRight);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(m_browser, &QTextBrowser::sourceChanged, this, [this] { setWindowTitle(m_browser->documentTitle()); });
    resize(720, 560);
}

void HelpWindow::showGuide(const QUrl& place)
{
    m_browser->setSource(place);
    if (!place.hasFragment())
        m_browser->verticalScrollBar()->setValue(0);
    show();
    raise();
    activateWindow();
}

} // namespace platform
