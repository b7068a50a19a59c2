#pragma once

#include "platform/PrinterBackend.h"

#include <QStringList>

// Lays printer operations out as fixed-pitch text, one character per column, so tests can
// compare a report line by line. markedLines() also shows where the face changed:
// <font NAME>, <size N>, <b> </b>, <u> </u>, and <end> where the document was ended.
class TextPagePrinter : public platform::PrinterBackend {
public:
    static TextPagePrinter of(const report::PrintJob& job);
    void apply(const report::PrintOperation& operation) override;

    QStringList lines() const;
    QStringList markedLines() const;
    bool documentEnded() const { return m_ended; }
    const QList<report::PagePicture>& pictures() const { return m_pictures; } // what the page's pictures show

private:
    void append(const QString& text, const QString& marks);
    void endLine();

    QStringList m_lines;
    QStringList m_marked;
    QString m_current;
    QString m_currentMarked;
    QList<report::PagePicture> m_pictures;
    bool m_ended = false;
};
