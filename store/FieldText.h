#pragma once

#include <QString>

#include <optional>

namespace store {

// How one value is written as a line so that the field rule gives it back whole.
namespace fieldtext {

// Whether blanks before a value must come back. Box texts and numbers may lose them (the number
// form begins with one); list entries are names, and a name is kept exactly.
enum class LeadingBlanks { MayDrop, Keep };

// The line for the value: as typed when it holds no comma (nor, where kept, leading blanks),
// otherwise inside double quotes, so that the comma no longer ends it. Nothing when no line can
// give the value back: a value that begins with a double quote, holds a comma and a double
// quote, or holds a line end or an empty character.
std::optional<QString> line(const QString& value, LeadingBlanks blanks = LeadingBlanks::MayDrop);

// Why the value cannot be written to a data file, in words for the user (a character that one
// byte cannot hold, or a value that would not read back); empty when it can.
QString problem(const QString& value);

// The start of a long text for quoting in a message, marked when cut, so that a damaged file
// never floods a message box.
QString excerpt(const QString& text);

} // namespace fieldtext

} // namespace store
