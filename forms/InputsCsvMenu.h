#pragma once

#include <QObject>

class MainWindowLink;
class Platform;
class QMenu;
class QWidget;
namespace inputsimport {
struct Plan;
struct Saved;
} // namespace inputsimport

// The File menu's commands that take the input boxes of every center to a spreadsheet and back:
// a shop with many centers changes its wages in one place. Nothing is saved before the user has
// seen, center by center, which boxes change; the plant-wide figures only on a question of
// their own.
class InputsCsvMenu : public QObject {
    Q_OBJECT
public:
    InputsCsvMenu(Platform& platform, MainWindowLink& mainWindow, QMenu& menu);

private:
    void exportInputs();
    void importInputs();
    // Whether the user agreed to save; `withPlant` tells whether the plant row is to be saved too.
    bool agreed(const inputsimport::Plan& plan, bool& withPlant);
    void announce(const inputsimport::Saved& saved);
    QWidget* owner() const;

    Platform& m_platform;
    MainWindowLink& m_mainWindow;
};
