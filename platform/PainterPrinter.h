#pragma once

#include "platform/PrinterBackend.h"

#include <QFont>
#include <QPainter>

#include <functional>

class QPaintDevice;

namespace platform {

// Draws a page's picture into a rectangle of the page, in the painter's units.
using PicturePainter = std::function<void(QPainter& painter, const QRectF& area, const report::PagePicture& picture)>;

// Paints printer operations on a page through QPainter. Columns are character cells of the
// current font; a line is as high as the current font's line spacing. Text that would run off
// the right edge goes on at the next line, broken at a blank where it has one. When the page is
// full, `newPage` is asked for the next one (a printer's newPage()); without it the text runs on.
// Pictures are drawn by `pictures`; without it their room stays blank.
class PainterPrinter : public PrinterBackend {
public:
    PainterPrinter(QPaintDevice& device, std::function<bool()> newPage = {}, PicturePainter pictures = {});

    void apply(const report::PrintOperation& operation) override;
    bool isActive() const { return m_painter.isActive(); }

private:
    void print(const QString& text);
    void drawText(const QString& text);
    void endLine();
    void picture(const report::PrintOperation& operation);
    bool roomFor(qreal height);
    void moveToColumn(int column);
    void useFont();

    QPaintDevice& m_device;
    std::function<bool()> m_newPage;
    PicturePainter m_pictures;
    QPainter m_painter;
    QFont m_font;
    qreal m_x = 0;
    qreal m_y = 0;
    qreal m_lineStart = 0; // where a broken text goes on: the column it was started at
};

} // namespace platform
