#pragma once

#include <QObject>

namespace platform {
class Platform;
}
class QMenu;
class QWidget;
namespace store {
namespace inputsimport {
struct Plan;
struct Saved;
} // namespace inputsimport
} // namespace store

namespace forms {

class MainWindowLink;

// The File menu's commands that take the input boxes of every center to a spreadsheet and back:
// a shop with many centers changes its wages in one place. Nothing is saved before the user has
// seen, center by center, which boxes change; the plant-wide figures only on a question of
// their own.
class InputsCsvMenu : public QObject {
    Q_OBJECT
public:
    InputsCsvMenu(platform::Platform& platform, MainWindowLink& mainWindow, QMenu& menu);

private:
    void exportInputs();
    void importInputs();
    // Whether the user agreed to save; `withPlant` tells whether the plant row is to be saved too.
    bool agreed(const store::inputsimport::Plan& plan, bool& withPlant);
    void announce(const store::inputsimport::Saved& saved);
    QWidget* owner() const;

    platform::Platform& m_platform;
    MainWindowLink& m_mainWindow;
};

} // namespace forms
