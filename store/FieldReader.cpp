#include "store/FieldReader.h"

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
QString FieldReader::readQuoted()
{
    const qsizetype start = ++m_pos;
    while (m_pos < m_text.size() && !atLineEnd() && m_text.at(m_pos) != u'"')
        ++m_pos;
    const QString value = m_text.mid(start, m_pos - start);
    if (m_pos < m_text.size() && m_text.at(m_pos) == u'"')
        ++m_pos;
    skipToDelimiter();
    return value;
}

QString FieldReader::readPlain()
{
    const qsizetype start = m_pos;
    while (m_pos < m_text.size() && !atLineEnd() && m_text.at(m_pos) != u',')
        ++m_pos;
    const QString value = m_text.mid(start, m_pos - start);
    skipToDelimiter();
    return value;
}

std::optional<QString> FieldReader::next()
{
    if (atEnd())
        return std::nullopt;
    while (m_pos < m_text.size() && m_text.at(m_pos) == u' ')
        ++m_pos;
    if (m_pos >= m_text.size() || atLineEnd()) {
        m_valueAfterComma = false;
        if (m_pos < m_text.size())
            skipLineEnd();
        return QString();
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
