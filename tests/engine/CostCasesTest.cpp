// The cost formulas away from the worked example: the two ways a calculation fails, the payroll
// tax maximums, the wages that make an employee, and the motors' horsepower.

#include "engine/CostFormulas.h"
#include "tests/engine/Figures.h"
#include "tests/engine/WorkedExample.h"
#include "tests/support/ProgramNames.h"

#include <QTest>

namespace {

using B = InputBox;

struct BoxText {
    InputBox box;
    QString text;
};

// The worked example with some boxes typed differently.
InputTexts workedExampleWith(const QList<BoxText>& changes)
{
    InputTexts texts = workedExampleInputs();
    for (const BoxText& change : changes)
        texts[change.box] = change.text;
    return texts;
}

BoxText typed(InputBox box, const char* text)
{
    return {box, QString::fromLatin1(text)};
}
BoxText emptied(InputBox box)
{
    return {box, QString()};
}

} // namespace

class CostCasesTest : public QObject {
    Q_OBJECT

private slots:
    void cases_data();
    void cases();
    void recalculationStartsAfresh();
};

void CostCasesTest::cases_data()
{
    QTest::addColumn<QList<BoxText>>("changes");
    QTest::addColumn<QList<Figure>>("figures");
    QTest::addColumn<CostOutcome>("outcome");

    // Direct and indirect wages both 0: the indirect insurance is 0/0. The direct insurance
    // before it is assigned, the pension after it is not.
    QTest::newRow("no wage, no indirect wages")
        << QList<BoxText>{emptied(B::Wage1), emptied(B::Wage2), emptied(B::IndirectWages)}
        << QList<Figure>{inputFigure(13, 0), resultFigure(57, 0), emptyResult(58), emptyResult(59)}
        << CostOutcome::Overflow;

    // 5000/0 leaves R58 empty and R62 adds it as 0: 3000+382.5+150+135+150+2000 = 5817.5.
    // No hours: every rate divides a cost by 0 and stays empty, its percentage still copied;
    // (C) then divides an empty rate by 0 employees: 0/0.
    QTest::newRow("no wage, indirect wages")
        << QList<BoxText>{emptied(B::Wage1), emptied(B::Wage2)}
        << QList<Figure>{emptyResult(58),     resultFigure(59, 150), resultFigure(62, 5817.5), resultFigure(77, 0),
                         resultFigure(80, 0), inputFigure(81, 100),  inputFigure(92, 60),      emptyResult(100)} +
               emptyResults(81, 92)
        << CostOutcome::Overflow;

    // Direct wages 0: R58 empty; R62 = 3000+382.5+150+135+5200+150+2000 = 11017.5; no paid hours,
    // so the rates (A) and (B) stay empty and (C) is an empty rate / 2 = 0.
    QTest::newRow("wages, weekly hours empty")
        << QList<BoxText>{emptied(B::WeeklyHours)}
        << QList<Figure>{emptyResult(58),      resultFigure(62, 11017.5), resultFigure(70, 49517.5),
                         inputFigure(75, 0),   inputFigure(76, 0),        resultFigure(77, 0),
                         resultFigure(80, 0),  resultFigure(100, 0),      resultFigure(101, 0),
                         resultFigure(102, 0), resultFigure(103, 0)} +
               emptyResults(81, 92)
        << CostOutcome::Completed;

    // R77 = (4160-256)*0/100 = 0, then R78 = 0*80/0.
    QTest::newRow("efficiency level 1 empty")
        << QList<BoxText>{emptied(B::Efficiency1)}
        << QList<Figure>{resultFigure(77, 0), emptyResult(78), emptyResult(79)} << CostOutcome::Overflow;

    // V76 = 2*(200+60)*40/5 = 4160 = V75: no chargeable hours, costs above 0.
    QTest::newRow("260 vacation and holiday days")
        << QList<BoxText>{typed(B::VacationDays, "200"), typed(B::Holidays, "60")}
        << QList<Figure>{inputFigure(76, 4160), resultFigure(77, 0), resultFigure(78, 0), resultFigure(100, 0),
                         resultFigure(103, 0)} +
               emptyResults(81, 84) + emptyResults(89, 92)
        << CostOutcome::Completed;

    // V76 = 2*270*40/5 = 4320; R77 = (4160-4320)*100/100 = -160, R78 = -160*80/100 = -128;
    // R81 = 126709.254057/-160*2, R89 = 134709.254057/-160*2, R100 = R89/2.
    QTest::newRow("more than 260 days") << QList<BoxText>{typed(B::VacationDays, "210"), typed(B::Holidays, "60")}
                                        << QList<Figure>{inputFigure(76, 4320),
                                                         resultFigure(77, -160),
                                                         resultFigure(78, -128),
                                                         resultFigure(81, -1583.8656757142858),
                                                         resultFigure(89, -1683.8656757142858),
                                                         resultFigure(100, -841.9328378571429)}
                                        << CostOutcome::Completed;

    // Reading the texts stops before the first formula.
    QTest::newRow("input number beyond a double")
        << QList<BoxText>{typed(B::EquipmentCost, "1e400")} << QList<Figure>{emptyResult(21), emptyResult(70)}
        << CostOutcome::Overflow;

    // R29 = 1e300*1e10 overflows; R30 = 1e300*2/100 would fit but is never reached.
    QTest::newRow("result beyond a double")
        << QList<BoxText>{typed(B::EquipmentCost, "1e300"), typed(B::EquipmentInsurance, "1e10")}
        << QList<Figure>{resultFigure(28, 2500), emptyResult(29), emptyResult(30)} << CostOutcome::Overflow;

    // R48 = 40000*7.65/100; the second wage, 31200, stays under it: 15*52*40*7.65/100.
    // Workman's comp and pension still take all 77800 of wages: 3% of it.
    QTest::newRow("wage above the social security maximum")
        << QList<BoxText>{typed(B::MaximumSalary, "40000")}
        << QList<Figure>{resultFigure(48, 3060), resultFigure(49, 2386.8), resultFigure(52, 2334),
                         resultFigure(59, 2334)}
        << CostOutcome::Completed;

    // R21 = 10.03*37.5*52 = 19558.5, not above a maximum of 19558.5, so the tax is worked out
    // from the wage: 10.03*52 = 521.56 (a double a little low), *37.5 = 19558.499999999996,
    // *7.65/100 = 1496.2252499999997. Taken from the maximum it would be 1496.22525.
    QTest::newRow("wage equal to the social security maximum")
        << QList<BoxText>{typed(B::MaximumSalary, "19558.5"), typed(B::Wage1, "10.03"), typed(B::WeeklyHours, "37.5")}
        << QList<Figure>{resultFigure(21, 19558.5), resultFigure(48, 1496.2252499999997)} << CostOutcome::Completed;

    // R21 = 3*40*52 = 6240, under 7000: 2.7*6240/100; R22 = 31200 is cut to 7000.
    QTest::newRow("wage under the unemployment maximum")
        << QList<BoxText>{typed(B::Wage1, "3")}
        << QList<Figure>{resultFigure(21, 6240), resultFigure(53, 168.48), resultFigure(54, 189)}
        << CostOutcome::Completed;

    // One employee; R22 = -15*40*52; R36 = (20-15+0)*52*40; R57 = 50*52*1.
    QTest::newRow("negative wage") << QList<BoxText>{typed(B::Wage2, "-15")}
                                   << QList<Figure>{inputFigure(13, 1), resultFigure(22, -31200),
                                                    resultFigure(36, 10400), resultFigure(57, 2600)}
                                   << CostOutcome::Completed;

    // "$20" reads 0: no employee, no wages. R36 = (0+15+0)*52*40.
    QTest::newRow("wage typed $20") << QList<BoxText>{typed(B::Wage1, "$20")}
                                    << QList<Figure>{inputFigure(13, 1), resultFigure(21, 0), resultFigure(36, 31200),
                                                     resultFigure(57, 2600)}
                                    << CostOutcome::Completed;

    // R23 = 12*40*52; R36 = (20+15+12)*52*40; R57 = 50*52*3.
    QTest::newRow("third wage given") << QList<BoxText>{typed(B::Wage3, "12")}
                                      << QList<Figure>{inputFigure(13, 3), resultFigure(23, 24960),
                                                       resultFigure(36, 97760), resultFigure(57, 7800)}
                                      << CostOutcome::Completed;
    // Motor 2 emptied, so that motor 1 alone drives: R42 = 40*52*10*0.746*0.08 and 40*52*5*0.746*0.08.
    const QList<BoxText> motor1Alone = {emptied(B::Horsepower2), emptied(B::Usage2)};
    QTest::newRow("usage 100 percent") << motor1Alone + QList<BoxText>{typed(B::Usage1, "100")}
                                       << QList<Figure>{inputFigure(16, 10), resultFigure(42, 1241.344)}
                                       << CostOutcome::Completed;
    QTest::newRow("usage 50 percent") << motor1Alone + QList<BoxText>{typed(B::Usage1, "50")}
                                      << QList<Figure>{inputFigure(16, 5), resultFigure(42, 620.672)}
                                      << CostOutcome::Completed;
    // 0.1+0.1+0.1 is 0.30000000000000004 in doubles; at 15 digits it is .3.
    QTest::newRow("sum kept to 15 digits")
        << QList<BoxText>{typed(B::Horsepower1, "0.1"), typed(B::Horsepower2, "0.1"), typed(B::Horsepower3, "0.1"),
                          typed(B::Usage1, "100"),      typed(B::Usage2, "100"),      typed(B::Usage3, "100")}
        << QList<Figure>{inputFigure(16, 0.3)} << CostOutcome::Completed;
    QTest::newRow("long fraction cut to 15 digits")
        << motor1Alone + QList<BoxText>{typed(B::Horsepower1, "0.333333333333333333"), typed(B::Usage1, "100")}
        << QList<Figure>{inputFigure(16, 0.333333333333333)} << CostOutcome::Completed;
    QTest::newRow("fifth motor counts") << motor1Alone + QList<BoxText>{emptied(B::Horsepower1), emptied(B::Usage1),
                                                                        typed(B::Horsepower5, "4"),
                                                                        typed(B::Usage5, "25")}
                                        << QList<Figure>{inputFigure(16, 1)} << CostOutcome::Completed;
    // 1e200*1e200 is beyond a double: the calculation stops before the first formula.
    QTest::newRow("horsepower times usage beyond a double")
        << motor1Alone + QList<BoxText>{typed(B::Horsepower1, "1e200"), typed(B::Usage1, "1e200")}
        << QList<Figure>{emptyResult(21)} << CostOutcome::Overflow;
}

void CostCasesTest::cases()
{
    QFETCH(QList<BoxText>, changes);
    QFETCH(QList<Figure>, figures);
    QFETCH(CostOutcome, outcome);
    ResultRecord record;
    QCOMPARE(calculateCosts(workedExampleWith(changes), record), outcome);
    const QString report = mismatches(record, figures);
    QVERIFY2(report.isEmpty(), qPrintable(report));
}

// A record that held the worked example keeps none of it when weekly hours go missing: the
// slots a division by zero leaves empty are empty, not last time's figures.
void CostCasesTest::recalculationStartsAfresh()
{
    ResultRecord record;
    QCOMPARE(calculateCosts(workedExampleInputs(), record), CostOutcome::Completed);
    QCOMPARE(calculateCosts(workedExampleWith({emptied(B::WeeklyHours)}), record), CostOutcome::Completed);
    const QString report =
        mismatches(record, QList<Figure>{emptyResult(58), inputFigure(20, 0)} + emptyResults(81, 92));
    QVERIFY2(report.isEmpty(), qPrintable(report));
}

QTEST_GUILESS_MAIN(CostCasesTest)
#include "CostCasesTest.moc"
