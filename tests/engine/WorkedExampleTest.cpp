// The worked example: a press with two operators, from the typed texts to the saved result file.

#include "tests/engine/WorkedExample.h"
#include "engine/CostFormulas.h"
#include "engine/ResultFile.h"
#include "tests/engine/Figures.h"
#include "tests/support/ProgramNames.h"

#include "tests/support/FileContents.h"
#include "tests/support/ReferencePage.h"

#include <QTemporaryDir>

#include <QTest>

class WorkedExampleTest : public QObject {
    Q_OBJECT

private slots:
    void figures_data();
    void figures();
    void savedResultFile();
};

// Each figure by hand, in the order and bracketing of its formula; where the decimal value is
// not a double, the expected double is that order evaluated step by step in double precision.
void WorkedExampleTest::figures_data()
{
    QTest::addColumn<Figure>("figure");
    auto row = [](const char* name, Figure figure) { QTest::newRow(name) << figure; };
    row("V13 employees: wages 20 and 15 above 0", inputFigure(13, 2));
    row("V16 horsepower: 10*80/100 + 5*50/100", inputFigure(16, 10.5));
    row("R21 wages 1: 20*40*52", resultFigure(21, 41600));
    row("R22 wages 2: 15*40*52", resultFigure(22, 31200));
    row("R23 wages 3: empty", resultFigure(23, 0));
    row("R28 rent: 500*5", resultFigure(28, 2500));
    row("R31 depreciation: 100000*10/100", resultFigure(31, 10000));
    row("R33 fixed: 2500+1000+2000+10000", resultFigure(33, 15500));
    row("R36 direct wages: (20+15)*52*40", resultFigure(36, 72800));
    row("R39 wages: 72800+5000", resultFigure(39, 77800));
    row("R41 lighting: 2000*40*52*0.08/1000", resultFigure(41, 332.8));
    row("R42 motors: 40*52*10.5*0.746*0.08", resultFigure(42, 1303.4112));
    row("R43 arc: 1000/1000*40*52*50/100*0.08", resultFigure(43, 83.2));
    row("R45 fixed+wages+power: 15500+77800+332.8+1303.4112+83.2", resultFigure(45, 95019.4112));
    row("R48 social security 1: 20*52*40*7.65/100", resultFigure(48, 3182.4));
    row("R49 social security 2: 15*52*40*7.65/100", resultFigure(49, 2386.8));
    row("R50 social security 3: empty wage", resultFigure(50, 0));
    row("R51 social security indirect: 5000*7.65/100", resultFigure(51, 382.5));
    row("R52 workman's comp: 3*77800/100", resultFigure(52, 2334));
    row("R53 unemployment 1: 41600 > 7000, 2.7*7000/100", resultFigure(53, 189));
    row("R54 unemployment 2: 31200 > 7000, 2.7*7000/100", resultFigure(54, 189));
    row("R56 unemployment indirect: 2.7*5000/100", resultFigure(56, 135));
    row("R57 insurance direct: 50*52*2", resultFigure(57, 5200));
    // 5000/72800 = 0.068681318681318680..., times 5200 = 357.142857142857...
    row("R58 insurance indirect: 5000/72800*5200", resultFigure(58, 357.14285714285717));
    row("R59 pension: 3/100*77800", resultFigure(59, 2334));
    // 3000+3182.4+2386.8+0+382.5+2334+189+189+0+135+5200+357.142857...+2334+2000
    row("R62 variable: slots 47 to 60", resultFigure(62, 21689.84285714286));
    row("R64 factory: 95019.4112+21689.842857...", resultFigure(64, 116709.25405714285));
    row("R67 factory and general: +10000", resultFigure(67, 126709.25405714285));
    row("R70 center: +8000", resultFigure(70, 134709.25405714285));
    row("V75 paid hours: 40*52*2", inputFigure(75, 4160));
    row("V76 not worked: 2*(10+6)*40/5", inputFigure(76, 256));
    row("R77 chargeable 100%: (4160-256)*100/100", resultFigure(77, 3904));
    row("R78 chargeable 80%: 3904*80/100", resultFigure(78, 3123.2));
    row("R79 chargeable 70%: 3904*70/100", resultFigure(79, 2732.8));
    row("R80 chargeable 60%: 3904*60/100", resultFigure(80, 2342.4));
    row("V81 level 1 percentage", inputFigure(81, 100));
    row("V84 level 4 percentage", inputFigure(84, 60));
    // 126709.254057.../3904 = 32.456264..., times 2
    row("R81 (A) 100%: 126709.254057/3904*2", resultFigure(81, 64.91252769320843));
    row("R84 (A) 60%: 126709.254057/2342.4*2", resultFigure(84, 108.18754615534738));
    row("V89 level 1 percentage", inputFigure(89, 100));
    row("R89 (B) 100%: 134709.254057/3904*2", resultFigure(89, 69.01088834894614));
    row("R92 (B) 60%: 134709.254057/2342.4*2", resultFigure(92, 115.01814724824355));
    row("R100 (C) 100%: 69.010888.../2", resultFigure(100, 34.50544417447307));
    row("R103 (C) 60%: 115.018147.../2", resultFigure(103, 57.509073624121775));
    row("R44 power total is left to the readers", emptyResult(44));
    row("R1 an input-only slot has no result", emptyResult(1));
}

void WorkedExampleTest::figures()
{
    QFETCH(Figure, figure);
    ResultRecord record;
    QCOMPARE(calculateCosts(workedExampleInputs(), record), CostOutcome::Completed);
    const QString report = mismatches(record, {figure});
    QVERIFY2(report.isEmpty(), qPrintable(report));
}

// The reference file was written by hand from the figures above in the number form: an empty
// line for every slot without a result value, " 0 " for every input value without input.
void WorkedExampleTest::savedResultFile()
{
    ResultRecord record;
    QCOMPARE(calculateCosts(workedExampleInputs(), record), CostOutcome::Completed);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const StoreResult saved = saveResultFile(DataFolder(dir.path()), QStringLiteral("AB Press 2"), record);
    QVERIFY2(saved.ok(), qPrintable(saved.error));

    const QByteArray expectedContent = referenceBytes(QStringLiteral("worked-example-result.txt"));
    const QByteArray actualContent = contentOf(dir.filePath(QStringLiteral("AB_Pres55")));
    QCOMPARE(expectedContent.count("\r\n"), kResultFileLines);
    // Line by line first, so that a difference names its line.
    QCOMPARE(QString::fromLatin1(actualContent).split(u'\n'), QString::fromLatin1(expectedContent).split(u'\n'));
    QCOMPARE(actualContent, expectedContent); // every line ended by CR LF, the last one too
}

QTEST_GUILESS_MAIN(WorkedExampleTest)
#include "WorkedExampleTest.moc"
