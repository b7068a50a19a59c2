#pragma once

class QFont;
class QPlainTextEdit;
class QWidget;

namespace forms {

// A read-only, unwrapped text box just large enough for `lines` lines of `columns` characters
// in the given face, so that none of its text scrolls out of sight.
QPlainTextEdit* readOnlyTextBox(const char* name, QWidget* parent, const QFont& font, int lines, int columns);

// The window's fixed-pitch face, in which texts laid out in columns line up.
QFont fixedPitchFace(double points = 0, bool bold = false);

} // namespace forms
