#include "forms/TextBoxes.h"

#include "forms/NamedWidget.h"

#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QTextDocument>

namespace forms {

QPlainTextEdit* readOnlyTextBox(const char* name, QWidget* parent, const QFont& font, int lines, int columns)
{
    auto* box = named(new QPlainTextEdit(parent), name);
    box->setReadOnly(true);
    box->setLineWrapMode(QPlainTextEdit::NoWrap);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setFont(font);
    const QFontMetrics metrics(font);
    const int margins = 2 * (box->frameWidth() + int(box->document()->documentMargin())) + 4;
    box->setFixedHeight(metrics.lineSpacing() * lines + margins);
    box->setMinimumWidth(metrics.horizontalAdvance(QString(columns, u'0')) + margins);
    return box;
}

QFont fixedPitchFace(double points, bool bold)
{
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    if (points > 0)
        font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

} // namespace forms
