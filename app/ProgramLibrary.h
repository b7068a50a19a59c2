#pragma once

#include "app/ProgramModule.h"

#include <QString>

#include <memory>

// The library of the program's windows, found beside the program (a build) or in the installed
// program's own library folder, loaded, and asked for its program. On failure, none, and `error`
// says why.
std::unique_ptr<ProgramModule> loadProgram(QString& error);
