#include "forms/PageParts.h"

#include "forms/ElidedLabel.h"

#include <QCoreApplication>
#include <QHBoxLayout>

namespace forms {

namespace {

// The texts this file shows, under one context for the translator.
struct PagePartsTexts {
    Q_DECLARE_TR_FUNCTIONS(PageParts)
};

} // namespace

namespace pageparts {

QFont boldFont(const QWidget* widget, qreal points)
{
    QFont font = widget->font();
    font.setBold(true);
    if (points > 0)
        font.setPointSizeF(points);
    return font;
}

NameRow nameRow(int member, QWidget* extra)
{
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    QLabel* caption = label("Label14", PagePartsTexts::tr("Name of Equipment:"), row);
    caption->setProperty("index", member);
    caption->setFont(boldFont(caption));
    QLabel* name = named(new ElidedLabel(row), "lblName"); // a long name never widens the window
    name->setProperty("index", member);
    name->setFont(boldFont(name));
    name->setFrameShape(QFrame::Box);
    name->setMinimumWidth(220);
    layout->addStretch();
    layout->addWidget(caption);
    if (extra)
        layout->addWidget(extra);
    layout->addWidget(name);
    layout->addStretch();
    return {row, name};
}

} // namespace pageparts

} // namespace forms
