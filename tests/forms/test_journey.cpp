// One whole analysis through the real windows, as a user takes it: from the splash to both
// printed reports.

#include "tests/support/MainWindowDriver.h"
#include "tests/support/ProgramNames.h"

#include "forms/ProgramStart.h"
#include "forms/frmBHR.h"
#include "forms/frmBudget.h"
#include "forms/frmCenter.h"

#include <QTimer>

class TestJourney : public QObject {
    Q_OBJECT
private slots:
    void fromTheSplashToBothReports();
};

void TestJourney::fromTheSplashToBothReports()
{
    RecordedPlatform platform(2030);
    ProgramStart start(platform);
    start.splash()->timer()->start(0); // the splash's tick, without the wait
    QTRY_VERIFY(start.mainWindow());
    const MainWindowDriver ui(platform, *start.mainWindow());
    QVERIFY(QTest::qWaitForWindowActive(&ui.window()));

    // A new equipment, typed in and calculated.
    ui.startAnalysis("AB Press 2");
    ui.typeAll(workedExampleBoxes());
    ui.click("Command2");
    QCOMPARE(ui.currentTab(), 5);
    auto* budget = ui.openWindow<FrmBudget>();
    QVERIFY(budget);
    QCOMPARE(control<QLineEdit>(budget, "txtPower")->text(), "      $1,719.41");

    // The rates: choose the second level, print, and go back.
    clickIn(budget, "Command1");
    auto* rates = ui.openWindow<FrmBHR>();
    QVERIFY(rates);
    QCOMPARE(boxLines(rates, "txtHead2").at(1), "  80       3123         $81.14          $86.26        $43.13");
    clickIn(rates, "Option2");
    clickIn(rates, "cmdPrintBHR");
    clickIn(rates, "Command1");
    QVERIFY(!rates->isVisible());
    QTRY_VERIFY(QTest::qWaitForWindowActive(&ui.window()));

    // Entering the mark-up box brings in the chosen level's rate (B), once.
    QTest::mouseClick(ui.box("txtPercent"), Qt::LeftButton);
    QCOMPARE(ui.text("txtHrCost"), "86.26"); // 134709.25 / 3123.2 x 2
    QCOMPARE(ui.text("txtQ1"), "1000");
    QCOMPARE(ui.text("txtQ2"), "10000");
    QCOMPARE(ui.fileBytes("Name1.Dat"), QByteArray("\r\n"));

    QTest::keyClicks(ui.box("txtPercent"), "25");
    ui.type("txtP1", "125");
    ui.type("txtP2", "890");
    ui.click("Command1");
    QCOMPARE(ui.fileBytes("AB Pres6"), QByteArray("1000\r\n10000\r\n25\r\n125\r\n890\r\n86.26\r\n"));

    // The analysis: slope .085 and set-up price 40 from the two prices; at $86.26 an hour with a
    // 25 % mark-up, 850 / 107.825 = 7.8831 hours for 10000 pieces, 1268 iph; a set-up cost of
    // $32 is 32 / 86.26 x 60 = 22.26 minutes, rounded to 22.
    auto* center = ui.openWindow<FrmCenter>();
    QVERIFY(center);
    QCOMPARE(control<QLabel>(center, "lblHead1")->text(), "Equipment is Specified as AB Press 2");
    const QStringList speed = boxLines(center, "txtHead1");
    QCOMPARE(speed.at(1), "  of 1268 iph at a Quantity Level of 1000 and 1268");
    QCOMPARE(speed.at(3), "  is $125.00 with a Retail Set-Up Price of $40.00.");
    QCOMPARE(speed.at(4), "  The Cost per Hour is $86.26, with a MarkUp of 25%.");
    QCOMPARE(boxLines(center, "txtHead2").at(2), "  You will be using 22 Minutes for Set-Up Time.");
    QVERIFY(platform.recordedMessages.texts().size() == 1); // only the missing list at start-up

    clickIn(center, "Command2");
    const auto& pages = platform.recordedPrinting.pages;
    QCOMPARE(pages.size(), 2);
    QCOMPARE(pages[0].lines().first(), "   BUDGETED HOURLY RATE ANALYSIS FOR: AB Press 2");
    QVERIFY(pages[0].lines().contains("                          TOTAL ANNUAL CENTER COST:..    $134,709.25"));
    QCOMPARE(pages[1].lines().first(), "   REVERSE ENGINEERING ANALYSIS FOR: AB Press 2");
    QVERIFY(pages[1].lines().contains("   at a Cost Rate of $86.26 Per Hour and 25 Percent Mark-Up."));
    QVERIFY(pages[0].documentEnded() && pages[1].documentEnded());
}

QTEST_MAIN(TestJourney)
#include "test_journey.moc"
