#pragma once

#include <QByteArray>
#include <QStringList>

// The reference files in tests/data, written by hand. A missing one reads as a line naming it,
// so that it never compares equal to an empty page.
QByteArray referenceBytes(const QString& file);
// The lines of a reference page, without their line ends (CR LF or LF alike).
QStringList referencePage(const QString& file);
