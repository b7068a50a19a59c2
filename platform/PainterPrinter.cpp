#include "PainterPrinter.h"

#include <QFontMetricsF>
#include <QPaintDevice>

using Kind = PrintOperation::Kind;

PainterPrinter::PainterPrinter(QPaintDevice& device, std::function<bool()> newPage)
    : m_device(device), m_newPage(std::move(newPage)), m_painter(&device)
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

void PainterPrinter::print(const QString& text)
{
    const QFontMetricsF metrics(QFont(m_font, &m_device), &m_device);
    m_painter.drawText(QPointF(m_x, m_y + metrics.ascent()), text);
    m_x += metrics.horizontalAdvance(text);
}

void PainterPrinter::endLine()
{
    const QFontMetricsF metrics(QFont(m_font, &m_device), &m_device);
    m_x = 0;
    m_y += metrics.lineSpacing();
    if (m_y + metrics.lineSpacing() > m_device.height() && m_newPage && m_newPage())
        m_y = 0;
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
    case Kind::EndDocument:
        m_painter.end();
        return;
    }
    useFont();
}
