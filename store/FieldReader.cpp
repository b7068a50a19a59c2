#include "store/FieldReader.h"

namespace store {

FieldReader::FieldReader(QString content) : m_text(std::move(content)) {}

bool FieldReader::atEnd() const
{
    return m_pos >= m_text.size() && !m_valueAfterComma;
}

bool FieldReader::atLineEnd() const
{
    if (m_pos >= m_text.size())
        return false;
    if (m_text.at(m_pos) == u'\n')
        return true;
    return m_text.at(m_pos) == u'\r' && m_pos + 1 < m_text.size() && m_text.at(m_pos + 1) == u'\n';
}

void FieldReader::skipLineEnd()
{
    m_pos += m_text.at(m_pos) == u'\r' ? 2 : 1;
}

// After a value: past the comma (another value follows) or the line end.
void FieldReader::skipToDelimiter()
{
    while (m_pos < m_text.size() && !atLineEnd() && m_text.at(m_pos) != u',')
        ++m_pos;
    m_valueAfterComma = m_pos < m_text.size() && m_text.at(m_pos) == u',';
    if (m_valueAfterComma)
        ++m_pos;
    else if (atLineEnd())
        skipLineEnd();
}

// A value never spans lines, so a quote left open ends with its line: one damaged name cannot
// swallow the rest of the list.
QStringView FieldReader::readQuoted()
{
    const qsizetype start = ++m_pos;
    while (m_pos < m_text.size() && !atLineEnd() && m_text.at(m_pos) != u'"')
        ++m_pos;
    const QStringView value = QStringView(m_text).mid(start, m_pos - start);
    if (m_pos < m_text.size() && m_text.at(m_pos) == u'"')
        ++m_pos;
    skipToDelimiter();
    return value;
}

// Runs to a comma or a line end, looked for character by character in one tight loop, and steps
// past it there: the files are mostly such values.
QStringView FieldReader::readPlain()
{
    const qsizetype start = m_pos;
    const char16_t* const text = QStringView(m_text).utf16();
    const qsizetype size = m_text.size();
    qsizetype delimiter = 0; // the length of what ends the value
    for (; m_pos < size; ++m_pos) {
        const char16_t c = text[m_pos];
        if (c == u',' || c == u'\n') {
            delimiter = 1;
            break;
        }
        if (c == u'\r' && m_pos + 1 < size && text[m_pos + 1] == u'\n') {
            delimiter = 2;
            break;
        }
    }
    const QStringView value = QStringView(m_text).mid(start, m_pos - start);
    m_valueAfterComma = m_pos < size && text[m_pos] == u',';
    m_pos += delimiter;
    return value;
}

std::optional<QString> FieldReader::next()
{
    const std::optional<QStringView> value = nextView();
    if (!value)
        return std::nullopt;
    return value->toString();
}

std::optional<QStringView> FieldReader::nextView()
{
    if (atEnd())
        return std::nullopt;
    while (m_pos < m_text.size() && m_text.at(m_pos) == u' ')
        ++m_pos;
    if (m_pos >= m_text.size() || atLineEnd()) {
        m_valueAfterComma = false;
        if (m_pos < m_text.size())
            skipLineEnd();
        return QStringView();
    }
    return m_text.at(m_pos) == u'"' ? readQuoted() : readPlain();
}

QStringList FieldReader::rest()
{
    QStringList values;
    while (auto value = next())
        values.append(*value);
    return values;
}

} // namespace store
