#pragma once

#include "engine/ResultRecord.h"

#include <QString>

#include <functional>
#include <optional>

namespace platform {
class Platform;
}
class QLabel;
class QWidget;

namespace forms {

class MainWindowLink;

// What the result windows share: the heading, and reading the current name and its results.
namespace resultwindows {

struct CurrentResults {
    std::optional<QString> name;                // from Name.tmp
    std::optional<engine::ResultRecord> record; // from the name's result file
};

// Reads Name.tmp and the result file it names. A missing or short file is named to the user in
// one message, and what could not be read stays empty, so no window shows figures it lacks.
CurrentResults read(platform::Platform& platform);
// The same for a center the window already shows, read again after its result file changed.
CurrentResults readCenter(platform::Platform& platform, const QString& name);

// A line, hidden until needed, that says the window's center has left the equipment list.
QLabel* goneNote(QWidget* parent);

// Keeps a window that shows one center's figures current with the files: after any writing
// action, `readAgain` (when given) runs if that center's result file was written, and the note
// shows whether the center is still listed. Follows for as long as the window lives.
void follow(QWidget* window, platform::Platform& platform, MainWindowLink& mainWindow, std::function<QString()> center,
            QLabel* goneNote, std::function<void()> readAgain = {});

// The centred heading "Budgeted Hourly Cost Analysis For " and the name, in a larger serif face;
// without a name it is empty. A name too long for the window ends in "…"; the pointer resting on
// it shows it whole.
QLabel* heading(QWidget* parent);
void showName(QLabel* heading, const std::optional<QString>& name);

} // namespace resultwindows

} // namespace forms
