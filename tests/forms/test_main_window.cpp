#include "MainWindowDriver.h"

#include "FileNames.h"
#include "frmName.h"

#include <QKeyEvent>
#include <QMenuBar>

namespace {
const QString kNoListMessage =
    QStringLiteral("Be certain that you have an KVT folder\r\nOn your C Drive. If Not, Create One.");
}

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void startsWithoutListFileOnFirstTabAndSaysSo();
    void startsWithListInFileOrderWithDuplicates();
    void refreshReloadsAndClearsSelection();
    void refreshWithoutListFileSaysSoAgain();
    void everyBoxHasItsPromptOnItsTab_data();
    void everyBoxHasItsPromptOnItsTab();
    void nameRowOnTabsTwoToSix();
    void typingANameMakesItCurrentAtOnce();
    void menusCarryTheirItems();
    void printerSetUpAndHelpGoToThePlatform();
    void exitClosesEveryWindow();
    void onlyTheCloseBoxRunsTheOpenWindowsClosing_data();
    void onlyTheCloseBoxRunsTheOpenWindowsClosing();
    void windowCalculateButtonIsOutOfReach();
    void hintsOnTheWorkSpaceAndHoursPrompts();
    void reverseEngineeringFocusOrder();
    void unstorableCharactersStayOutOfBoxes();

private:
    std::unique_ptr<MainWindowDriver> m_ui;
};

void TestMainWindow::init()
{
    m_ui = std::make_unique<MainWindowDriver>(2031);
}
void TestMainWindow::cleanup()
{
    m_ui.reset();
}

void TestMainWindow::startsWithoutListFileOnFirstTabAndSaysSo()
{
    m_ui->tabs()->setCurrentIndex(3);
    m_ui->window().load();
    QVERIFY(m_ui->window().isVisible());
    QCOMPARE(m_ui->window().windowTitle(), "Solvarra Budgeted Hourly Rates");
    QCOMPARE(m_ui->tabs()->currentIndex(), 0);
    QCOMPARE(m_ui->list()->count(), 0);
    QCOMPARE(m_ui->messages(), QStringList{kNoListMessage});
    QCOMPARE(m_ui->platform().recordedMessages.shown.first().title, QString());
    QVERIFY(m_ui->child<QLabel>("lblCredit")->text().contains("2031"));
    QCOMPARE(m_ui->window().currentName(), QString());
}

void TestMainWindow::startsWithListInFileOrderWithDuplicates()
{
    QVERIFY(m_ui->folder().replace(filenames::kListFile, {"Kord", "AB Press 2", "Kord"}).ok());
    m_ui->window().load();
    QCOMPARE(entries(m_ui->list()), (QStringList{"Kord", "AB Press 2", "Kord"}));
    QVERIFY(m_ui->platform().recordedMessages.shown.isEmpty());
}

void TestMainWindow::refreshReloadsAndClearsSelection()
{
    QVERIFY(m_ui->folder().replace(filenames::kListFile, {"Kord"}).ok());
    m_ui->window().load();
    m_ui->list()->setCurrentRow(0);
    QVERIFY(m_ui->folder().append(filenames::kListFile, "Heidelberg").ok());
    m_ui->tabs()->setCurrentIndex(4);

    QTest::mouseClick(m_ui->child<QPushButton>("Command5"), Qt::LeftButton);

    QCOMPARE(m_ui->list()->count(), 2);
    QCOMPARE(m_ui->list()->item(1)->text(), "Heidelberg");
    QVERIFY(m_ui->list()->selectedItems().isEmpty());
    QCOMPARE(m_ui->list()->currentRow(), -1);
    QCOMPARE(m_ui->tabs()->currentIndex(), 0);
}

void TestMainWindow::refreshWithoutListFileSaysSoAgain()
{
    m_ui->window().load();
    QTest::mouseClick(m_ui->child<QPushButton>("Command5"), Qt::LeftButton);
    QCOMPARE(m_ui->messages(), (QStringList{kNoListMessage, kNoListMessage}));
}

void TestMainWindow::everyBoxHasItsPromptOnItsTab_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<int>("tab");
    QTest::newRow("first plant box") << "txtSS"
                                     << "Label1"
                                     << "Current Social Security Tax Rate in Percentage" << 1;
    QTest::newRow("pension") << "txtPension"
                             << "Label7"
                             << "Retirement or Pension - Percentage of Salaries:" << 1;
    QTest::newRow("property taxes") << "txtPropTaxes"
                                    << "Label13"
                                    << "Property Taxes (% of Equipment):" << 1;
    QTest::newRow("depreciation") << "txtDepreciation"
                                  << "Label15"
                                  << "Depreciation Used (Percentage Straight Line):" << 1;
    QTest::newRow("plant equipment cost") << "txtTotCost"
                                          << "Label50"
                                          << "Total Equipment Cost within Plant in Dollars:" << 1;
    QTest::newRow("last plant box") << "txtTotFeet"
                                    << "Label58"
                                    << "Total Square Feet of Entire Plant:" << 1;
    QTest::newRow("equipment cost") << "txtCost"
                                    << "Label16"
                                    << "Enter Total Cost Plus Installation of Equipment:" << 2;
    QTest::newRow("usage of motor 2") << "txtUsage2"
                                      << "Label20"
                                      << "Enter Percent Usage of Motor #2:" << 2;
    QTest::newRow("last motor") << "txtUsage5"
                                << "Label26"
                                << "Enter Percent Usage of Motor #5:" << 2;
    QTest::newRow("first wage") << "txtWage1"
                                << "Label27"
                                << "Enter Wage Scale for Employee #1 ($/Hr.)" << 3;
    QTest::newRow("lights") << "txtTotWatt"
                            << "Label34"
                            << "Enter Total Wattage for Lights, Air Cond, Etc.:" << 3;
    QTest::newRow("last efficiency") << "txtEff60"
                                     << "Label38"
                                     << "Enter Percent Efficiency (Example 60%):" << 3;
    QTest::newRow("indirect wages") << "txtInd"
                                    << "Label39"
                                    << "Indirect Wages per Year Applied To This Center:" << 4;
    QTest::newRow("selling costs") << "txtSell"
                                   << "Label43"
                                   << "General Selling Costs ($/Yr) Applied To This Center:" << 4;
    QTest::newRow("mark-up") << "txtPercent"
                             << "Label49"
                             << "Enter the Percent Markup for this Center:" << 5;
    QTest::newRow("hourly cost") << "txtHrCost"
                                 << "Label45"
                                 << "Enter Hourly Cost for this Equipment:" << 5;
    QTest::newRow("new name") << "txtTitle"
                              << "lblNewTitle"
                              << "Enter New Equipment Name: " << 0;
}

void TestMainWindow::everyBoxHasItsPromptOnItsTab()
{
    QFETCH(QString, box);
    QFETCH(QString, label);
    QFETCH(QString, prompt);
    QFETCH(int, tab);
    m_ui->window().show();
    m_ui->tabs()->setCurrentIndex(tab);
    QVERIFY(QTest::qWaitForWindowExposed(&m_ui->window()));
    QWidget* page = m_ui->tabs()->widget(tab);
    auto* edit = page->findChild<QLineEdit*>(box);
    auto* caption = page->findChild<QLabel*>(label);
    QVERIFY2(edit && caption, "control missing on its tab");
    QCOMPARE(caption->text(), prompt);
    QVERIFY(edit->text().isEmpty());
    // the prompt stands on the box's row, to its left
    QVERIFY(qAbs(caption->geometry().center().y() - edit->geometry().center().y()) < edit->height());
    QVERIFY(caption->geometry().right() < edit->geometry().left());
}

void TestMainWindow::nameRowOnTabsTwoToSix()
{
    QCOMPARE(m_ui->tabs()->count(), 6);
    const QStringList captions = {"1. Preliminary Information", "2. General Information", "3. Equipment",
                                  "4. Wages and Efficiency",    "5. Indirect Costs",      "6. Reverse Engineering"};
    for (int i = 0; i < 6; ++i)
        QCOMPARE(m_ui->tabs()->tabText(i), captions[i]);
    for (int member = 0; member < 5; ++member) {
        QLabel* name = m_ui->window().nameLabel(member);
        QVERIFY(m_ui->tabs()->widget(member + 1)->isAncestorOf(name));
        QCOMPARE(name->objectName(), "lblName");
        QCOMPARE(name->property("index").toInt(), member);
        QVERIFY(name->font().bold());
    }
    QCOMPARE(m_ui->tabs()->widget(0)->findChildren<QLabel*>("lblName").size(), 0);
}

void TestMainWindow::typingANameMakesItCurrentAtOnce()
{
    m_ui->window().load();
    auto* title = m_ui->child<QLineEdit>("txtTitle");
    QTest::keyClicks(title, "Ko");
    QCOMPARE(m_ui->window().currentName(), "Ko");
    QTest::keyClicks(title, "rd");
    QCOMPARE(m_ui->window().currentName(), "Kord");
    QTest::keyClick(title, Qt::Key_Return);
    QCOMPARE(m_ui->window().currentName(), "Kord");
    title->clear();
    QCOMPARE(m_ui->window().currentName(), QString());
}

void TestMainWindow::menusCarryTheirItems()
{
    const QList<QAction*> menus = m_ui->window().menuBar()->actions();
    QCOMPARE(menus.size(), 2);
    QCOMPARE(menus[0]->text(), "&File");
    QCOMPARE(menus[1]->text(), "&Help");
    QStringList fileItems;
    for (QAction* item : menus[0]->menu()->actions())
        fileItems.append(item->objectName() + "=" + item->text());
    QCOMPARE(fileItems, (QStringList{"mnuDelete=&Delete Equip", "PrntSetUp=&Printer SetUp", "mnuExit=E&xit"}));
    QStringList helpItems;
    for (QAction* item : menus[1]->menu()->actions())
        helpItems.append(item->isSeparator() ? "-" : item->objectName() + "=" + item->text());
    QCOMPARE(helpItems, (QStringList{"frmContents=&Contents", "frmIndex=&Index", "mnuHelpHelp=&Help on Help", "-",
                                     "mnuAbout=&About"}));
}

void TestMainWindow::printerSetUpAndHelpGoToThePlatform()
{
    m_ui->child<QAction>("PrntSetUp")->trigger();
    QCOMPARE(m_ui->platform().recordedPrinting.setupsShown, 1);
    m_ui->child<QAction>("frmContents")->trigger();
    m_ui->child<QAction>("frmIndex")->trigger();
    m_ui->child<QAction>("mnuHelpHelp")->trigger();
    const auto& requests = m_ui->platform().recordedHelp.requests;
    QCOMPARE(requests.size(), 3);
    QCOMPARE(requests[0].path, m_ui->path("BudgetAnalysis.hlp"));
    QCOMPARE(requests[0].command, HelpViewer::Command(15));
    QCOMPARE(requests[1].command, HelpViewer::Command(257));
    QCOMPARE(requests[2].command, HelpViewer::Command(4));
}

void TestMainWindow::exitClosesEveryWindow()
{
    m_ui->window().load();
    QWidget other;
    other.show();
    QTest::mouseClick(m_ui->child<QPushButton>("cmdExit"), Qt::LeftButton);
    QVERIFY(!m_ui->window().isVisible());
    QVERIFY(!other.isVisible());

    m_ui->window().load();
    other.show();
    m_ui->child<QAction>("mnuExit")->trigger();
    QVERIFY(!m_ui->window().isVisible());
    QVERIFY(!other.isVisible());
}

void TestMainWindow::onlyTheCloseBoxRunsTheOpenWindowsClosing_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<QString>("nameFile");
    QTest::addColumn<QString>("nameLabel");
    QTest::newRow("Exit button") << "cmdExit"
                                 << "Kord"
                                 << "Kord";
    QTest::newRow("File > Exit") << "mnuExit"
                                 << "Kord"
                                 << "Kord";
    QTest::newRow("close box: the naming window accepts") << "close box"
                                                          << "Press X"
                                                          << "Press X";
}

// A name typed into the revise-name window without OK is kept only when that window is closed.
void TestMainWindow::onlyTheCloseBoxRunsTheOpenWindowsClosing()
{
    QFETCH(QString, way);
    QFETCH(QString, nameFile);
    QFETCH(QString, nameLabel);
    MainWindowDriver& ui = *m_ui;
    QVERIFY(ui.folder().replace(filenames::kListFile, {}).ok());
    ui.start();
    ui.startAnalysis("Kord");
    QVERIFY(ui.folder().replace(filenames::kNameFile, {"Kord"}).ok());
    ui.window().selectTab(FrmTab::ReverseEngineering);
    ui.click("Command3");
    QPointer<FrmName> naming = ui.openWindow<FrmName>();
    QVERIFY(naming);
    QTest::keyClicks(naming->findChild<QLineEdit*>("txtName"), "Press X");
    ui.window().selectTab(FrmTab::Preliminary);

    if (way == "cmdExit")
        ui.click("cmdExit");
    else if (way == "mnuExit")
        ui.child<QAction>("mnuExit")->trigger();
    else
        ui.window().close();

    QVERIFY(!ui.window().isVisible());
    QVERIFY(!naming || !naming->isVisible());
    QCOMPARE(ui.fileLines("Name.tmp"), QStringList{nameFile});
    QCOMPARE(ui.window().nameLabel(4)->text(), nameLabel);
}

// The window's own Calculate BHR shows nowhere, so no click and no Tab key reaches it.
void TestMainWindow::windowCalculateButtonIsOutOfReach()
{
    MainWindowDriver& ui = *m_ui;
    ui.start();
    QVERIFY(QTest::qWaitForWindowActive(&ui.window()));
    auto* calculate = ui.child<QPushButton>("cmdCalc");
    QVERIFY(calculate->visibleRegion().isEmpty());
    for (int tab = FrmTab::Preliminary; tab <= FrmTab::ReverseEngineering; ++tab) {
        ui.window().selectTab(FrmTab::Tab(tab));
        ui.tabs()->setFocus(Qt::TabFocusReason);
        for (int press = 0; press < 50; ++press) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QVERIFY(QApplication::focusWidget() != calculate);
        }
    }
}

void TestMainWindow::hintsOnTheWorkSpaceAndHoursPrompts()
{
    const QString workSpace = m_ui->child<QLabel>("Label30")->toolTip();
    QVERIFY(workSpace.startsWith("The amount of square footage is not based on physical occupation but ratther on"));
    QVERIFY(workSpace.endsWith("to produce a \"burdened\" square footage for the equipment."));
    QCOMPARE(m_ui->child<QLabel>("Label31")->toolTip(),
             "If you have more than one employee, simply enter the average, not the total. It is recommended that "
             "you not exceed 40 hours per week even if you plan on running more than one shift.");
    QVERIFY(!m_ui->child<QRadioButton>("Option1")->isChecked());
    QVERIFY(!m_ui->child<QRadioButton>("Option2")->isChecked());
    QCOMPARE(m_ui->child<QPushButton>("cmdCalc")->text(), "Calculate BHR");
    QCOMPARE(m_ui->child<QPushButton>("Command2")->text(), "Calculate BHR");
}

void TestMainWindow::reverseEngineeringFocusOrder()
{
    QStringList order;
    QWidget* widget = m_ui->child<QWidget>("txtPercent");
    for (; order.size() < 8; widget = widget->nextInFocusChain())
        if (widget->focusPolicy() & Qt::TabFocus)
            order.append(widget->objectName());
    QCOMPARE(order,
             (QStringList{"txtPercent", "txtP1", "txtP2", "txtHrCost", "txtQ1", "txtQ2", "Command1", "Command3"}));
}

void TestMainWindow::unstorableCharactersStayOutOfBoxes()
{
    m_ui->window().load();
    m_ui->tabs()->setCurrentIndex(1);
    auto* box = m_ui->child<QLineEdit>("txtSS");
    box->setFocus();
    for (QChar c : QStringLiteral("7\u65e5.65\u20ac")) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(box, &press);
    }
    QCOMPARE(box->text(), QStringLiteral("7.65\u20ac"));
}

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
