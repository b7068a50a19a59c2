// The Reverse Engineering tab, the analysis window, its printed report and the naming window,
// driven the way a user drives them.
#include "tests/support/MainWindowDriver.h"
#include "tests/support/ProgramNames.h"

#include "engine/ResultFile.h"
#include "forms/frmCenter.h"
#include "forms/frmName.h"
#include "store/FileNames.h"
#include "tests/support/ReferencePage.h"

namespace {
const QStringList kWorkedExample = workedExamplePricing();
const QString kLoadError = QStringLiteral("Looks Like We Got An Error in frmCenter");

// An equipment started and calculated (so Name.tmp holds its name), the last tab shown.
void startOnLastTab(MainWindowDriver& ui, const QString& name = QStringLiteral("Kord"))
{
    ui.startWithList();
    if (!name.isEmpty()) {
        ui.startAnalysis(name);
        QVERIFY(ui.folder().replace(filenames::kNameFile, {name}).ok());
    }
    ui.window().selectTab(FrmTab::ReverseEngineering);
}

// Rate B of the levels 1 and 3 saved for Kord; level 4 has none.
void saveRates(const DataFolder& folder)
{
    saveResults(folder, "Kord", {{89, 45.5}, {91, 1234.5}});
}

void chooseLevel(const MainWindowDriver& ui, const QString& option)
{
    QVERIFY(ui.folder().replace(filenames::kEfficiencyOptionFile, {option}).ok());
}

} // namespace

class TestReverseEngineering : public QObject {
    Q_OBJECT
private slots:
    void workedExampleFromTheTabToThePrinter();
    void calculateRefusesOrShowsMarkUpAndThirds_data();
    void calculateRefusesOrShowsMarkUpAndThirds();
    void fillTakesTheChosenRate_data();
    void fillTakesTheChosenRate();
    void choiceServesOnceAndItsRateTravelsWhole();
    void positiveHourlyCostIsNeverOverwritten();
    void withoutANameTheAnalysisRunsAsNone();
    void windowName_data();
    void windowName();
    void exitLetsTheNextCalculateRecompute();
    void reportFailureWarnsAndPrintsNothing_data();
    void reportFailureWarnsAndPrintsNothing();
    void revisedName_data();
    void revisedName();
    void revisedNameCarriesTheTypedInputs();
    void newNameAsksBeforeTakingOverLeftFiles_data();
    void newNameAsksBeforeTakingOverLeftFiles();
    void writeFailureIsToldAndStopsTheAction_data();
    void writeFailureIsToldAndStopsTheAction();
};

void TestReverseEngineering::workedExampleFromTheTabToThePrinter()
{
    MainWindowDriver ui;
    startOnLastTab(ui);
    ui.typePricing(kWorkedExample);
    ui.click("Command1");

    QCOMPARE(ui.messages(), QStringList());
    QCOMPARE(ui.fileLines("Kord6"), kWorkedExample);
    auto* center = ui.openWindow<FrmCenter>();
    QVERIFY(center);
    QCOMPARE(center->findChild<QLabel*>("lblHead1")->text(), "Equipment is Specified as Kord");
    QCOMPARE(boxLines(center, "txtHead1"), (QStringList{
                                               "  The Kord Will Have A Rated Straight Line Speed",
                                               "  of 882 iph at a Quantity Level of 1000 and 882",
                                               "  iph at a Quantity Level of 10000.  The Retail $/M",
                                               "  is $125.00 with a Retail Set-Up Price of $40.00.",
                                               "  The Cost per Hour is $60.00, with a MarkUp of 25%.",
                                               "",
                                           }));
    QCOMPARE(boxLines(center, "txtHead2"), (QStringList{
                                               "  Your cost before Mark-Up will be $100.00 Per",
                                               "  Thousand and includes $32.00 as Set-Up Cost.",
                                               "  You will be using 32 Minutes for Set-Up Time.",
                                           }));
    const QStringList rows = boxLines(center, "txtHead4");
    QCOMPARE(rows.size(), 16); // 100 to 500, 1000 to 10000, and the break after the last
    QCOMPARE(rows.first(), "  " + QString(4, ' ') + "100" + QString(11, ' ') + QString(4, ' ') + "$38.80" +
                               QString(11, ' ') + QString(4, ' ') + "$48.50");

    clickIn(center, "Command2");
    QCOMPARE(ui.platform().recordedPrinting.pages.size(), 1);
    const TextPagePrinter& page = ui.platform().recordedPrinting.pages.first();
    QVERIFY(page.documentEnded());
    QCOMPARE(page.markedLines(), referencePage("reverse-report-worked-example.txt"));
    QCOMPARE(ui.messages(), QStringList());
}

void TestReverseEngineering::calculateRefusesOrShowsMarkUpAndThirds_data()
{
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("message"); // empty: the analysis window opens with the lines below
    QTest::addColumn<QString>("prices");
    QTest::addColumn<QString>("markUp");
    QTest::addColumn<QString>("cost");
    const auto refused = [](const char* name, const QStringList& typed, const char* message) {
        QTest::newRow(name) << typed << QString(message) << QString() << QString() << QString();
    };
    refused("quantity 0.5", {"0.5", "10000", "25", "125", "890", "60"}, "Quantities Must Be Greater Than Zero!");
    refused("empty mark-up and hourly cost", {"1000", "10000", "", "125", "890", ""},
            "Hourly Cost Must Be Greater Than Zero!");
    refused("falling line", {"1000", "10000", "25", "100", "50", "60"}, "Prices Must Be Greater Than Zero!");
    refused("equal quantities and prices", {"1000", "1000", "25", "125", "125", "60"},
            "Please fill out all necessary info on Kord");
    const QString worked = "  is $125.00 with a Retail Set-Up Price of $40.00.";
    const QString hour = "  The Cost per Hour is $60.00, with a MarkUp of ";
    const QString costStart = "  Your cost before Mark-Up will be ";
    QTest::newRow("mark-up 0: cost is retail") << QStringList{"1000", "10000", "0", "125", "890", "60"} << QString()
                                               << worked << hour + "0%." << costStart + "$125.00 Per";
    // 125 / .9 = 138.8889, cut to 1/10000; shown mark-up 125 / 138.8888 - 1 is below 0
    QTest::newRow("mark-up -10") << QStringList{"1000", "10000", "-10", "125", "890", "60"} << QString() << worked
                                 << hour + "0%." << costStart + "$138.89 Per";
    // 125 / 1.004 = 124.5019; shown mark-up .40 % formats with ### to nothing
    QTest::newRow("mark-up .4") << QStringList{"1000", "10000", ".4", "125", "890", "60"} << QString() << worked
                                << hour + "%." << costStart + "$124.50 Per";
    // slope .125, set-up .5: retail 125.5 cut to Int(376.5) / 3, set-up Int(1.5) / 3,
    // cost Int(3 x 100.2667) / 3 = 100, shown mark-up 125.3333 / 100 - 1 = 25.3 %
    QTest::newRow("quantity 2 = 3 cuts to thirds")
        << QStringList{"1", "3", "25", ".625", ".875", "60"} << QString()
        << "  is $125.33 with a Retail Set-Up Price of $0.33." << hour + "25%." << costStart + "$100.00 Per";
}

void TestReverseEngineering::calculateRefusesOrShowsMarkUpAndThirds()
{
    QFETCH(QStringList, typed);
    QFETCH(QString, message);
    QFETCH(QString, prices);
    QFETCH(QString, markUp);
    QFETCH(QString, cost);
    MainWindowDriver ui;
    startOnLastTab(ui);
    ui.typePricing(typed);
    ui.click("Command1");
    auto* center = ui.openWindow<FrmCenter>();
    if (!message.isEmpty()) {
        QCOMPARE(ui.messages(), QStringList{message});
        QVERIFY(!ui.fileExists("Kord6"));
        QVERIFY(!center);
        return;
    }
    QVERIFY(center);
    QCOMPARE(ui.messages(), QStringList());
    QCOMPARE(boxLines(center, "txtHead1").mid(3, 2), (QStringList{prices, markUp}));
    QCOMPARE(boxLines(center, "txtHead2").first(), cost);
}

// The fill runs when the user enters the mark-up box, by the keyboard or the mouse.
void TestReverseEngineering::fillTakesTheChosenRate_data()
{
    QTest::addColumn<bool>("optionFile");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::addColumn<bool>("byMouse");
    const auto row = [](const char* name, bool optionFile, const char* option, const char* before, const char* after,
                        bool byMouse) { QTest::newRow(name) << optionFile << option << before << after << byMouse; };
    row("level 1: slot 89", true, "1", "", "45.50", false);
    row("level 3: a thousand and more, ungrouped", true, "3", "", "1234.50", true);
    row("level 4: no rate saved", true, "4", "0", "", false);
    row("another text keeps the box", true, "7", "0", "0", true);
    row("empty option empties the box", true, "", "0", "", false);
    row("no option file", false, "", "abc", "", true);
}

void TestReverseEngineering::fillTakesTheChosenRate()
{
    QFETCH(bool, optionFile);
    QFETCH(QString, option);
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(bool, byMouse);
    MainWindowDriver ui;
    saveRates(ui.folder());
    QVERIFY(ui.folder().replace(filenames::kNameFile, {"Kord"}).ok());
    startOnLastTab(ui, QString());
    QVERIFY(QTest::qWaitForWindowActive(&ui.window()));
    ui.box("txtHrCost")->setText(before);
    ui.box("txtP1")->setFocus();
    if (optionFile)
        chooseLevel(ui, option);
    if (byMouse)
        QTest::mouseClick(ui.box("txtPercent"), Qt::LeftButton);
    else
        QTest::keyClick(ui.box("txtP1"), Qt::Key_Backtab);

    QVERIFY(ui.box("txtPercent")->hasFocus());
    QCOMPARE(ui.text("txtHrCost"), after);
    QCOMPARE(ui.text("txtQ1"), "1000");
    QCOMPARE(ui.text("txtQ2"), "10000");
    QCOMPARE(ui.fileLines("Name1.Dat"), QStringList{""});
    QCOMPARE(ui.window().currentName(), "Kord");
}

// Turning to the tab is not entering the mark-up box: the user's click then takes the choice.
void TestReverseEngineering::choiceServesOnceAndItsRateTravelsWhole()
{
    MainWindowDriver ui;
    saveRates(ui.folder());
    startOnLastTab(ui);
    QVERIFY(QTest::qWaitForWindowActive(&ui.window()));
    ui.window().selectTab(FrmTab::IndirectCosts);
    ui.box("txtInd")->setFocus();
    chooseLevel(ui, "3");
    ui.window().selectTab(FrmTab::ReverseEngineering);
    QCOMPARE(ui.fileLines("Name1.Dat"), QStringList{"3"});
    QTest::mouseClick(ui.box("txtPercent"), Qt::LeftButton);
    QCOMPARE(ui.text("txtHrCost"), "1234.50");

    QTest::mouseClick(ui.box("txtP1"), Qt::LeftButton);
    ui.box("txtHrCost")->clear();
    QTest::mouseClick(ui.box("txtPercent"), Qt::LeftButton);
    QCOMPARE(ui.text("txtHrCost"), ""); // the choice served once
    QCOMPARE(ui.fileLines("Name1.Dat"), QStringList{""});

    ui.typePricing({"1000", "10000", "25", "125", "890", "1234.50"});
    ui.click("Command1");
    auto* center = ui.openWindow<FrmCenter>();
    QVERIFY(center);
    // 10000 / (850 / (1.25 x 1234.5)) = 18154.4 pieces an hour; a grouped 1,234.50 would read as 1
    QCOMPARE(boxLines(center, "txtHead1").at(1), "  of 18154 iph at a Quantity Level of 1000 and 18154");
    QVERIFY(boxLines(center, "txtHead1").at(4).startsWith("  The Cost per Hour is $1,234.50,"));
}

void TestReverseEngineering::positiveHourlyCostIsNeverOverwritten()
{
    MainWindowDriver ui;
    startOnLastTab(ui);
    QVERIFY(QTest::qWaitForWindowActive(&ui.window()));
    ui.box("txtP1")->setFocus();
    ui.type("txtHrCost", "60");
    ui.type("txtQ1", "5");
    chooseLevel(ui, "3");
    QTest::mouseClick(ui.box("txtPercent"), Qt::LeftButton);
    QVERIFY(ui.box("txtPercent")->hasFocus());
    QCOMPARE(ui.text("txtHrCost"), "60");
    QCOMPARE(ui.text("txtQ1"), "5");
    QCOMPARE(ui.fileLines("Name1.Dat"), QStringList{"3"});
}

void TestReverseEngineering::withoutANameTheAnalysisRunsAsNone()
{
    MainWindowDriver ui;
    startOnLastTab(ui, QString());
    ui.typePricing(kWorkedExample);
    ui.click("Command1");
    QCOMPARE(ui.messages(), QStringList{"Setting Name to None"});
    QCOMPARE(ui.window().nameLabel(4)->text(), "None");
    QCOMPARE(ui.fileLines("Name.tmp"), QStringList{"None"});
    QCOMPARE(ui.fileLines("None6"), kWorkedExample);
    QCOMPARE(ui.openWindow<FrmCenter>()->findChild<QLabel*>("lblHead1")->text(), "Equipment is Specified as None");
}

void TestReverseEngineering::windowName_data()
{
    QTest::addColumn<QStringList>("nameFile");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("errors");
    const auto row = [](const char* name, const QStringList& nameFile, const char* label, const char* shown,
                        int errors) { QTest::newRow(name) << nameFile << label << shown << errors; };
    row("label agrees", {"Kord"}, "Kord", "Kord", 0);
    row("label differs", {"Kord"}, "Press B", "Press B", 0);
    row("label empty", {"Kord"}, "", "None", 0);
    row("no Name.tmp", {}, "Kord", "Kord", 1);
    // The opening, each of the six lines, then the slope 0/0 of the empty lines.
    row("no pricing file", {"Other"}, "Other", "Other", 8);
}

void TestReverseEngineering::windowName()
{
    QFETCH(QStringList, nameFile);
    QFETCH(QString, label);
    QFETCH(QString, shown);
    QFETCH(int, errors);
    MainWindowDriver ui;
    for (const QString name : {"Kord", "Press B", "None"})
        QVERIFY(ui.folder().replace(filenames::pricingFile(name), kWorkedExample).ok());
    if (!nameFile.isEmpty())
        QVERIFY(ui.folder().replace(filenames::kNameFile, nameFile).ok());
    startOnLastTab(ui, QString());
    ui.window().nameLabel(4)->setText(label);
    FrmCenter* center = ui.window().openWindows().center();
    QVERIFY(center->isVisible());
    QCOMPARE(center->findChild<QLabel*>("lblHead1")->text(), "Equipment is Specified as " + shown);
    QCOMPARE(ui.messages(), QStringList(errors, kLoadError));
}

void TestReverseEngineering::exitLetsTheNextCalculateRecompute()
{
    MainWindowDriver ui;
    startOnLastTab(ui);
    ui.typePricing(kWorkedExample);
    ui.click("Command1");
    QPointer<FrmCenter> first = ui.openWindow<FrmCenter>();
    clickIn(first, "Command1");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!first);
    ui.type("txtP1", "215"); // slope .075, set-up price 140, retail per thousand 215
    ui.click("Command1");
    QCOMPARE(boxLines(ui.openWindow<FrmCenter>(), "txtHead1").at(3),
             "  is $215.00 with a Retail Set-Up Price of $140.00.");
}

void TestReverseEngineering::reportFailureWarnsAndPrintsNothing_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("lines"); // empty: the file is removed
    QTest::newRow("Name.tmp removed") << "Name.tmp" << QStringList{};
    QTest::newRow("pricing file short") << "Kord6" << QStringList{"1000", "10000", "25"};
    QTest::newRow("Name.tmp names a center without pricing file") << "Name.tmp" << QStringList{"Other"};
    QTest::newRow("equal quantities in the file") << "Kord6" << QStringList{"1000", "1000", "25", "125", "125", "60"};
}

void TestReverseEngineering::reportFailureWarnsAndPrintsNothing()
{
    QFETCH(QString, file);
    QFETCH(QStringList, lines);
    MainWindowDriver ui;
    startOnLastTab(ui);
    ui.typePricing(kWorkedExample);
    ui.click("Command1");
    auto* center = ui.openWindow<FrmCenter>();
    QVERIFY(center);
    QVERIFY(lines.isEmpty() ? ui.folder().remove(file).ok() : ui.folder().replace(file, lines).ok());

    clickIn(center, "Command2");
    QCOMPARE(ui.platform().recordedPrinting.pages.size(), 0);
    QCOMPARE(ui.platform().recordedMessages.shown.size(), 1);
    const RecordedMessageBoxes::Shown warning = ui.platform().recordedMessages.shown.first();
    QCOMPARE(warning.text, "An Error occured. Exiting calculations");
    QCOMPARE(warning.title, "Warning");
    QCOMPARE(warning.icon, MessageBoxes::Icon::Critical);
    QVERIFY(center->isVisible());
}

void TestReverseEngineering::revisedName_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("closeBox"); // false: OK
    QTest::addColumn<QString>("name");
    QTest::newRow("OK: Press B") << QString("Press B") << false << "Press B";
    QTest::newRow("OK: empty box changes nothing") << QString() << false << "Kord";
    QTest::newRow("close box: Press C") << QString("Press C") << true << "Press C";
}

// OK hides the window with its text kept, the close box accepts too and unloads it; Calculate
// without a current name then runs under the label's name.
void TestReverseEngineering::revisedName()
{
    QFETCH(QString, typed);
    QFETCH(bool, closeBox);
    QFETCH(QString, name);
    MainWindowDriver ui;
    QVERIFY(ui.folder().replace(filenames::kNameFile, {"Kord"}).ok());
    startOnLastTab(ui, QString());
    ui.window().nameLabel(4)->setText("Kord");
    ui.click("Command3");
    QPointer<FrmName> naming = ui.openWindow<FrmName>();
    QVERIFY(naming);
    QTest::keyClicks(naming->findChild<QLineEdit*>("txtName"), typed);
    if (closeBox) {
        naming->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!naming);
    } else {
        clickIn(naming, "Command1");
        QVERIFY(naming && !naming->isVisible());
    }
    QCOMPARE(ui.window().nameLabel(4)->text(), name);
    QCOMPARE(ui.fileLines("Name.tmp"), QStringList{name});

    ui.click("Command3");
    FrmName* again = ui.openWindow<FrmName>();
    QCOMPARE(again == naming.data(), !closeBox);
    QCOMPARE(again->findChild<QLineEdit*>("txtName")->text(), closeBox ? QString() : typed);
    ui.typePricing(kWorkedExample);
    ui.click("Command1");
    QCOMPARE(ui.fileLines(filenames::pricingFile(name)), kWorkedExample);
}

// With an equipment loaded, New names another center: its inputs are saved under that name, the
// analysis reads them from there, and the loaded equipment's pricing file keeps its own.
void TestReverseEngineering::revisedNameCarriesTheTypedInputs()
{
    MainWindowDriver ui;
    const QStringList kordPricing = {"500", "5000", "10", "80", "400", "45"};
    QVERIFY(ui.folder().replace("Kord6", kordPricing).ok());
    startOnLastTab(ui);
    ui.click("Command3");
    FrmName* naming = ui.openWindow<FrmName>();
    QTest::keyClicks(naming->findChild<QLineEdit*>("txtName"), "Press B");
    clickIn(naming, "Command1");
    ui.typePricing(kWorkedExample);
    ui.click("Command1");

    QCOMPARE(ui.messages(), QStringList());
    QCOMPARE(ui.fileLines("Press B6"), kWorkedExample);
    QCOMPARE(ui.fileLines("Kord6"), kordPricing);
    QCOMPARE(ui.fileLines("Name.tmp"), QStringList{"Press B"});
    auto* center = ui.openWindow<FrmCenter>();
    QVERIFY(center);
    QCOMPARE(center->findChild<QLabel*>("lblHead1")->text(), "Equipment is Specified as Press B");
    QCOMPARE(boxLines(center, "txtHead1").at(3), "  is $125.00 with a Retail Set-Up Price of $40.00.");
    clickIn(center, "Command2");
    QCOMPARE(ui.platform().recordedPrinting.pages.first().lines().first(),
             "   REVERSE ENGINEERING ANALYSIS FOR: Press B");
}

void TestReverseEngineering::newNameAsksBeforeTakingOverLeftFiles_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("agreed");
    QTest::addColumn<QString>("label"); // the tab's name label afterwards
    // Kord Press A, listed, and Gone, taken off the list, both left their files.
    QTest::newRow("same first seven characters, kept apart") << "Kord Press B" << true << false << "Kord Press A";
    QTest::newRow("same first seven characters, taken over") << "Kord Press B" << true << true << "Kord Press B";
    QTest::newRow("a name taken off the list, kept apart") << "Gone" << true << false << "Kord Press A";
    QTest::newRow("a listed name owns its files") << "Kord Press A" << false << false << "Kord Press A";
    QTest::newRow("a name without files") << "Press C" << false << false << "Press C";
}

// New on the last tab: a name whose files another name left there is taken only when the user
// agrees, No being the default; until then the window stays open with the name, and no file changes.
void TestReverseEngineering::newNameAsksBeforeTakingOverLeftFiles()
{
    QFETCH(QString, typed);
    QFETCH(bool, asked);
    QFETCH(bool, agreed);
    QFETCH(QString, label);
    MainWindowDriver ui;
    for (const char* file : {"Kord Pr2", "Kord Pr6", "Kord_Pr55", "Gone2", "Gone6"})
        QVERIFY(ui.folder().replace(file, {"left"}).ok());
    startOnLastTab(ui, QString());
    QVERIFY(ui.folder().replace(filenames::kListFile, {"Kord Press A"}).ok());
    QVERIFY(ui.folder().replace(filenames::kNameFile, {"Kord Press A"}).ok());
    ui.window().nameLabel(4)->setText("Kord Press A");
    ui.platform().recordedMessages.answers = {agreed ? MessageBoxes::Answer::Yes : MessageBoxes::Answer::No};
    ui.click("Command3");
    FrmName* naming = ui.openWindow<FrmName>();
    QTest::keyClicks(naming->findChild<QLineEdit*>("txtName"), typed);
    clickIn(naming, "Command1");

    const QList<RecordedMessageBoxes::Shown>& shown = ui.platform().recordedMessages.shown;
    QCOMPARE(shown.size(), asked ? 1 : 0);
    if (asked) {
        QCOMPARE(shown.first().defaultAnswer, MessageBoxes::Answer::No);
        QVERIFY2(shown.first().text.contains(filenames::pricingFile(typed)), qPrintable(shown.first().text));
    }
    QCOMPARE(naming->isVisible(), asked && !agreed);
    QCOMPARE(ui.window().nameLabel(4)->text(), label);
    QCOMPARE(ui.fileLines("Name.tmp"), QStringList{label});
    if (typed != "Press C")
        QCOMPARE(ui.fileLines(filenames::pricingFile(typed)), QStringList{"left"});
}

void TestReverseEngineering::writeFailureIsToldAndStopsTheAction_data()
{
    QTest::addColumn<QString>("blocked");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("label"); // the tab's name label at Calculate
    const auto row = [](const char* name, const char* blocked, const char* action, const char* label) {
        QTest::newRow(name) << QString(blocked) << QString(action) << QString(label);
    };
    row("Name1.Dat, entering the mark-up box", "Name1.Dat", "fill", "Kord");
    row("pricing file, Calculate", "Kord6", "calculate", "Kord");
    row("Name.tmp, Calculate under a revised name", "Name.tmp", "calculate", "Press B");
    row("Name.tmp, naming window OK", "Name.tmp", "OK", "Kord");
    row("Name.tmp, naming window close box", "Name.tmp", "close box", "Kord");
}

void TestReverseEngineering::writeFailureIsToldAndStopsTheAction()
{
    QFETCH(QString, blocked);
    QFETCH(QString, action);
    QFETCH(QString, label);
    MainWindowDriver ui;
    startOnLastTab(ui);
    QVERIFY(QTest::qWaitForWindowActive(&ui.window()));
    ui.box("txtP1")->setFocus();
    ui.blockFile(blocked);
    if (action == "calculate") {
        ui.window().nameLabel(4)->setText(label);
        for (const QString& name : {QStringLiteral("Kord"), QStringLiteral("Press B")})
            if (filenames::pricingFile(name) != blocked)
                QVERIFY(ui.folder().replace(filenames::pricingFile(name), {"earlier"}).ok());
        ui.typePricing(kWorkedExample);
        ui.click("Command1");
        QVERIFY(!ui.openWindow<FrmCenter>());
        for (const QString& name : {QStringLiteral("Kord"), QStringLiteral("Press B")})
            if (filenames::pricingFile(name) != blocked)
                QCOMPARE(ui.fileLines(filenames::pricingFile(name)), QStringList{"earlier"});
    } else if (action == "fill") {
        QTest::mouseClick(ui.box("txtPercent"), Qt::LeftButton);
        QCOMPARE(ui.text("txtQ1"), "");
        QCOMPARE(ui.text("txtQ2"), "");
    } else {
        ui.click("Command3");
        FrmName* naming = ui.openWindow<FrmName>();
        QTest::keyClicks(naming->findChild<QLineEdit*>("txtName"), "Press C");
        if (action == "OK")
            clickIn(naming, "Command1");
        else
            naming->close();
        QVERIFY(naming->isVisible()); // still there to try again
        QCOMPARE(ui.window().nameLabel(4)->text(), "Kord");
    }
    QCOMPARE(ui.messages().size(), 1);
    QVERIFY2(ui.messages().first().contains(blocked), qPrintable(ui.messages().first()));
}

QTEST_MAIN(TestReverseEngineering)
#include "test_reverse_engineering.moc"
