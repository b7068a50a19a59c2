#include "report/PrintJob.h"

#include "textrules/NumberText.h"

using namespace textrules;

namespace report {

using Kind = PrintOperation::Kind;

PrintJob& PrintJob::add(PrintOperation operation)
{
    m_operations.append(std::move(operation));
    return *this;
}

namespace {
PrintOperation operation(Kind kind)
{
    PrintOperation op;
    op.kind = kind;
    return op;
}

PrintOperation withText(Kind kind, const QString& text)
{
    PrintOperation op = operation(kind);
    op.text = text;
    return op;
}

PrintOperation switched(Kind kind, bool on)
{
    PrintOperation op = operation(kind);
    op.on = on;
    return op;
}
} // namespace

PrintJob& PrintJob::fontName(const QString& name)
{
    return add(withText(Kind::FontName, name));
}

PrintJob& PrintJob::fontSize(double points)
{
    PrintOperation op = operation(Kind::FontSize);
    op.points = points;
    return add(op);
}

PrintJob& PrintJob::bold(bool on)
{
    return add(switched(Kind::Bold, on));
}
PrintJob& PrintJob::underline(bool on)
{
    return add(switched(Kind::Underline, on));
}
PrintJob& PrintJob::print(const QString& text)
{
    return add(withText(Kind::Print, text));
}
PrintJob& PrintJob::printLine(const QString& text)
{
    return print(text).endLine();
}
PrintJob& PrintJob::endLine()
{
    return add(operation(Kind::EndLine));
}

PrintJob& PrintJob::moveToColumn(int column)
{
    PrintOperation op = operation(Kind::MoveToColumn);
    op.column = column;
    return add(op);
}

PrintJob& PrintJob::printNumber(double value)
{
    return print(numbers::printForm(value));
}
PrintJob& PrintJob::picture(const QString& caption, double heightMillimetres, PagePicture shown)
{
    PrintOperation op = withText(Kind::Picture, caption);
    op.millimetres = heightMillimetres;
    op.picture = std::move(shown);
    return add(op);
}

PrintJob& PrintJob::landscape(bool on)
{
    m_landscape = on;
    return *this;
}

PrintJob& PrintJob::endDocument()
{
    return add(operation(Kind::EndDocument));
}

} // namespace report
