#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace textrules {

// The data files hold one byte per character in the Windows-1252 code page, so that a data
// folder written on Windows in its usual single-byte code page reads back unchanged.
namespace singlebyte {

QString decode(const QByteArray& bytes);

// Appends the encoded bytes of the text; false, with the bytes as they were, when a character has
// no byte of its own. A whole file's lines go into one buffer this way.
bool appendEncoded(const QString& text, QByteArray& bytes);

// The first character that one byte cannot hold, or a null QChar when all fit.
QChar firstUnstorable(const QString& text);

} // namespace singlebyte

} // namespace textrules
