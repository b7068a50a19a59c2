#include "tests/support/MainWindowDriver.h"
#include "tests/support/ProgramNames.h"

#include "forms/frmName.h"
#include "store/FileNames.h"

#include <QKeyEvent>
#include <QMenuBar>
#include <QTabBar>

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void startsAndRefreshesWithoutListFileOnFirstTabAndSaysSo();
    void listInFileOrderWithDuplicatesAndRefreshClearsSelection();
    void nameRowOnTabsTwoToSix();
    void typingANameMakesItCurrentAtOnce();
    void menusCarryTheirItems();
    void printerSetUpAndHelpGoToThePlatform();
    void onlyTheCloseBoxRunsTheOpenWindowsClosing_data();
    void onlyTheCloseBoxRunsTheOpenWindowsClosing();
    void windowCalculateButtonIsOutOfReach();
    void tabGoesRoundEachPageThroughTheTabStrip_data();
    void tabGoesRoundEachPageThroughTheTabStrip();
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

void TestMainWindow::startsAndRefreshesWithoutListFileOnFirstTabAndSaysSo()
{
    m_ui->tabs()->setCurrentIndex(3);
    m_ui->window().load();
    QVERIFY(m_ui->window().isVisible());
    QCOMPARE(m_ui->tabs()->currentIndex(), 0);
    QCOMPARE(m_ui->list()->count(), 0);
    QCOMPARE(m_ui->messages(), QStringList{kNoListMessage});
    QCOMPARE(m_ui->platform().recordedMessages.shown.first().title, QString());
    QVERIFY(m_ui->child<QLabel>("lblCredit")->text().contains("2031"));
    QCOMPARE(m_ui->window().currentName(), QString());
    m_ui->click("Command5"); // Refresh List says so again
    QCOMPARE(m_ui->messages(), (QStringList{kNoListMessage, kNoListMessage}));
}

void TestMainWindow::listInFileOrderWithDuplicatesAndRefreshClearsSelection()
{
    m_ui->startWithList({"Kord", "AB Press 2", "Kord"});
    QCOMPARE(entries(m_ui->list()), (QStringList{"Kord", "AB Press 2", "Kord"}));
    QVERIFY(m_ui->platform().recordedMessages.shown.isEmpty());
    m_ui->list()->setCurrentRow(0);
    QVERIFY(m_ui->folder().append(filenames::kListFile, "Heidelberg").ok());
    m_ui->tabs()->setCurrentIndex(4);

    m_ui->click("Command5");

    QCOMPARE(entries(m_ui->list()), (QStringList{"Kord", "AB Press 2", "Kord", "Heidelberg"}));
    QVERIFY(m_ui->list()->selectedItems().isEmpty());
    QCOMPARE(m_ui->list()->currentRow(), -1);
    QCOMPARE(m_ui->tabs()->currentIndex(), 0);
}

void TestMainWindow::nameRowOnTabsTwoToSix()
{
    QCOMPARE(m_ui->tabs()->count(), 6);
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
    QStringList items;
    for (QAction* menu : m_ui->window().menuBar()->actions())
        for (QAction* item : menu->menu()->actions())
            items.append(item->isSeparator() ? "-" : menu->menu()->objectName() + ">" + item->objectName());
    QCOMPARE(items, (QStringList{"mnuFile>mnuDelete", "mnuFile>mnuSaveAsNew", "mnuFile>mnuPlant", "mnuFile>mnuJobCost",
                                 "-", "mnuFile>mnuOpenDataFolder", "mnuFile>mnuBackUp", "mnuFile>mnuUseFolder", "-",
                                 "mnuFile>mnuExportInputs", "mnuFile>mnuImportInputs", "-", "mnuFile>PrntSetUp",
                                 "mnuFile>mnuExit", "mnuHelp>frmContents", "mnuHelp>frmIndex", "mnuHelp>mnuHelpHelp",
                                 "-", "mnuHelp>mnuAbout"}));
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

void TestMainWindow::onlyTheCloseBoxRunsTheOpenWindowsClosing_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<QString>("nameFile");
    QTest::addColumn<QString>("nameLabel");
    QTest::newRow("Exit button") << QString("cmdExit") << QString("Kord") << QString("Kord");
    QTest::newRow("File > Exit") << QString("mnuExit") << QString("Kord") << QString("Kord");
    QTest::newRow("close box: the naming window accepts")
        << QString("close box") << QString("Press X") << QString("Press X");
}

// A name typed into the revise-name window without OK is kept only when that window is closed.
void TestMainWindow::onlyTheCloseBoxRunsTheOpenWindowsClosing()
{
    QFETCH(QString, way);
    QFETCH(QString, nameFile);
    QFETCH(QString, nameLabel);
    MainWindowDriver& ui = *m_ui;
    ui.startWithList();
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

void TestMainWindow::tabGoesRoundEachPageThroughTheTabStrip_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QStringList>("stops");
    QTest::newRow("1. Preliminary Information")
        << int(FrmTab::Preliminary) << QStringList{"listTitle", "Command5", "txtTitle", "cmdStart", "cmdExit"};
    QTest::newRow("2. General Information")
        << int(FrmTab::General)
        << QStringList{"txtSS",        "txtDed",          "txtComp",     "txtUnempComp", "txtMaxWages", "txtGroupIns",
                       "txtPension",   "txtPower",        "txtVacation", "txtHolidays",  "txtRent",     "txtInsurEquip",
                       "txtPropTaxes", "txtDepreciation", "txtTotCost",  "txtTotFeet"};
    QTest::newRow("3. Equipment") << int(FrmTab::Equipment)
                                  << QStringList{"txtCost",   "txtHP1", "txtUsage1", "txtHP2", "txtUsage2", "txtHP3",
                                                 "txtUsage3", "txtHP4", "txtUsage4", "txtHP5", "txtUsage5"};
    QTest::newRow("4. Wages and Efficiency")
        << int(FrmTab::WagesAndEfficiency) << QStringList{"txtWage1",  "txtWage2", "txtWage3",      "txtSq",
                                                          "txtHours",  "txtArc",   "txtArcPercent", "txtTotWatt",
                                                          "txtEff100", "txtEff80", "txtEff70",      "txtEff60",
                                                          "Option1"}; // arrows move to Option2
    QTest::newRow("5. Indirect Costs") << int(FrmTab::IndirectCosts) << QStringList{"txtInd", "txtSupply", "txtRepair",
                                                                                    "txtGen", "txtSell",   "Command2"};
    QTest::newRow("6. Reverse Engineering")
        << int(FrmTab::ReverseEngineering)
        << QStringList{"txtPercent", "txtP1", "txtP2", "txtHrCost", "txtQ1", "txtQ2", "Command1", "Command3"};
}

// From the tab strip the Tab key visits the page's controls in order, then the tab strip again,
// and nothing that cannot be seen.
void TestMainWindow::tabGoesRoundEachPageThroughTheTabStrip()
{
    QFETCH(int, tab);
    QFETCH(QStringList, stops);
    m_ui->start();
    QVERIFY(QTest::qWaitForWindowActive(&m_ui->window()));
    m_ui->window().selectTab(FrmTab::Tab(tab));
    m_ui->tabs()->tabBar()->setFocus(Qt::TabFocusReason);
    QStringList visited;
    for (qsizetype press = 0; press < stops.size() + 2; ++press) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* reached = QApplication::focusWidget();
        const QString name =
            reached->objectName().isEmpty() ? reached->metaObject()->className() : reached->objectName();
        visited.append(reached == m_ui->tabs()->tabBar() ? QStringLiteral("tab strip") : name);
    }
    QCOMPARE(visited, stops + QStringList({"tab strip", stops.first()}));
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
