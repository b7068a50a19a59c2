#pragma once

// The tests name the program's types and functions as its own code does, without their layer.
// A layer a test does not include is only declared, which costs nothing.
#include "forms/LowerLayers.h"

using namespace forms::lowerlayers;
using namespace forms;
