#include "tests/support/MainWindowDriver.h"
#include "tests/support/ProgramNames.h"

#include "forms/frmBHR.h"
#include "forms/frmBudget.h"
#include "tests/support/PlantFolder.h"
#include "tests/support/ReferencePage.h"

namespace {

// The first line a box shows, a one-line box or a multi-line one alike.
QString firstLine(QWidget* window, const QString& box)
{
    if (auto* line = window->findChild<QLineEdit*>(box))
        return line->text();
    return window->findChild<QPlainTextEdit*>(box)->toPlainText().section(u'\n', 0, 0);
}

// Whether the box shows its text whole: a text wider than the box scrolls, as it is painted,
// when the cursor moves from its end to its start.
bool showsWhole(QLineEdit* box)
{
    const auto cursorAt = [box](qsizetype position) {
        box->setCursorPosition(int(position));
        box->repaint();
        return box->inputMethodQuery(Qt::ImCursorRectangle).toRect().left();
    };
    const int end = cursorAt(box->text().size());
    return end - cursorAt(0) == box->fontMetrics().horizontalAdvance(box->text());
}

// The caption a button was last painted with.
class PaintedCaption : public QObject {
public:
    explicit PaintedCaption(QAbstractButton* button) : m_button(button) { button->installEventFilter(this); }
    QString last;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_button && event->type() == QEvent::Paint)
            last = m_button->text();
        return false;
    }

private:
    QAbstractButton* m_button;
};

} // namespace

class TestRates : public QObject {
    Q_OBJECT
private slots:
    void workedExampleInTheRateWindow();
    void choosingALevelSavesItsDigitAndExitReturns();
    void reportMatchesTheReferencePage();
    void amountsAreNeverCut_data();
    void amountsAreNeverCut();
    void calculateRefreshesTheOpenResultWindow_data();
    void calculateRefreshesTheOpenResultWindow();
};

void TestRates::workedExampleInTheRateWindow()
{
    MainWindowDriver ui;
    QCOMPARE(calculateCenter(ui.folder(), "AB Press 2", workedExampleTexts()).kind, BudgetOutcome::Kind::Completed);
    FrmBHR* rates = ui.window().openWindows().rates();

    QCOMPARE(rates->findChild<QLabel*>("lblHead1")->text(), "Budgeted Hourly Cost Analysis For AB Press 2");
    QCOMPARE(boxLines(rates, "txtHead2").first(), " 100       3904         $64.91          $69.01        $34.51");
    QCOMPARE(boxLines(rates, "txtHead2").size(), 4);
    QCOMPARE(boxLines(rates, "txtHead2").last(), "  60       2342        $108.19         $115.02        $57.51");
    QCOMPARE(rates->findChild<QLabel*>("lblOp1")->text(), "100% Eff");
    QCOMPARE(rates->findChild<QLabel*>("lblOp4")->text(), "60% Eff");
    QCOMPARE(rates->findChild<QRadioButton*>("Option1")->text(), "$69.01");
    QCOMPARE(rates->findChild<QRadioButton*>("Option2")->text(), "$86.26");
    QVERIFY(rates->findChild<QRadioButton*>("Option5")->isChecked());
    QCOMPARE(rates->findChild<QLineEdit*>("txtGen")->text(), "     $10,000.00");
    QCOMPARE(rates->findChild<QLineEdit*>("txtVar")->text(), "     $10,000.00");
    QCOMPARE(rates->findChild<QLineEdit*>("txtTotOH")->text(), "      $8,000.00");
    QCOMPARE(rates->findChild<QLineEdit*>("txtTotCC")->text(), "    $134,709.25");
}

// The window opens on "None" whatever Name1.Dat holds; a level's click saves its digit.
void TestRates::choosingALevelSavesItsDigitAndExitReturns()
{
    MainWindowDriver ui;
    QCOMPARE(calculateCenter(ui.folder(), "Kord", workedExampleTexts()).kind, BudgetOutcome::Kind::Completed);
    QVERIFY(ui.folder().replace("Name1.Dat", {"2"}).ok());
    FrmBHR* rates = ui.window().openWindows().rates();
    QVERIFY(rates->findChild<QRadioButton*>("Option5")->isChecked());
    QVERIFY(!rates->findChild<QRadioButton*>("Option2")->isChecked());
    clickIn(rates, "Option5");
    QCOMPARE(ui.fileBytes("Name1.Dat"), QByteArray("2\r\n"));
    clickIn(rates, "Option3");
    QCOMPARE(ui.fileBytes("Name1.Dat"), QByteArray("3\r\n"));
    clickIn(rates, "Option2");
    QCOMPARE(ui.fileBytes("Name1.Dat"), QByteArray("2\r\n"));
    clickIn(rates, "Command1");
    QVERIFY(!rates->isVisible());
    QVERIFY(ui.window().isVisible());
}

// The worked example's report as the reference page lays it out, the button saying "Printing"
// while it prints.
void TestRates::reportMatchesTheReferencePage()
{
    MainWindowDriver ui;
    QCOMPARE(calculateCenter(ui.folder(), "AB Press 2", workedExampleTexts()).kind, BudgetOutcome::Kind::Completed);
    FrmBHR* rates = ui.window().openWindows().rates();
    QVERIFY(QTest::qWaitForWindowExposed(rates));
    auto* print = rates->findChild<QPushButton*>("cmdPrintBHR");
    const PaintedCaption painted(print);
    QString captionWhilePrinting;
    ui.platform().recordedPrinting.whilePrinting = [&] { captionWhilePrinting = painted.last; };
    QTest::mouseClick(print, Qt::LeftButton);
    QCOMPARE(captionWhilePrinting, "Printing");
    QCOMPARE(print->text(), "Print BHR");
    QCOMPARE(ui.platform().recordedPrinting.pages.size(), 1);
    const TextPagePrinter& page = ui.platform().recordedPrinting.pages.first();
    QCOMPARE(page.lines(), referencePage("rate-report-worked-example.txt"));
    QCOMPARE(page.lines().size(), 1 + 62 + 4 + 1);
    QVERIFY(page.documentEnded());
    QCOMPARE(page.lines().filter("TOTAL VAR. COSTS").size(), 2);
    const QStringList marked = page.markedLines();
    QCOMPARE(marked.first(), "<font Courier New><size 9>   <size 12><b>BUDGETED HOURLY RATE ANALYSIS FOR: AB Press 2");
    QCOMPARE(marked.at(1), "<size 9></b>");
    QVERIFY(marked.last().endsWith("<end>"));
}

// Where an amount fits its field it stands where it always stood; a longer one keeps every
// digit and its right edge, taking the room from the blanks before it.
void TestRates::amountsAreNeverCut_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("place"); // window.box
    QTest::addColumn<QString>("shown"); // the box's first line
    const auto row = [](const char* name, int slot, double value, const char* place, const QString& shown) {
        QTest::newRow(name) << slot << value << QString::fromLatin1(place) << shown;
    };
    const QString noRates(8, u' ');
    const QString before = "   0" + QString(7 + 7, u' '); // zero efficiency, no hours
    row("budget: below a million fits, padded to 15", 28, 999999.99, "frmBudget.txtRent", "    $999,999.99");
    row("budget: a million", 28, 1e6, "frmBudget.txtRent", "  $1,000,000.00");
    row("budget: zero", 28, 0, "frmBudget.txtRent", "          $0.00");
    row("budget: negative, the sign before the blanks", 28, -12.5, "frmBudget.txtRent", "     -   $12.50");
    row("budget: an empty result shows blank", 28, 1, "frmBudget.txtII", QString(15, u' '));
    row("budget: power adds empty items as 0", 41, 3, "frmBudget.txtPower", "          $3.00");
    row("budget: a billion less a cent", 64, 999999999.99, "frmBudget.txtFacCosts", "$999,999,999.99");
    row("budget: a hundred quintillion", 28, 1e20, "frmBudget.txtRent", "$100,000,000,000,000,000,000.00");
    row("rates: a billion less a cent", 70, 999999999.99, "frmBHR.txtTotCC", "$999,999,999.99");
    const QString ratesBandC = QString(8, u' ') + noRates + QString(6, u' ') + noRates;
    row("rates: rate A of $1,405.83", 81, 1405.83, "frmBHR.txtHead2", before.chopped(1) + "$1,405.83" + ratesBandC);
    row("rates: rate C of $99,999.99", 100, 99999.99, "frmBHR.txtHead2",
        before + noRates + QString(8, u' ') + noRates + QString(4, u' ') + "$99,999.99");
}

void TestRates::amountsAreNeverCut()
{
    QFETCH(int, slot);
    QFETCH(double, value);
    QFETCH(QString, place);
    QFETCH(QString, shown);
    MainWindowDriver ui;
    QVERIFY(ui.folder().replace("Name.tmp", {"Kord"}).ok());
    saveResults(ui.folder(), "Kord", {{slot, value}});
    QWidget* window = place.startsWith("frmBudget") ? static_cast<QWidget*>(ui.window().openWindows().budget())
                                                    : ui.window().openWindows().rates();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    const QString box = place.section(u'.', 1);
    QCOMPARE(firstLine(window, box), shown);
    if (auto* line = window->findChild<QLineEdit*>(box))
        QVERIFY(showsWhole(line));
}

// A Calculate writes new results while a result window is open: the window shows them.
void TestRates::calculateRefreshesTheOpenResultWindow_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("input"); // the box changed before the second Calculate
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    const auto row = [](const char* name, const QString& window, const QString& input, const QString& typed,
                        const QString& box, const QString& before, const QString& after) {
        QTest::newRow(name) << window << input << typed << box << before << after;
    };
    row("budget summary", "frmBudget", "txtRent", "6", "txtRent", "      $2,500.00", "      $3,000.00");
    row("hourly rates", "frmBHR", "txtGen", "12000", "txtGen", "     $10,000.00", "     $12,000.00");
    // Slope .075 and set-up price 140 in place of .085 and 40.
    row("reverse engineering", "frmCenter", "txtP1", "215", "txtHead2",
        "  Your cost before Mark-Up will be $100.00 Per", "  Your cost before Mark-Up will be $172.00 Per");
}

void TestRates::calculateRefreshesTheOpenResultWindow()
{
    QFETCH(QString, window);
    QFETCH(QString, input);
    QFETCH(QString, typed);
    QFETCH(QString, box);
    QFETCH(QString, before);
    QFETCH(QString, after);
    MainWindowDriver ui;
    ui.startWorkedExample("Kord");
    ui.click("Command2"); // Calculate BHR opens the budget summary
    if (window == "frmBHR")
        QTest::mouseClick(openWindowNamed("frmBudget")->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    const QString calculate = window == "frmCenter" ? "Command1" : "Command2";
    if (window == "frmCenter") {
        ui.typePricing(workedExamplePricing());
        ui.click(calculate);
    }
    QPointer<QWidget> open = openWindowNamed(window);
    QVERIFY(open);
    QCOMPARE(firstLine(open, box), before);

    ui.type(input, typed);
    ui.click(calculate);
    QCOMPARE(openWindowNamed(window), open.data());
    QCOMPARE(firstLine(open, box), after);
}

QTEST_MAIN(TestRates)
#include "test_rates.moc"
