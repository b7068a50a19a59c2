#pragma once

#include <QFlags>
#include <QObject>
#include <QStringList>

namespace forms {

// What a writing action changed in the data folder. It is announced once, after the action is
// done, so that every open window showing figures from those files reads them again instead
// of showing what the files no longer hold.
struct DataChange {
    enum class File {
        Results = 0x1, // result files
        Inputs = 0x2,  // an equipment's input or pricing files
        Plant = 0x4,   // the plant file, shared by every center
        List = 0x8,    // the equipment list
        // the speeds and set-up times typed for the presses
        PressFigures = 0x10,
    };
    Q_DECLARE_FLAGS(Files, File)

    Files files;
    QStringList centers; // the equipment whose own files were written

    bool touches(File file) const { return files.testFlag(file); }
};
Q_DECLARE_OPERATORS_FOR_FLAGS(DataChange::Files)

// The one notice of the program: writing actions announce, the windows that show figures follow.
class DataChanges : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    void announce(const DataChange& change) { emit changed(change); }

signals:
    void changed(const DataChange& change);
};

} // namespace forms
