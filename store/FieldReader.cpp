#include "FieldReader.h"

FieldReader::FieldReader(QString content) : m_text(std::move(content)) {}

bool FieldReader::atEnd() const { return m_pos >= m_text.size() && !m_valueAfterComma; }

bool FieldReader::atLineEnd() const
{
    if (m_pos >= m_text.size())
        return false;
    if (m_text[m_pos] == u'\n')
        return true;
    return m_text[m_pos] == u'\r' && m_pos + 1 < m_text.size() && m_text[m_pos + 1] == u'\n';
}

void FieldReader::skipLineEnd() { m_pos += m_text[m_pos] == u'\r' ? 2 : 1; }

// After a value: past the comma (another value follows) or the line end.
void FieldReader::skipToDelimiter()
{
    while (m_pos < m_text.size() && !atLineEnd() && m_text[m_pos] != u',')
        ++m_pos;
    m_valueAfterComma = m_pos < m_text.size() && m_text[m_pos] == u',';
    if (m_valueAfterComma)
        ++m_pos;
    else if (atLineEnd())
        skipLineEnd();
}

QString FieldReader::readQuoted()
{
    const qsizetype start = ++m_pos;
    qsizetype close = m_text.indexOf(u'"', start);
    if (close < 0)
        close = m_text.size();
    m_pos = close;
    const QString value = m_text.mid(start, close - start);
    if (m_pos < m_text.size())
        ++m_pos;
    skipToDelimiter();
    return value;
}

QString FieldReader::readPlain()
{
    const qsizetype start = m_pos;
    while (m_pos < m_text.size() && !atLineEnd() && m_text[m_pos] != u',')
        ++m_pos;
    const QString value = m_text.mid(start, m_pos - start);
    skipToDelimiter();
    return value;
}

std::optional<QString> FieldReader::next()
{
    if (atEnd())
        return std::nullopt;
    while (m_pos < m_text.size() && m_text[m_pos] == u' ')
        ++m_pos;
    if (m_pos >= m_text.size() || atLineEnd()) {
        m_valueAfterComma = false;
        if (m_pos < m_text.size())
            skipLineEnd();
        return QString();
    }
    return m_text[m_pos] == u'"' ? readQuoted() : readPlain();
}
