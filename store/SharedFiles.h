#pragma once

#include "store/DataFolder.h"

#include <QHash>
#include <QStringList>

namespace store {

// Names that lead to the same saved files. An equipment's input and pricing files are named from
// the first seven characters of its name and its result file from the same characters with every
// blank turned into "_", so two different names can share files; saving one then replaces the
// other's figures.
namespace sharedfiles {

bool shareFiles(const QString& name, const QString& other);

// The names among `listed`, other than the name itself, whose files are also the name's files;
// each once, in list order.
QStringList namesSharingFiles(const QStringList& listed, const QString& name);
// The same, for the names of the list file; a list file that cannot be read lists none.
QStringList namesSharingFiles(const DataFolder& folder, const QString& name);

// Every file the name's equipment can have: its input files 2, 3 and 4, its result file and its
// pricing file, in that order.
QStringList filesOf(const QString& name);
// Those of them already in the folder (a link counts), which another name left there: one taken
// off the list, or one that begins with the same seven characters.
QStringList filesPresent(const DataFolder& folder, const QString& name);
// The sentence that names them for the user.
QString filesPresentSentence(const QString& name, const QStringList& present);

// The names by the result file they write, each name once, in list order. Names that share any
// file share their result file too, so this groups every plant's names in one pass.
QHash<QString, QStringList> namesByResultFile(const QStringList& names);

} // namespace sharedfiles

} // namespace store
