#pragma once

#include <QString>
#include <QStringList>

namespace platform {
class MessageBoxes;
}

namespace forms {

// Asks before a name takes over files that another name left in the data folder: it names them,
// then asks the question. No is the default, so Enter alone changes nothing.
bool mayTakeOverFiles(platform::MessageBoxes& messages, const QString& name, const QStringList& present,
                      const QString& question);

} // namespace forms
