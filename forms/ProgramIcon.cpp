#include "forms/ProgramIcon.h"

#include <QFont>
#include <QPainter>

namespace forms {

QPixmap programPixmap(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF face(size * 0.06, size * 0.06, size * 0.88, size * 0.88);
    painter.setPen(QPen(QColor(0x1f, 0x3a, 0x68), size * 0.06));
    painter.setBrush(QColor(0xf4, 0xe7, 0xc5));
    painter.drawEllipse(face);
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPixelSize(qMax(6, int(size * 0.55)));
    painter.setFont(font);
    painter.setPen(QColor(0x1f, 0x5e, 0x2e));
    painter.drawText(face, Qt::AlignCenter, QStringLiteral("$"));
    return pixmap;
}

QIcon programIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64})
        icon.addPixmap(programPixmap(size));
    return icon;
}

} // namespace forms
