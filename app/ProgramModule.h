#pragma once

// The program's windows are loaded once the splash is on the screen, from a library beside the
// program: the splash needs Qt Widgets only, the windows need the chart, printing and OpenGL
// libraries too, and loading those would hold the splash back. The program and that library
// meet only through this interface.
class ProgramModule {
public:
    virtual ~ProgramModule() = default;
    // The splash is on the screen: work that can wait may start.
    virtual void splashPainted() = 0;
    // The splash has handed over: the main window opens.
    virtual void openMainWindow() = 0;
};

// The function the library exports, which makes its program (the data folder chosen, nothing
// shown yet). The caller owns the result and deletes it before the application ends.
extern "C" ProgramModule* hourlyratesProgram();
using MakeProgram = ProgramModule* (*)();
inline constexpr char kMakeProgramSymbol[] = "hourlyratesProgram";
