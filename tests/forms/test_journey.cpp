// One whole analysis through the real windows, as a user takes it: from the splash to both
// printed reports.

#include "MainWindowDriver.h"

#include "ProgramStart.h"
#include "frmBHR.h"
#include "frmBudget.h"
#include "frmCenter.h"

#include <QPlainTextEdit>
#include <QTimer>

namespace {

template <typename T = QWidget> T* control(QWidget* window, const char* name)
{
    T* found = window->findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qWarning("no control %s", name);
    return found;
}

template <typename Window> Window* openWindow()
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* found = qobject_cast<Window*>(widget); found && found->isVisible())
            return found;
    return nullptr;
}

void type(FrmTab* main, const char* box, const QString& text)
{
    auto* edit = control<QLineEdit>(main, box);
    edit->clear();
    QTest::keyClicks(edit, text);
}

void click(QWidget* window, const char* button)
{
    QTest::mouseClick(control<QAbstractButton>(window, button), Qt::LeftButton);
}

QStringList lines(QWidget* window, const char* box)
{
    return control<QPlainTextEdit>(window, box)->toPlainText().split(u'\n');
}

} // namespace

class TestJourney : public QObject {
    Q_OBJECT
private slots:
    void fromTheSplashToBothReports();
};

void TestJourney::fromTheSplashToBothReports()
{
    QTemporaryDir dir;
    RecordedPlatform platform(dir.path(), 2030);
    ProgramStart start(platform);
    start.splash()->timer()->start(0); // the splash's tick, without the wait
    QTRY_VERIFY(start.mainWindow());
    FrmTab* main = start.mainWindow();
    QVERIFY(QTest::qWaitForWindowActive(main));

    // A new equipment, typed in and calculated.
    type(main, "txtTitle", "AB Press 2");
    click(main, "cmdStart");
    for (const auto& [box, text] : workedExampleBoxes())
        type(main, qPrintable(box), text);
    click(main, "Command2");
    QCOMPARE(control<QTabWidget>(main, "SSTab1")->currentIndex(), 5);
    auto* budget = openWindow<FrmBudget>();
    QVERIFY(budget);
    QCOMPARE(control<QLineEdit>(budget, "txtPower")->text(), "      $1,719.41");

    // The rates: choose the second level, print, and go back.
    click(budget, "Command1");
    auto* rates = openWindow<FrmBHR>();
    QVERIFY(rates);
    QCOMPARE(lines(rates, "txtHead2").at(1), "  80       3123         $81.14          $86.26        $43.13");
    click(rates, "Option2");
    click(rates, "cmdPrintBHR");
    click(rates, "Command1");
    QVERIFY(!rates->isVisible());
    QTRY_VERIFY(QTest::qWaitForWindowActive(main));

    // Entering the mark-up box brings in the chosen level's rate (B), once.
    QTest::mouseClick(control<QLineEdit>(main, "txtPercent"), Qt::LeftButton);
    QCOMPARE(control<QLineEdit>(main, "txtHrCost")->text(), "86.26"); // 134709.25 / 3123.2 x 2
    QCOMPARE(control<QLineEdit>(main, "txtQ1")->text(), "1000");
    QCOMPARE(control<QLineEdit>(main, "txtQ2")->text(), "10000");
    QCOMPARE(contentOf(dir.filePath("Name1.Dat")), QByteArray("\r\n"));

    QTest::keyClicks(control<QLineEdit>(main, "txtPercent"), "25");
    type(main, "txtP1", "125");
    type(main, "txtP2", "890");
    click(main, "Command1");
    QCOMPARE(contentOf(dir.filePath("AB Pres6")), QByteArray("1000\r\n10000\r\n25\r\n125\r\n890\r\n86.26\r\n"));

    // The analysis: slope .085 and set-up price 40 from the two prices; at $86.26 an hour with a
    // 25 % mark-up, 850 / 107.825 = 7.8831 hours for 10000 pieces, 1268 iph; a set-up cost of
    // $32 is 32 / 86.26 x 60 = 22.26 minutes, rounded to 22.
    auto* center = openWindow<FrmCenter>();
    QVERIFY(center);
    QCOMPARE(control<QLabel>(center, "lblHead1")->text(), "Equipment is Specified as AB Press 2");
    const QStringList speed = lines(center, "txtHead1");
    QCOMPARE(speed.at(1), "  of 1268 iph at a Quantity Level of 1000 and 1268");
    QCOMPARE(speed.at(3), "  is $125.00 with a Retail Set-Up Price of $40.00.");
    QCOMPARE(speed.at(4), "  The Cost per Hour is $86.26, with a MarkUp of 25%.");
    QCOMPARE(lines(center, "txtHead2").at(2), "  You will be using 22 Minutes for Set-Up Time.");
    QVERIFY(platform.recordedMessages.texts().size() == 1); // only the missing list at start-up

    click(center, "Command2");
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
