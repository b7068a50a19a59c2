#include "tests/support/TextPagePrinter.h"
#include "tests/support/ProgramNames.h"

using Kind = PrintOperation::Kind;

TextPagePrinter TextPagePrinter::of(const PrintJob& job)
{
    TextPagePrinter page;
    play(job, page);
    return page;
}

void TextPagePrinter::append(const QString& text, const QString& marks)
{
    m_current += text;
    m_currentMarked += marks + text;
}

void TextPagePrinter::endLine()
{
    m_lines.append(m_current);
    m_marked.append(m_currentMarked);
    m_current.clear();
    m_currentMarked.clear();
}

void TextPagePrinter::apply(const PrintOperation& op)
{
    switch (op.kind) {
    case Kind::FontName:
        append({}, QStringLiteral("<font %1>").arg(op.text));
        break;
    case Kind::FontSize:
        append({}, QStringLiteral("<size %1>").arg(op.points));
        break;
    case Kind::Bold:
        append({}, op.on ? QStringLiteral("<b>") : QStringLiteral("</b>"));
        break;
    case Kind::Underline:
        append({}, op.on ? QStringLiteral("<u>") : QStringLiteral("</u>"));
        break;
    case Kind::Print:
        append(op.text, {});
        break;
    case Kind::EndLine:
        endLine();
        break;
    case Kind::MoveToColumn:
        if (m_current.size() + 1 > op.column)
            endLine();
        append(QString(op.column - 1 - m_current.size(), u' '), {});
        break;
    case Kind::Picture:
        if (!m_current.isEmpty())
            endLine();
        append(QStringLiteral("[picture: %1]").arg(op.text), {});
        endLine();
        m_pictures.append(*op.picture);
        break;
    case Kind::EndDocument:
        m_ended = true;
        m_currentMarked += QStringLiteral("<end>");
        break;
    }
}

QStringList TextPagePrinter::lines() const
{
    return m_current.isEmpty() ? m_lines : m_lines + QStringList{m_current};
}

QStringList TextPagePrinter::markedLines() const
{
    return m_currentMarked.isEmpty() ? m_marked : m_marked + QStringList{m_currentMarked};
}
