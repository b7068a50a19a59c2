#include "forms/frmSplash.h"

#include "forms/CreditLines.h"
#include "forms/LowerLayers.h"
#include "forms/NamedWidget.h"
#include "forms/ProgramIcon.h"
#include "platform/ProgramFacts.h"

#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>

using namespace forms::lowerlayers;

namespace forms {

namespace {

// One line of plain text, measured once: a label measures itself for three widths before it is
// laid out, each time shaping its text anew.
class SplashLine : public QLabel {
public:
    using QLabel::QLabel;
    QSize sizeHint() const override
    {
        if (m_size.isEmpty()) {
            const QMargins around = contentsMargins() + margin();
            m_size =
                fontMetrics().size(0, text()) + QSize(around.left() + around.right(), around.top() + around.bottom());
        }
        return m_size;
    }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void changeEvent(QEvent* event) override
    {
        if (event->type() == QEvent::FontChange)
            m_size = {};
        QLabel::changeEvent(event);
    }

private:
    mutable QSize m_size;
};

QLabel* splashLabel(const char* name, const QString& text, qreal points, bool bold, QWidget* parent)
{
    auto* label = named(new SplashLine(text, parent), name);
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    // Unhinted, the lines look the same at these sizes, and the splash is shown without running the
    // font's hinting program for every letter: a third of its cost beyond a bare window's.
    font.setHintingPreference(QFont::PreferNoHinting);
    label->setFont(font);
    return label;
}

} // namespace

FrmSplash::FrmSplash(int year, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("frmSplash"));
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_QuitOnClose, false); // closing the splash hands over; it never ends the run
    m_frame = new QFrame(this);
    m_frame->setObjectName(QStringLiteral("Frame1"));
    m_frame->setFrameShape(QFrame::Box);
    m_frame->installEventFilter(this);

    auto* logo = new QLabel(m_frame);
    logo->setObjectName(QStringLiteral("imgLogo"));
    logo->setPixmap(splashLogo());
    auto* grid = new QGridLayout(m_frame);
    grid->addWidget(logo, 0, 0, 6, 1, Qt::AlignCenter);
    grid->addWidget(splashLabel("lblCompany", credits::publisherLine(), 12, true, m_frame), 0, 1, 1, 2);
    grid->addWidget(splashLabel("lblProductName", tr("Budgeted Hourly"), 24, true, m_frame), 1, 1, 1, 2);
    grid->addWidget(splashLabel("lblProductName2", tr("Rate Analysis"), 24, true, m_frame), 2, 1, 1, 2);
    grid->addWidget(splashLabel("lblPlatform", tr("Solvarra Version"), 12, true, m_frame), 3, 2);
    grid->addWidget(splashLabel("lblVersion", program::versionText(), 12, true, m_frame), 4, 2);
    grid->addWidget(splashLabel("lblCopyright", credits::copyrightLine(year), 8.25, false, m_frame), 5, 2);
    grid->addWidget(splashLabel("lblWarning", tr("It comes with no warranty: see Help > About."), 8.25, false, m_frame),
                    6, 2);
    auto* outer = new QGridLayout(this);
    outer->setContentsMargins(10, 4, 10, 4);
    outer->addWidget(m_frame);

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setSingleShot(true);
    m_timer->setInterval(2500);
    connect(m_timer, &QTimer::timeout, this, &FrmSplash::handOver);
    m_timer->start();

    adjustSize();
    if (QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

// The splash takes the keyboard as it opens, so that a character key hands over at once.
void FrmSplash::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    activateWindow();
    setFocus(Qt::ActiveWindowFocusReason);
}

void FrmSplash::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    if (!m_painted) {
        m_painted = true;
        emit firstPainted();
    }
}

// Any key that gives a character hands over: a letter or a digit, and also Enter, Escape and
// Backspace, whose characters are control codes. Shift, the arrows and the function keys give none.
void FrmSplash::keyPressEvent(QKeyEvent* event)
{
    if (!event->text().isEmpty())
        handOver();
    else
        QWidget::keyPressEvent(event);
}

// A click on the frame's bare area hands over; one on a label or the logo is not the frame's.
bool FrmSplash::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_frame && event->type() == QEvent::MouseButtonPress) {
        const auto* click = static_cast<QMouseEvent*>(event);
        if (!m_frame->childAt(click->position().toPoint()))
            handOver();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void FrmSplash::handOver()
{
    if (m_handedOver)
        return;
    m_handedOver = true;
    m_timer->stop();
    close();
    emit handedOver();
}

} // namespace forms
