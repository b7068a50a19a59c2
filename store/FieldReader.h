#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace store {

// Hands out the values of a data file one at a time:
// blanks before a value are skipped; a value that begins with a double quote runs to the next
// double quote on its line; any other value runs to the next comma or the end of the line; an empty line is
// one empty value; reading past the last line gives nothing. Lines end in CR LF or LF alone.
class FieldReader {
public:
    FieldReader() = default;
    explicit FieldReader(QString content);

    std::optional<QString> next();
    // The same value as next() gives, seen in place: valid while the reader lives, and without a
    // copy, for files of many values such as the result file.
    std::optional<QStringView> nextView();
    // Every value not yet read, in order.
    QStringList rest();
    bool atEnd() const;

private:
    bool atLineEnd() const;
    void skipLineEnd();
    void skipToDelimiter();
    QStringView readQuoted();
    QStringView readPlain();

    QString m_text;
    qsizetype m_pos = 0;
    bool m_valueAfterComma = false; // a comma was read, so one more value follows on this line
};

} // namespace store
