#pragma once

#include <QIcon>
#include <QPixmap>

namespace forms {

// The program's picture: a dollar sign on a clock face, drawn rather than shipped as a file.
QPixmap programPixmap(int size);
QIcon programIcon();

// The picture at the splash's size, drawn by programPixmap when the program was built, so that
// the splash shows it without looking up a font.
QPixmap splashLogo();

} // namespace forms
