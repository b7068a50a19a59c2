#include "tests/support/PaintedPage.h"
#include "tests/support/ProgramNames.h"
#include "tests/support/RecordedMessageBoxes.h"
#include "tests/support/SamplePrintJob.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class TestPrinting : public QObject {
    Q_OBJECT
private slots:
    void paintedReportHoldsItsText();
    void noPrinterSavesAPdfAndTellsWhere();
    void reportsPrintedToAFileGetTheirOwnNames_data();
    void reportsPrintedToAFileGetTheirOwnNames();
};

void TestPrinting::paintedReportHoldsItsText()
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        QSKIP("pdftotext is not installed");
    QTemporaryDir dir;
    const QString text = paintedText(samplePrintJob(), dir.filePath("page.pdf"));
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
    const DataFolder folder(dir.path());
    DesktopPrintService service(messages, folder);
    const PrintService::Outcome outcome = service.print(samplePrintJob(), "Rate Report");
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
    const DataFolder dataFolder(programFolder.path());
    DesktopPrintService service(messages, dataFolder);
    const QString chosen = chosenFolder.filePath("Reverse Engineering Report.pdf");
    if (setUpToPrintToAFile) {
        service.printer().setOutputFormat(QPrinter::PdfFormat);
        service.printer().setOutputFileName(chosen);
    }
    const QString folder = setUpToPrintToAFile ? chosenFolder.path() : programFolder.path();

    const PrintService::Outcome first = service.print(samplePrintJob(), "Budgeted Hourly Rate Report", "AB Press 2");
    const PrintService::Outcome second = service.print(samplePrintJob(), "Budgeted Hourly Rate Report", "AB Press 2");

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
