#include "MessageBoxes.h"
#include "PrintService.h"
#include "TextPagePrinter.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinterInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

PrintJob sampleJob()
{
    PrintJob job;
    job.fontName("Courier New").fontSize(9).print("   ").fontSize(12).bold(true);
    job.printLine("HEADING FOR: Kord").fontSize(9).bold(false);
    job.print("       ").print("100").moveToColumn(20).print("3904").moveToColumn(32).printLine("$64.91");
    job.print("a long text that runs past").moveToColumn(10).printLine("next");
    job.print("   You will be using").bold(true).printNumber(32).bold(false).printLine("Minutes");
    job.underline(true).moveToColumn(3).print("Quantity").moveToColumn(3).print("x").underline(false).endLine();
    job.endLine().printNumber(-0.5).endDocument();
    return job;
}

QString pdfText(const QString& path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

class TestPrinting : public QObject {
    Q_OBJECT
private slots:
    void textPageLaysOutColumnsAndLines();
    void textPageMarksFaceChanges();
    void paintedReportHoldsItsText();
    void noPrinterSavesAPdfAndTellsWhere();
    void reportsPrintedToAFileGetTheirOwnNames_data();
    void reportsPrintedToAFileGetTheirOwnNames();
};

void TestPrinting::textPageLaysOutColumnsAndLines()
{
    TextPagePrinter page;
    play(sampleJob(), page);
    const QStringList expected = {
        "   HEADING FOR: Kord",
        "       100         3904        $64.91",
        "a long text that runs past",
        "         next",
        "   You will be using 32 Minutes",
        "  Quantity",
        "  x",
        "",
        "-.5 ",
    };
    QCOMPARE(page.lines(), expected);
    QVERIFY(page.documentEnded());
}

void TestPrinting::textPageMarksFaceChanges()
{
    TextPagePrinter page;
    play(sampleJob(), page);
    const QStringList marked = page.markedLines();
    QCOMPARE(marked.first(), "<font Courier New><size 9>   <size 12><b>HEADING FOR: Kord");
    QCOMPARE(marked.at(1), "<size 9></b>       100         3904        $64.91");
    QCOMPARE(marked.at(4), "   You will be using<b> 32 </b>Minutes");
    QCOMPARE(marked.at(5), "<u>  Quantity");
    QCOMPARE(marked.last(), "-.5 <end>");
}

void TestPrinting::paintedReportHoldsItsText()
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        QSKIP("pdftotext is not installed");
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("page.pdf"));
    QVERIFY(paintJob(sampleJob(), printer));
    const QString text = pdfText(dir.filePath("page.pdf"));
    QVERIFY2(text.contains("HEADING FOR: Kord"), qPrintable(text));
    QVERIFY2(text.contains(QRegularExpression("100\\s+3904\\s+\\$64\\.91")), qPrintable(text));
    QVERIFY2(text.contains("You will be using 32 Minutes"), qPrintable(text));
}

void TestPrinting::noPrinterSavesAPdfAndTellsWhere()
{
    if (!QPrinterInfo::availablePrinters().isEmpty())
        QSKIP("this machine has a printer; the fallback is for machines without one");
    QTemporaryDir dir;
    RecordedMessageBoxes messages;
    DesktopPrintService service(messages, DataFolder(dir.path()));
    const PrintService::Outcome outcome = service.print(sampleJob(), "Rate Report");
    QVERIFY(outcome.printed);
    QCOMPARE(outcome.pdfPath, dir.filePath("Rate Report.pdf"));
    QVERIFY(QFile::exists(outcome.pdfPath));
    QCOMPARE(messages.shown.size(), 1);
    QVERIFY(messages.shown.first().text.contains(outcome.pdfPath));
}

void TestPrinting::reportsPrintedToAFileGetTheirOwnNames_data()
{
    QTest::addColumn<bool>("setUpToPrintToAFile");
    QTest::newRow("set-up chose a file") << true;
    QTest::newRow("no printer at all") << false;
}

// The file the set-up named belongs to the report it was set up for: every report goes into a
// file of its own name with the equipment's, beside it, and a second print never overwrites the first.
void TestPrinting::reportsPrintedToAFileGetTheirOwnNames()
{
    QFETCH(bool, setUpToPrintToAFile);
    if (!setUpToPrintToAFile && !QPrinterInfo::availablePrinters().isEmpty())
        QSKIP("this machine has a printer; the fallback is for machines without one");
    QTemporaryDir programFolder;
    QTemporaryDir chosenFolder;
    RecordedMessageBoxes messages;
    DesktopPrintService service(messages, DataFolder(programFolder.path()));
    const QString chosen = chosenFolder.filePath("Reverse Engineering Report.pdf");
    if (setUpToPrintToAFile) {
        service.printer().setOutputFormat(QPrinter::PdfFormat);
        service.printer().setOutputFileName(chosen);
    }
    const QString folder = setUpToPrintToAFile ? chosenFolder.path() : programFolder.path();

    const PrintService::Outcome first = service.print(sampleJob(), "Budgeted Hourly Rate Report", "AB Press 2");
    const PrintService::Outcome second = service.print(sampleJob(), "Budgeted Hourly Rate Report", "AB Press 2");

    QCOMPARE(first.pdfPath, QDir(folder).filePath("Budgeted Hourly Rate Report - AB Press 2.pdf"));
    QCOMPARE(second.pdfPath, QDir(folder).filePath("Budgeted Hourly Rate Report - AB Press 2 (2).pdf"));
    QVERIFY(!QFile::exists(chosen));
    QCOMPARE(messages.shown.size(), 2);
    for (int i = 0; i < 2; ++i) {
        const QString path = i == 0 ? first.pdfPath : second.pdfPath;
        QVERIFY(QFileInfo(path).size() > 0);
        QVERIFY2(messages.shown.at(i).text.contains(path), qPrintable(messages.shown.at(i).text));
    }
}

QTEST_MAIN(TestPrinting)
#include "test_printing.moc"
