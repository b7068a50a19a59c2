#include "platform/PainterPrinter.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QRectF>

using namespace report;

namespace platform {

using Kind = PrintOperation::Kind;

PainterPrinter::PainterPrinter(QPaintDevice& device, std::function<bool()> newPage, PicturePainter pictures)
    : m_device(device), m_newPage(std::move(newPage)), m_pictures(std::move(pictures)), m_painter(&device)
{
    m_font = QFont(QStringLiteral("Courier New"));
    m_font.setStyleHint(QFont::TypeWriter);
    m_font.setPointSizeF(9);
    useFont();
}

void PainterPrinter::useFont()
{
    if (m_painter.isActive())
        m_painter.setFont(QFont(m_font, &m_device));
}

namespace {

// How many characters of the text fit in the room: up to the last blank that fits, or, for a
// word longer than the whole line, as many characters as fit (at least one, so printing ends).
qsizetype fittingLength(const QString& text, const QFontMetricsF& metrics, qreal room, bool lineIsEmpty)
{
    qsizetype fits = 0;
    while (fits < text.size() && metrics.horizontalAdvance(text.left(fits + 1)) <= room)
        ++fits;
    const qsizetype blank = text.left(fits + 1).lastIndexOf(u' ');
    if (blank > 0)
        return blank;
    return lineIsEmpty ? std::max<qsizetype>(fits, 1) : 0;
}

} // namespace

void PainterPrinter::print(const QString& text)
{
    const QFontMetricsF metrics(QFont(m_font, &m_device), &m_device);
    // A text taken up far to the right would go on in a narrow strip: it goes on at the margin.
    m_lineStart = m_x < m_device.width() / 2 ? m_x : 0;
    QString rest = text;
    while (metrics.horizontalAdvance(rest) > m_device.width() - m_x) {
        const qsizetype length = fittingLength(rest, metrics, m_device.width() - m_x, m_x <= m_lineStart);
        drawText(rest.left(length));
        rest = rest.mid(length).trimmed();
        const qreal lineStart = m_lineStart;
        endLine();
        m_x = lineStart;
        if (rest.isEmpty())
            return;
    }
    drawText(rest);
}

void PainterPrinter::drawText(const QString& text)
{
    const QFontMetricsF metrics(QFont(m_font, &m_device), &m_device);
    m_painter.drawText(QPointF(m_x, m_y + metrics.ascent()), text);
    m_x += metrics.horizontalAdvance(text);
}

// True when the page has room for that much more below the current line, after turning to a
// new page where it had not.
bool PainterPrinter::roomFor(qreal height)
{
    if (m_y + height <= m_device.height())
        return true;
    if (m_y > 0 && m_newPage && m_newPage()) {
        m_y = 0;
        return height <= m_device.height();
    }
    return false;
}

void PainterPrinter::endLine()
{
    const QFontMetricsF metrics(QFont(m_font, &m_device), &m_device);
    m_x = 0;
    m_y += metrics.lineSpacing();
    (void)roomFor(metrics.lineSpacing());
}

// A picture takes the page's width and its own lines; one taller than a page is drawn as high as
// the page allows.
void PainterPrinter::picture(const PrintOperation& op)
{
    if (m_x > 0)
        endLine();
    qreal height = op.millimetres / 25.4 * m_device.logicalDpiY();
    if (!roomFor(height))
        height = m_device.height() - m_y;
    if (op.picture && m_pictures) {
        m_painter.save();
        m_pictures(m_painter, QRectF(0, m_y, m_device.width(), height), *op.picture);
        m_painter.restore();
    }
    m_y += height;
    endLine();
}

void PainterPrinter::moveToColumn(int column)
{
    const QFontMetricsF metrics(QFont(m_font, &m_device), &m_device);
    const qreal target = (column - 1) * metrics.horizontalAdvance(u' ');
    if (m_x > target + 0.5)
        endLine();
    m_x = target;
}

void PainterPrinter::apply(const PrintOperation& op)
{
    switch (op.kind) {
    case Kind::FontName:
        m_font.setFamily(op.text);
        break;
    case Kind::FontSize:
        m_font.setPointSizeF(op.points);
        break;
    case Kind::Bold:
        m_font.setBold(op.on);
        break;
    case Kind::Underline:
        m_font.setUnderline(op.on);
        break;
    case Kind::Print:
        print(op.text);
        return;
    case Kind::EndLine:
        endLine();
        return;
    case Kind::MoveToColumn:
        moveToColumn(op.column);
        return;
    case Kind::Picture:
        picture(op);
        return;
    case Kind::EndDocument:
        m_painter.end();
        return;
    }
    useFont();
}

} // namespace platform
