#pragma once

#include "forms/ElidedLabel.h"
#include "forms/NamedWidget.h"

namespace forms {

// The heading at the top of a window about one center, centred and bold in a larger face. A long
// equipment name in it never widens the window.
inline QLabel* windowHeading(QWidget* parent)
{
    auto* heading = named(new ElidedLabel(parent), "lblHead");
    heading->setAlignment(Qt::AlignCenter);
    QFont face = parent->font();
    face.setPointSizeF(face.pointSizeF() * 1.3);
    face.setBold(true);
    heading->setFont(face);
    return heading;
}

} // namespace forms
