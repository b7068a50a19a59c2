#include "MainWindowDriver.h"

#include "BudgetCalculation.h"
#include "PaintedPage.h"
#include "RateReport.h"
#include "ReferencePage.h"
#include "ResultFile.h"
#include "frmBHR.h"
#include "frmBudget.h"

#include <QPlainTextEdit>
#include <QStandardPaths>

namespace {

// Saves the worked example's record for the name, as Calculate BHR would.
void saveWorkedExample(const DataFolder& folder, const QString& name)
{
    const BoxEntries boxes = workedExampleBoxes();
    const auto textOf = [&boxes](const QString& box) { return boxText(boxes, box); };
    QCOMPARE(calculateBudget(folder, name, textOf).kind, BudgetOutcome::Kind::Completed);
}

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
    void choosingALevelSavesItsDigit();
    void earlierChoiceIsNotReadBack();
    void exitReturnsToTheMainWindow();
    void missingFilesAreNamed();
    void reportMatchesTheReferencePage();
    void reportFacesAndCaptionWhilePrinting();
    void amountsAreNeverCut_data();
    void amountsAreNeverCut();
    void calculateRefreshesTheOpenResultWindow_data();
    void calculateRefreshesTheOpenResultWindow();
    void paintedReportHoldsItsText();
};

void TestRates::workedExampleInTheRateWindow()
{
    MainWindowDriver ui;
    saveWorkedExample(ui.folder(), "AB Press 2");
    FrmBHR* rates = FrmBHR::open(ui.platform(), ui.window());

    QCOMPARE(rates->windowTitle(), "Budgeted Hourly Rate Analysis - Equipment & Employee");
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
    QCOMPARE(boxLines(rates, "txtNote"),
             (QStringList{"PLEASE NOTE THE FOLLOWING DEFINITIONS",
                          "(A) represents the Manufacturig Cost per chargeable hour and is obtained",
                          "by dividing the Factory Cost by appropriate chargeable hours.  (B) is the",
                          "Budgeted Hourly Cost and is obtainable by dividing annual cost by hours.",
                          "(C) is Budgeted Employee Cost obtained by dividing B by the # of employees."}));
    QCOMPARE(boxLines(rates, "txtHead1"),
             (QStringList{"%  of       Tot           Manuf          Budget        Employee    ",
                          " Hrs        Hrs          Cost/Hr         Cost/Hr       Cost/Hr     ", ""}));
}

void TestRates::choosingALevelSavesItsDigit()
{
    MainWindowDriver ui;
    saveWorkedExample(ui.folder(), "Kord");
    FrmBHR* rates = FrmBHR::open(ui.platform(), ui.window());
    QTest::mouseClick(rates->findChild<QRadioButton*>("Option3"), Qt::LeftButton);
    QCOMPARE(ui.fileBytes("Name1.Dat"), QByteArray("3\r\n"));
    QTest::mouseClick(rates->findChild<QRadioButton*>("Option2"), Qt::LeftButton);
    QCOMPARE(ui.fileBytes("Name1.Dat"), QByteArray("2\r\n"));
}

void TestRates::earlierChoiceIsNotReadBack()
{
    MainWindowDriver ui;
    saveWorkedExample(ui.folder(), "Kord");
    QVERIFY(ui.folder().replace("Name1.Dat", {"2"}).ok());
    FrmBHR* rates = FrmBHR::open(ui.platform(), ui.window());
    QVERIFY(rates->findChild<QRadioButton*>("Option5")->isChecked());
    QVERIFY(!rates->findChild<QRadioButton*>("Option2")->isChecked());
    QTest::mouseClick(rates->findChild<QRadioButton*>("Option5"), Qt::LeftButton);
    QCOMPARE(ui.fileBytes("Name1.Dat"), QByteArray("2\r\n"));
}

void TestRates::exitReturnsToTheMainWindow()
{
    MainWindowDriver ui;
    saveWorkedExample(ui.folder(), "Kord");
    FrmBHR* rates = FrmBHR::open(ui.platform(), ui.window());
    QTest::mouseClick(rates->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    QVERIFY(!rates->isVisible());
    QVERIFY(ui.window().isVisible());
}

void TestRates::missingFilesAreNamed()
{
    MainWindowDriver ui;
    FrmBHR* rates = FrmBHR::open(ui.platform(), ui.window());
    QCOMPARE(ui.messages().size(), 1);
    QVERIFY(ui.messages().first().contains("Name.tmp"));
    QCOMPARE(rates->findChild<QLineEdit*>("txtTotCC")->text(), QString());
    QPointer<FrmBHR> closing(rates);
    rates->close();
    QTRY_VERIFY(!closing);

    MainWindowDriver short_;
    QVERIFY(short_.folder().replace("Name.tmp", {"Kord"}).ok());
    QVERIFY(short_.folder().replace("Kord55", QStringList(100, " 0 ")).ok());
    FrmBHR* shortRates = FrmBHR::open(short_.platform(), short_.window());
    QCOMPARE(short_.messages().size(), 1);
    QVERIFY(short_.messages().first().contains("Kord55"));
    QCOMPARE(shortRates->findChild<QRadioButton*>("Option1")->text(), QString());
    QTest::mouseClick(shortRates->findChild<QPushButton*>("cmdPrintBHR"), Qt::LeftButton);
    QCOMPARE(short_.messages().size(), 2);
    QVERIFY(short_.platform().recordedPrinting.pages.isEmpty());
}

void TestRates::reportMatchesTheReferencePage()
{
    MainWindowDriver ui;
    saveWorkedExample(ui.folder(), "AB Press 2");
    FrmBHR* rates = FrmBHR::open(ui.platform(), ui.window());
    QTest::mouseClick(rates->findChild<QPushButton*>("cmdPrintBHR"), Qt::LeftButton);
    QCOMPARE(ui.platform().recordedPrinting.pages.size(), 1);
    const TextPagePrinter& page = ui.platform().recordedPrinting.pages.first();
    QCOMPARE(page.lines(), referencePage("rate-report-worked-example.txt"));
    QCOMPARE(page.lines().size(), 1 + 62 + 4 + 1);
    QVERIFY(page.documentEnded());
    QCOMPARE(page.lines().filter("TOTAL VAR. COSTS").size(), 2);
}

void TestRates::reportFacesAndCaptionWhilePrinting()
{
    MainWindowDriver ui;
    saveWorkedExample(ui.folder(), "Kord");
    FrmBHR* rates = FrmBHR::open(ui.platform(), ui.window());
    QVERIFY(QTest::qWaitForWindowExposed(rates));
    auto* print = rates->findChild<QPushButton*>("cmdPrintBHR");
    const PaintedCaption painted(print);
    QString captionWhilePrinting;
    ui.platform().recordedPrinting.whilePrinting = [&] { captionWhilePrinting = painted.last; };
    QTest::mouseClick(print, Qt::LeftButton);
    QCOMPARE(captionWhilePrinting, "Printing");
    QCOMPARE(print->text(), "Print BHR");
    const QStringList marked = ui.platform().recordedPrinting.pages.first().markedLines();
    QCOMPARE(marked.first(), "<font Courier New><size 9>   <size 12><b>BUDGETED HOURLY RATE ANALYSIS FOR: Kord");
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
    const QString noRates(8, u' ');
    const QString before = "   0" + QString(7 + 7, u' '); // zero efficiency, no hours
    QTest::newRow("budget: below a million, three blanks and the amount") << 28 << 999999.99 << "frmBudget.txtRent"
                                                                          << "    $999,999.99";
    QTest::newRow("budget: a million") << 28 << 1e6 << "frmBudget.txtRent"
                                       << "  $1,000,000.00";
    QTest::newRow("budget: a billion less a cent") << 64 << 999999999.99 << "frmBudget.txtFacCosts"
                                                   << "$999,999,999.99";
    QTest::newRow("budget: a hundred quintillion") << 28 << 1e20 << "frmBudget.txtRent"
                                                   << "$100,000,000,000,000,000,000.00";
    QTest::newRow("rates: a billion less a cent") << 70 << 999999999.99 << "frmBHR.txtTotCC"
                                                  << "$999,999,999.99";
    const QString ratesBandC = QString(8, u' ') + noRates + QString(6, u' ') + noRates;
    QTest::newRow("rates: rate A of $1,405.83")
        << 81 << 1405.83 << "frmBHR.txtHead2" << before.chopped(1) + "$1,405.83" + ratesBandC;
    QTest::newRow("rates: rate C of $99,999.99")
        << 100 << 99999.99 << "frmBHR.txtHead2"
        << before + noRates + QString(8, u' ') + noRates + QString(4, u' ') + "$99,999.99";
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
    QWidget* window = place.startsWith("frmBudget") ? static_cast<QWidget*>(FrmBudget::open(ui.platform(), ui.window()))
                                                    : FrmBHR::open(ui.platform(), ui.window());
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
    QTest::newRow("budget summary") << "frmBudget"
                                    << "txtRent"
                                    << "6"
                                    << "txtRent"
                                    << "      $2,500.00"
                                    << "      $3,000.00";
    QTest::newRow("hourly rates") << "frmBHR"
                                  << "txtGen"
                                  << "12000"
                                  << "txtGen"
                                  << "     $10,000.00"
                                  << "     $12,000.00";
    // Slope .075 and set-up price 140 in place of .085 and 40.
    QTest::newRow("reverse engineering") << "frmCenter"
                                         << "txtP1"
                                         << "215"
                                         << "txtHead2"
                                         << "  Your cost before Mark-Up will be $100.00 Per"
                                         << "  Your cost before Mark-Up will be $172.00 Per";
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
        const QStringList pricing = {"1000", "10000", "25", "125", "890", "60"};
        const QStringList boxes = {"txtQ1", "txtQ2", "txtPercent", "txtP1", "txtP2", "txtHrCost"};
        for (int i = 0; i < boxes.size(); ++i)
            ui.type(boxes[i], pricing[i]);
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

void TestRates::paintedReportHoldsItsText()
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        QSKIP("pdftotext is not installed");
    MainWindowDriver ui;
    saveWorkedExample(ui.folder(), "AB Press 2");
    const QString text =
        paintedText(rateReport("AB Press 2", loadResultFile(ui.folder(), "AB Press 2").record), ui.path("rates.pdf"));
    QVERIFY2(text.contains("BUDGETED HOURLY RATE ANALYSIS FOR: AB Press 2"), qPrintable(text));
    QVERIFY2(text.contains(QRegularExpression("TOTAL ANNUAL CENTER COST:\\.\\.\\s+\\$134,709\\.25")), qPrintable(text));
    QVERIFY2(text.contains(QRegularExpression("100\\s+3904\\s+\\$64\\.91\\s+\\$69\\.01\\s+\\$34\\.51")),
             qPrintable(text));
}

QTEST_MAIN(TestRates)
#include "test_rates.moc"
