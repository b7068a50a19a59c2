#pragma once

#include <QList>
#include <QString>

// A printed report as the sequence of printer operations that produces it. Reports are built
// here without any printer; a printer backend plays the operations back.
struct PrintOperation {
    enum class Kind { FontName, FontSize, Bold, Underline, Print, EndLine, MoveToColumn, EndDocument };
    Kind kind = Kind::Print;
    QString text;      // FontName, Print
    double points = 0; // FontSize
    bool on = false;   // Bold, Underline
    int column = 0;    // MoveToColumn, counted from 1

    bool operator==(const PrintOperation&) const = default;
};

class PrintJob {
public:
    PrintJob& fontName(const QString& name);
    PrintJob& fontSize(double points);
    PrintJob& bold(bool on);
    PrintJob& underline(bool on);
    PrintJob& print(const QString& text);     // and stay on the line
    PrintJob& printLine(const QString& text); // and end the line
    PrintJob& endLine();
    PrintJob& moveToColumn(int column);  // continues on the next line when already past it
    PrintJob& printNumber(double value); // in the print form, staying on the line
    PrintJob& endDocument();

    const QList<PrintOperation>& operations() const { return m_operations; }

private:
    PrintJob& add(PrintOperation operation);
    QList<PrintOperation> m_operations;
};
