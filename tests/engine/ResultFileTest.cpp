// Saving the result record as the equipment's result file and reading it back.

#include "engine/ResultFile.h"
#include "tests/engine/Figures.h"
#include "tests/support/FileContents.h"
#include "tests/support/ProgramNames.h"
#include "tests/support/ReferencePage.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kEquipment = QStringLiteral("AB Press 2");
const QString kFileName = QStringLiteral("AB_Pres55");

QByteArray referenceFile()
{
    return referenceBytes(QStringLiteral("worked-example-result.txt"));
}

// The reference file with line `lineNumber` (from 1) put in place of what it holds.
QByteArray referenceWithLine(int lineNumber, const QByteArray& line)
{
    QList<QByteArray> lines = referenceFile().split('\n');
    lines[lineNumber - 1] = line + '\r';
    return lines.join('\n');
}

} // namespace

class ResultFileTest : public QObject {
    Q_OBJECT

private slots:
    void damagedFileIsReported_data();
    void damagedFileIsReported();
    void linesAfterTheRecordAreLeftAside_data();
    void linesAfterTheRecordAreLeftAside();
    void valuesComeBackToFifteenDigits_data();
    void valuesComeBackToFifteenDigits();
};

void ResultFileTest::damagedFileIsReported_data()
{
    QTest::addColumn<bool>("fileExists");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<QByteArray>("quoted"); // the start of a long damaged line, quoted and said to be cut
    const auto row = [](const char* name, bool fileExists, const QByteArray& content, const char* reason,
                        const QByteArray& quoted = {}) {
        QTest::newRow(name) << fileExists << content << QString(reason) << quoted;
    };
    const QByteArray reference = referenceFile();
    row("missing file", false, {}, "not found");
    row("empty file", true, {}, "incomplete");
    row("205 lines", true, reference.left(reference.lastIndexOf("\r\n", reference.size() - 3) + 2),
        "ends after line 205");
    row("text in place of a number", true, referenceWithLine(83, "abc"), "does not hold a number");
    row("number followed by text", true, referenceWithLine(83, " 1303.4112 $"), "does not hold a number");
    row("number too large for a double", true, referenceWithLine(2, " 1E+400 "), "too large");
    // A damaged line may be thousands of characters long.
    const QByteArray longText = "abcdefghij" + QByteArray(4000, 'x');
    row("long text", true, referenceWithLine(83, longText), "does not hold a number", longText.left(40));
    const QByteArray longNumber = "1234567890" + QByteArray(4000, '0');
    row("long number too large", true, referenceWithLine(83, " " + longNumber), "too large", longNumber.left(40));
}

void ResultFileTest::damagedFileIsReported()
{
    QFETCH(bool, fileExists);
    QFETCH(QByteArray, content);
    QFETCH(QString, reason);
    QFETCH(QByteArray, quoted);
    QTemporaryDir dir;
    if (fileExists)
        QVERIFY(writeBytes(dir.filePath(kFileName), content));
    const LoadedRecord loaded = loadResultFile(DataFolder(dir.path()), kEquipment);
    QVERIFY(!loaded.ok());
    QVERIFY2(loaded.error.contains(kFileName), qPrintable(loaded.error.left(300)));
    QVERIFY2(loaded.error.contains(reason), qPrintable(loaded.error.left(300)));
    QVERIFY2(loaded.error.size() < 200, qPrintable(loaded.error.left(300)));
    if (!quoted.isEmpty())
        QVERIFY2(loaded.error.contains(u'"' + QString::fromLatin1(quoted) + QStringLiteral("\u2026 (cut)\"")),
                 qPrintable(loaded.error));
    if (reason == "does not hold a number") { // line 83, slot 42's result: slot 41 before it is read
        const QString report =
            mismatches(loaded.record, {resultFigure(41, 332.8), emptyResult(42), inputFigure(42, 0)});
        QVERIFY2(report.isEmpty(), qPrintable(report));
    }
}

// The reference file, written by hand, read as the windows read it: whatever follows its 206
// lines is not part of the record.
void ResultFileTest::linesAfterTheRecordAreLeftAside_data()
{
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("nothing") << QByteArray();
    QTest::newRow("one number") << QByteArray(" 5 \r\n");
    QTest::newRow("text without a line end") << QByteArray("notes");
    QTest::newRow("a hundred lines") << QByteArray(" 1 \r\nabc\r\n").repeated(50);
}

void ResultFileTest::linesAfterTheRecordAreLeftAside()
{
    QFETCH(QByteArray, after);
    QTemporaryDir dir;
    QVERIFY(writeBytes(dir.filePath(kFileName), referenceFile() + after));
    const LoadedRecord loaded = loadResultFile(DataFolder(dir.path()), kEquipment);
    QVERIFY2(loaded.ok(), qPrintable(loaded.error));
    const QList<Figure> figures = {inputFigure(1, 7.65),
                                   inputFigure(15, 0.08),
                                   inputFigure(23, 0),
                                   resultFigure(42, 1303.4112),
                                   emptyResult(44),
                                   resultFigure(58, 357.142857142857),
                                   resultFigure(62, 21689.8428571429),
                                   inputFigure(80, 60),
                                   resultFigure(103, 57.5090736241218),
                                   inputFigure(103, 0)};
    const QString report = mismatches(loaded.record, figures);
    QVERIFY2(report.isEmpty(), qPrintable(report));
}

// The number form keeps 15 significant digits: a value with no more comes back as the same
// double, a longer one as its 15-digit neighbour.
void ResultFileTest::valuesComeBackToFifteenDigits_data()
{
    QTest::addColumn<double>("saved");
    QTest::addColumn<double>("loaded");
    QTest::newRow("whole number") << 41600.0 << 41600.0;
    QTest::newRow("15 digits") << 357.142857142857 << 357.142857142857;
    QTest::newRow("negative below 1") << -0.25 << -0.25;
    QTest::newRow("small, written with an exponent") << 1.5e-7 << 1.5e-7;
    QTest::newRow("large, written with an exponent") << 1e20 << 1e20;
    QTest::newRow("zero") << 0.0 << 0.0;
    QTest::newRow("one third") << 1.0 / 3.0 << 0.333333333333333;
    QTest::newRow("5000/72800*5200") << 357.14285714285717 << 357.142857142857;
}

void ResultFileTest::valuesComeBackToFifteenDigits()
{
    QFETCH(double, saved);
    QFETCH(double, loaded);
    ResultRecord record;
    record.setResult(42, saved);
    record.setInput(103, saved);
    QTemporaryDir dir;
    const StoreResult stored = saveResultFile(DataFolder(dir.path()), kEquipment, record);
    QVERIFY2(stored.ok(), qPrintable(stored.error));
    const LoadedRecord back = loadResultFile(DataFolder(dir.path()), kEquipment);
    QVERIFY2(back.ok(), qPrintable(back.error));
    const QString report = mismatches(back.record, {resultFigure(42, loaded), inputFigure(103, loaded), emptyResult(41),
                                                    emptyResult(103), inputFigure(42, 0)});
    QVERIFY2(report.isEmpty(), qPrintable(report));
}

QTEST_GUILESS_MAIN(ResultFileTest)
#include "ResultFileTest.moc"
