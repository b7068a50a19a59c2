#pragma once

#include <QString>
#include <QStringList>

namespace platform {

// Files that come with the program: beside the executable in a build or a portable set-up, or
// among the shared files of an installation.
namespace programfiles {

// The first of the places (each relative to the program folder, or absolute) that holds a file;
// empty when none does.
QString find(const QString& programFolder, const QStringList& places);

// Where the full text of the program's licence can be read: a file that comes with the program,
// the copy every Debian system keeps, or else its address on the web.
QString licenceText(const QString& programFolder);

} // namespace programfiles

} // namespace platform
