#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace store {

// Tables as spreadsheets write and read them (comma-separated values).
namespace csv {

// One row: commas between fields; a field that holds a comma, a double quote or a line break in
// double quotes with its quotes doubled; UTF-8 without byte order mark; ended by CR LF.
QByteArray line(const QStringList& fields);

// A spreadsheet runs a cell that begins with "=", "+", "-", "@", a tab or a carriage return as a
// formula, so a name typed as "=HYPERLINK(...)" could act when the file is opened. Such a text is
// written after a "'", which makes the cell plain text; the name stays readable. A text that
// begins with "'" and then such a character gets one "'" more, so that every text reads back.
QString textCell(const QString& text);
// The same for a box's text, except a plain number such as "-5", which stays a number.
QString boxCell(const QString& text);
// The text a cell written by textCell() or boxCell() stands for.
QString fromCell(const QString& cell);

struct [[nodiscard]] Table {
    QList<QStringList> rows; // in file order; rows whose every field is empty are left out
    QList<int> rowNumbers;   // each row's place in the file, counting from 1, as a spreadsheet numbers it
    QString problem;         // why the text is no table; empty when it is one
    bool ok() const { return problem.isEmpty(); }
};

// Reads what line() writes, and what spreadsheets save: rows ended by CR LF or LF alone, a
// last row with or without its end, quoted fields that hold commas, doubled quotes and line
// breaks. The text is UTF-8 (a byte order mark is passed over); a file that is not valid UTF-8
// was saved in the single-byte code page the data files use, and is read in it.
Table parse(const QByteArray& bytes);

} // namespace csv

} // namespace store
