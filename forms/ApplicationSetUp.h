#pragma once

namespace forms {

// What the program sets on the application before its first window: its names, which also name
// the user's data folder, and the face that stands in for Courier New.
void setUpApplication();

} // namespace forms
