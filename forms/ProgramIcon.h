#pragma once

#include <QIcon>
#include <QPixmap>

// The program's picture: a dollar sign on a clock face, drawn rather than shipped as a file.
QPixmap programPixmap(int size);
QIcon programIcon();
