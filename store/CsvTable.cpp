#include "store/CsvTable.h"

#include "textrules/SingleByteText.h"

#include <QRegularExpression>
#include <QStringDecoder>

#include <QCoreApplication>
#include <algorithm>

using namespace textrules;

namespace store {

namespace csv {
namespace {
struct CsvTableTexts {
    Q_DECLARE_TR_FUNCTIONS(CsvTable)
};

// A field that begins with a byte order mark is quoted too: at the start of a file the mark
// would be taken for the file's own and dropped.
QString field(const QString& text)
{
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') && !text.contains(u'\r') &&
        !text.startsWith(QChar(0xFEFF)))
        return text;
    QString quoted = text;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

QString decoded(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    if (utf8.hasError())
        return singlebyte::decode(bytes);
    return text.startsWith(QChar(0xFEFF)) ? text.mid(1) : text;
}

// Walks the text one field at a time.
class Reader {
public:
    explicit Reader(QString text) : m_text(std::move(text)) {}

    Table table()
    {
        Table read;
        QStringList row;
        while (m_pos < m_text.size()) {
            if (!readField(row)) {
                read.problem =
                    CsvTableTexts::tr("a quoted field that begins on row %1 is never closed").arg(m_rowNumber + 1);
                return read;
            }
            if (atRowEnd()) {
                keep(read, row);
                skipRowEnd();
            } else {
                ++m_pos; // the comma
                if (m_pos == m_text.size())
                    row.append(QString()); // a last field left empty
            }
        }
        keep(read, row);
        return read;
    }

private:
    bool atRowEnd() const { return m_pos >= m_text.size() || m_text[m_pos] == u'\n' || m_text[m_pos] == u'\r'; }
    void skipRowEnd()
    {
        if (m_pos < m_text.size() && m_text[m_pos] == u'\r')
            ++m_pos;
        if (m_pos < m_text.size() && m_text[m_pos] == u'\n')
            ++m_pos;
    }
    void keep(Table& read, QStringList& row)
    {
        ++m_rowNumber;
        // Spreadsheets save rows of empty cells below the table: they hold nothing.
        const bool blank = std::all_of(row.cbegin(), row.cend(), [](const QString& text) { return text.isEmpty(); });
        if (!blank) {
            read.rows.append(row);
            read.rowNumbers.append(m_rowNumber);
        }
        row.clear();
    }
    bool readField(QStringList& row)
    {
        if (m_text[m_pos] != u'"') {
            const qsizetype start = m_pos;
            while (m_pos < m_text.size() && m_text[m_pos] != u',' && !atRowEnd())
                ++m_pos;
            row.append(m_text.mid(start, m_pos - start));
            return true;
        }
        QString value;
        for (++m_pos; m_pos < m_text.size(); ++m_pos) {
            if (m_text[m_pos] != u'"') {
                value += m_text[m_pos];
            } else if (m_pos + 1 < m_text.size() && m_text[m_pos + 1] == u'"') {
                value += u'"';
                ++m_pos;
            } else {
                ++m_pos; // the closing quote; what follows it up to the comma belongs to the field
                while (m_pos < m_text.size() && m_text[m_pos] != u',' && !atRowEnd())
                    value += m_text[m_pos++];
                row.append(value);
                return true;
            }
        }
        return false;
    }

    QString m_text;
    qsizetype m_pos = 0;
    int m_rowNumber = 0; // rows ended so far
};

const QString kFormulaStarts = QStringLiteral("=+-@\t\r");

bool startsFormula(const QString& text)
{
    return !text.isEmpty() && kFormulaStarts.contains(text.front());
}

// A text already written after a "'" is guarded again, so that reading takes one "'" away.
bool needsGuard(const QString& text)
{
    return startsFormula(text) || (text.startsWith(u'\'') && needsGuard(text.mid(1)));
}

} // namespace

QString textCell(const QString& text)
{
    return needsGuard(text) ? u'\'' + text : text;
}

QString boxCell(const QString& text)
{
    static const QRegularExpression number(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?$"));
    return number.match(text).hasMatch() ? text : textCell(text);
}

QString fromCell(const QString& cell)
{
    return cell.startsWith(u'\'') && needsGuard(cell.mid(1)) ? cell.mid(1) : cell;
}

QByteArray line(const QStringList& fields)
{
    QStringList quoted;
    quoted.reserve(fields.size());
    for (const QString& text : fields)
        quoted.append(field(text));
    return quoted.join(u',').toUtf8() + "\r\n";
}

Table parse(const QByteArray& bytes)
{
    return Reader(decoded(bytes)).table();
}

} // namespace csv

} // namespace store
