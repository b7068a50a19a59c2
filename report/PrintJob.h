#pragma once

#include "report/PagePicture.h"

#include <QList>
#include <QString>

#include <optional>

namespace report {

// A printed report as the sequence of printer operations that produces it. Reports are built
// here without any printer, their pictures as the figures they show; a printer backend plays the
// operations back.
struct PrintOperation {
    enum class Kind { FontName, FontSize, Bold, Underline, Print, EndLine, MoveToColumn, Picture, EndDocument };
    Kind kind = Kind::Print;
    QString text;                       // FontName, Print
    double points = 0;                  // FontSize
    bool on = false;                    // Bold, Underline
    int column = 0;                     // MoveToColumn, counted from 1
    double millimetres = 0;             // Picture: its height on the page; it takes the page's width
    std::optional<PagePicture> picture; // Picture

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
    // A picture across the page's width, on a line of its own, on the next page when it does not
    // fit on this one. A text page shows it as "[picture: <caption>]".
    PrintJob& picture(const QString& caption, double heightMillimetres, PagePicture shown);
    PrintJob& endDocument();

    // Wide tables are printed on pages turned sideways.
    PrintJob& landscape(bool on = true);
    bool isLandscape() const { return m_landscape; }

    const QList<PrintOperation>& operations() const { return m_operations; }

private:
    PrintJob& add(PrintOperation operation);
    QList<PrintOperation> m_operations;
    bool m_landscape = false;
};

} // namespace report
