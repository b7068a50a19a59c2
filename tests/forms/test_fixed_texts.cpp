// Every fixed text of every window, exactly as the user reads it: captions, prompts, button and
// menu texts, hints and window titles, each looked up by its window and the control's name. And
// every text a user reads, in every window, a message and a printed page, goes through translation.
#include "tests/support/MainWindowDriver.h"
#include "tests/support/ProgramNames.h"

#include "forms/frmAbout.h"
#include "forms/frmBHR.h"
#include "forms/frmBudget.h"
#include "forms/frmCenter.h"
#include "forms/frmDelete.h"
#include "forms/frmDrivers.h"
#include "forms/frmJobCost.h"
#include "forms/frmMarketCheck.h"
#include "forms/frmName.h"
#include "forms/frmPlant.h"
#include "forms/frmRateChanges.h"
#include "forms/frmSplash.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QMenu>
#include <QTimer>
#include <QTranslator>

namespace {

// The window a control belongs to; a menu is no window of its own.
QObject* ownerWindow(QObject* object)
{
    for (; object; object = object->parent())
        if (auto* widget = qobject_cast<QWidget*>(object);
            widget && widget->isWindow() && !qobject_cast<QMenu*>(widget))
            return widget;
    return nullptr;
}

// The text a control shows: "name" for its caption, "name/property" for another property,
// "name[i]" for the caption of tab i, the window's own name for its title. A control array
// (several controls of one name) shows its text only if every member shows it.
QStringList shownTexts(QWidget* window, const QString& control)
{
    const QString name = control.section(QRegularExpression("[/\\[]"), 0, 0);
    QList<QObject*> found = window->findChildren<QObject*>(name);
    if (name == window->objectName())
        found = {window};
    QStringList texts;
    for (QObject* object : found) {
        if (ownerWindow(object) != window)
            continue;
        if (control.contains(u'/'))
            texts.append(object->property(qPrintable(control.section(u'/', 1))).toString());
        else if (control.contains(u'['))
            texts.append(qobject_cast<QTabWidget*>(object)->tabText(control.section(u'[', 1).chopped(1).toInt()));
        else if (object == window)
            texts.append(window->windowTitle());
        else if (auto* edit = qobject_cast<QPlainTextEdit*>(object))
            texts.append(edit->toPlainText());
        else if (auto* box = qobject_cast<QGroupBox*>(object))
            texts.append(box->title());
        else if (auto* menu = qobject_cast<QMenu*>(object))
            texts.append(menu->title());
        else
            texts.append(object->property("text").toString());
    }
    return texts;
}

// Stands in for a translation: every text asked for comes back marked, so a text shown without
// its marks never went through the translator.
class MarkingTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override
    {
        return u'\u2039' + QString::fromUtf8(source) + u'\u203a';
    }
};

// What is left of a text once its markup and each translated piece, innermost first, are taken out.
QString untranslatedPart(QString text)
{
    static const QRegularExpression piece(QStringLiteral("\u2039[^\u2039\u203a]*\u203a"));
    text.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    for (qsizetype before = -1; before != text.size();) {
        before = text.size();
        text.remove(piece);
    }
    return text;
}

// Every text the window shows: its title, captions, tab and menu texts, hints, table headings
// and fixed multi-line texts, each with the name of the control that shows it.
QList<std::pair<QString, QString>> everyText(QWidget* window)
{
    QList<std::pair<QString, QString>> texts{{window->objectName(), window->windowTitle()}};
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (ownerWindow(widget) != window)
            continue;
        QStringList shown{widget->toolTip()};
        if (auto* label = qobject_cast<QLabel*>(widget))
            shown << label->text();
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            shown << button->text();
        else if (auto* box = qobject_cast<QGroupBox*>(widget))
            shown << box->title();
        else if (auto* edit = qobject_cast<QPlainTextEdit*>(widget))
            shown << edit->toPlainText();
        else if (auto* tabs = qobject_cast<QTabWidget*>(widget))
            for (int tab = 0; tab < tabs->count(); ++tab)
                shown << tabs->tabText(tab);
        else if (auto* menu = qobject_cast<QMenu*>(widget)) {
            shown << menu->title();
            for (const QAction* action : menu->actions())
                shown << action->text();
        } else if (auto* header = qobject_cast<QHeaderView*>(widget); header && header->model())
            for (int section = 0; section < header->count(); ++section)
                shown << header->model()->headerData(section, header->orientation()).toString();
        for (const QString& text : shown)
            texts.append({widget->objectName(), text});
    }
    return texts;
}

} // namespace

class TestFixedTexts : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void fixedText_data();
    void fixedText();
    void everyShownTextIsTranslated();

private:
    std::unique_ptr<MainWindowDriver> m_ui;
    std::unique_ptr<FrmSplash> m_splash;
    QMap<QString, QWidget*> m_windows;
};

// Every window open at once, each with the files it reads at load.
void TestFixedTexts::initTestCase()
{
    m_ui = std::make_unique<MainWindowDriver>();
    QVERIFY(m_ui->folder().replace("Name.tmp", {"Kord"}).ok());
    QVERIFY(m_ui->folder().replace("Kord6", workedExamplePricing()).ok());
    saveResults(m_ui->folder(), "Kord", {{89, 69.01}});
    m_ui->start();
    m_splash = std::make_unique<FrmSplash>(m_ui->platform().currentYear());
    m_splash->timer()->stop(); // it stays open for as long as the test reads it
    FrmTab& main = m_ui->window();
    OpenWindows& open = main.openWindows();
    for (QWidget* window :
         std::initializer_list<QWidget*>{&main, m_splash.get(), open.budget(), open.rates(), open.center(),
                                         open.naming(), open.deleteEquipment(), open.about()})
        m_windows.insert(window->objectName(), window);
}

void TestFixedTexts::cleanupTestCase()
{
    m_splash.reset();
    m_ui.reset();
}

void TestFixedTexts::fixedText_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    const auto row = [](const char* window, const char* control, const QString& text) {
        QTest::addRow("%s %s", window, control) << QString::fromLatin1(window) << QString::fromLatin1(control) << text;
    };
    // The main window, its tabs and menus.
    row("frmTab", "frmTab", "Solvarra Budgeted Hourly Rates");
    row("frmTab", "SSTab1[0]", "1. Preliminary Information");
    row("frmTab", "SSTab1[1]", "2. General Information");
    row("frmTab", "SSTab1[2]", "3. Equipment");
    row("frmTab", "SSTab1[3]", "4. Wages and Efficiency");
    row("frmTab", "SSTab1[4]", "5. Indirect Costs");
    row("frmTab", "SSTab1[5]", "6. Reverse Engineering");
    row("frmTab", "Label14", "Name of Equipment:");
    row("frmTab", "lblHead", "Budgeted Hourly Cost Analysis ");
    row("frmTab", "lblTitle", " Click on Name of Equipment or enter New Name Below :");
    row("frmTab", "Command5", "Refresh List");
    row("frmTab", "lblNewTitle", "Enter New Equipment Name: ");
    row("frmTab", "Label59", "(Be sure to refresh before entering new equipment)");
    row("frmTab", "cmdStart", "Start Analysis");
    row("frmTab", "cmdExit", "Exit");
    row("frmTab", "Label1", "Current Social Security Tax Rate in Percentage");
    row("frmTab", "Label2", "Maximum Salary Applied to SS Wages Deduction:");
    row("frmTab", "Label3", "Workman's Comp (% of Salary):");
    row("frmTab", "Label4", "Unemployment Compensation in Percentage:");
    row("frmTab", "Label5", "Maximum Wages Taxed for Unemployment Comp:");
    row("frmTab", "Label6", "Group Insurance Premium ($/Week):");
    row("frmTab", "Label7", "Retirement or Pension - Percentage of Salaries:");
    row("frmTab", "Label8", "Power Consumption Cost ($/KWh):");
    row("frmTab", "Label9", "Paid Vacation Days:");
    row("frmTab", "Label10", "Paid Holidays:");
    row("frmTab", "Label11", "Current Rent ($/Square Foot):");
    row("frmTab", "Label12", "Insurance of Equipment (% of Cost):");
    row("frmTab", "Label13", "Property Taxes (% of Equipment):");
    row("frmTab", "Label15", "Depreciation Used (Percentage Straight Line):");
    row("frmTab", "Label50", "Total Equipment Cost within Plant in Dollars:");
    row("frmTab", "Label58", "Total Square Feet of Entire Plant:");
    row("frmTab", "Label16", "Enter Total Cost Plus Installation of Equipment:");
    for (int motor = 1; motor <= 5; ++motor) {
        QTest::addRow("frmTab Label%d", 15 + 2 * motor) << "frmTab" << QString("Label%1").arg(15 + 2 * motor)
                                                        << QString("Enter Horsepower of Motor #%1:").arg(motor);
        QTest::addRow("frmTab Label%d", 16 + 2 * motor) << "frmTab" << QString("Label%1").arg(16 + 2 * motor)
                                                        << QString("Enter Percent Usage of Motor #%1:").arg(motor);
    }
    row("frmTab", "Label27", "Enter Wage Scale for Employee #1 ($/Hr.)");
    row("frmTab", "Label28", "Enter Wage Scale for Employee #2 ($/Hr.)");
    row("frmTab", "Label29", "Enter Wage Scale for Employee #3 ($/Hr.)");
    row("frmTab", "Label30", "Enter Square Footage of Work Space:");
    row("frmTab", "Label31", "Enter Average Hours per Week for Employees:");
    row("frmTab", "Label32", "Enter Wattage of Arc Lamps Used:");
    row("frmTab", "Label33", "Enter Percent Usage of Arc Lamps:");
    row("frmTab", "Label34", "Enter Total Wattage for Lights, Air Cond, Etc.:");
    row("frmTab", "Label35", "Enter Percent Efficiency (Example 100%):");
    row("frmTab", "Label36", "Enter Percent Efficiency (Example 80%):");
    row("frmTab", "Label37", "Enter Percent Efficiency (Example 70%):");
    row("frmTab", "Label38", "Enter Percent Efficiency (Example 60%):");
    row("frmTab", "Label30/toolTip",
        "The amount of square footage is not based on physical occupation but ratther on the ratio of equipment "
        "cost over the total of all equipment costs. This percentage is then multiplied times the actual square "
        "footage of the plant to produce a \"burdened\" square footage for the equipment.");
    row("frmTab", "Label31/toolTip",
        "If you have more than one employee, simply enter the average, not the total. It is recommended that you "
        "not exceed 40 hours per week even if you plan on running more than one shift.");
    row("frmTab", "Option1", "ReCalculate WorkSpace");
    row("frmTab", "Option2", "Use Previous Saved Value of WorkSpace");
    row("frmTab", "Label39", "Indirect Wages per Year Applied To This Center:");
    row("frmTab", "Label40", "Supply Costs per Year Applied To This Center:");
    row("frmTab", "Label41", "Repair Costs per Year Applied To This Center:");
    row("frmTab", "Label42", "General Factory Costs ($/Yr) Applied To This Center:");
    row("frmTab", "Label43", "General Selling Costs ($/Yr) Applied To This Center:");
    row("frmTab", "Command2", "Calculate BHR");
    row("frmTab", "cmdCalc", "Calculate BHR");
    row("frmTab", "Label57", "Current Center Evaluation");
    row("frmTab", "Command3", "New");
    row("frmTab", "Label49", "Enter the Percent Markup for this Center:");
    row("frmTab", "Label48", "Enter Quantity 1:");
    row("frmTab", "Label53", "Enter Price:");
    row("frmTab", "Label47", "Enter Quantity 2:");
    row("frmTab", "Label46", "Enter Price:");
    row("frmTab", "Label45", "Enter Hourly Cost for this Equipment:");
    row("frmTab", "Command1", "Calculate");
    row("frmTab", "mnuFile", "&File");
    row("frmTab", "mnuDelete", "&Delete Equip");
    row("frmTab", "PrntSetUp", "&Printer SetUp");
    row("frmTab", "mnuExit", "E&xit");
    row("frmTab", "mnuHelp", "&Help");
    row("frmTab", "frmContents", "&Contents");
    row("frmTab", "frmIndex", "&Index");
    row("frmTab", "mnuHelpHelp", "&Help on Help");
    row("frmTab", "mnuAbout", "&About");
    // The splash.
    row("frmSplash", "lblProductName", "Budgeted Hourly");
    row("frmSplash", "lblProductName2", "Rate Analysis");
    row("frmSplash", "lblPlatform", "Solvarra Version");
    // The budget summary: a doubled ampersand shows as one.
    row("frmBudget", "frmBudget", "Budgeted Hourly Rate Analysis");
    row("frmBudget", "lblRent", "Total Rent:");
    row("frmBudget", "lblInsure", "Total Insurance:");
    row("frmBudget", "lblProp", "Total Property Taxes:");
    row("frmBudget", "lblDep", "Total Depreciation:");
    row("frmBudget", "lblFix", "Total Fixed Costs:");
    row("frmBudget", "Label5", "Total Direct Wages:");
    row("frmBudget", "Label6", "Total Indirect Wages:");
    row("frmBudget", "Label7", "Total Wages:");
    row("frmBudget", "Label8", "Total Lighting Costs:");
    row("frmBudget", "Label9", "Total Motor Costs:");
    row("frmBudget", "Label10", "Total Arc/Misc Costs:");
    row("frmBudget", "Label11", "Total Power Costs:");
    row("frmBudget", "Label23", "Total Variable & Fixed Costs:");
    row("frmBudget", "Label22", "Supplies:");
    row("frmBudget", "Label19", "Social Security Tax-1:");
    row("frmBudget", "lblTax2", "Social Security Tax-2:");
    row("frmBudget", "Label21", "Social Security Tax-3:");
    row("frmBudget", "Label18", "SS Taxes-Indirect:");
    row("frmBudget", "Label17", "Workman's Comp\"");
    row("frmBudget", "Label16", "Unemployment Comp-1:");
    row("frmBudget", "Label13", "Unemployment Comp-2:");
    row("frmBudget", "Label14", "Unemployment Comp-3:");
    row("frmBudget", "Label15", "Unemployment Comp-Ind::");
    row("frmBudget", "Label12", "Insurance-Direct:");
    row("frmBudget", "Label1", "Insurance-Indirect:");
    row("frmBudget", "Label2", "Pension & Retirement:");
    row("frmBudget", "Label3", "Repairs:");
    row("frmBudget", "Label4", "Total Variable Costs:");
    row("frmBudget", "Label24", "Total Factory Costs:");
    row("frmBudget", "Command1", "Next");
    // The hourly rates.
    row("frmBHR", "frmBHR", "Budgeted Hourly Rate Analysis - Equipment & Employee");
    row("frmBHR", "lblDep", "General Fact'y Expense:");
    row("frmBHR", "lblFix", "Total Variable Costs:");
    row("frmBHR", "Label23", "Total Factory/General Costs:");
    row("frmBHR", "Label1", "Selling Overhead:");
    row("frmBHR", "Label2", "Total Selling Overhead:");
    row("frmBHR", "lblTotCC", "Total Annual Center Costs:");
    row("frmBHR", "txtNote",
        "PLEASE NOTE THE FOLLOWING DEFINITIONS\n"
        "(A) represents the Manufacturig Cost per chargeable hour and is obtained\n"
        "by dividing the Factory Cost by appropriate chargeable hours.  (B) is the\n"
        "Budgeted Hourly Cost and is obtainable by dividing annual cost by hours.\n"
        "(C) is Budgeted Employee Cost obtained by dividing B by the # of employees.");
    row("frmBHR", "txtHead1",
        "%  of       Tot           Manuf          Budget        Employee    \n"
        " Hrs        Hrs          Cost/Hr         Cost/Hr       Cost/Hr     \n");
    row("frmBHR", "Frame1", "Select Desired Budgeted Hourly Rate for Reverse Engineering");
    row("frmBHR", "Option5", "None");
    row("frmBHR", "cmdPrintBHR", "Print BHR");
    row("frmBHR", "Command1", "Exit");
    // The reverse engineering analysis and the naming window.
    row("frmCenter", "frmCenter", "Reverse Engineering of Known Center");
    row("frmCenter", "txtHead3", "  Quantity                       Cost                         Retail");
    row("frmCenter", "Command1", "Exit");
    row("frmCenter", "Command2", "Print Report");
    row("frmName", "frmName", "Revise Name");
    row("frmName", "Label1", "Revise Equip. Name");
    row("frmName", "Command1", "OK");
    // The delete window.
    row("frmDelete", "frmDelete", "Delete Equipment in List");
    row("frmDelete", "lblHeadDelete", "Delete Utility");
    row("frmDelete", "Label2",
        "Highlight one of the items in the list below by clicking on the name. Then click on the command Delete to "
        "complete the deletion sequence. If you need to restore this file at a later date, be certain to use the "
        "same spelling when creating the new file.");
    row("frmDelete", "Label3", "The Following File Is To Be Deleted.");
    row("frmDelete", "cmdDelete", "Delete");
    row("frmDelete", "cmdDelCancel", "Cancel");
    // The about box.
    row("frmAbout", "frmAbout", "About Budgeted Hourly Cost");
    row("frmAbout", "lblTitle", "Budgeted Hourly Cost");
    row("frmAbout", "lblDescription",
        "The Budgeted Hourly Cost Analysis program utilizes known expenses and usage history to ontain accurate "
        "hourly rates for equipment. In addition, we have included the \"Reverse Engineered\" cost approach which "
        "identifies setup time and running speed based on a known retail price for a given product.");
    row("frmAbout", "cmdOK", "OK");
    row("frmAbout", "cmdSysInfo", "&System Info...");
}

void TestFixedTexts::fixedText()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QString, text);
    QVERIFY2(m_windows.value(window), qPrintable(window));
    const QStringList shown = shownTexts(m_windows.value(window), control);
    QVERIFY2(!shown.isEmpty(), "no such control");
    QCOMPARE(shown, QStringList(shown.size(), text));
}

// The name is digits only, so that a letter left outside the translator's marks is a fixed text.
void TestFixedTexts::everyShownTextIsTranslated()
{
    MarkingTranslator translator;
    QVERIFY(QCoreApplication::installTranslator(&translator));
    const auto removeTranslator = qScopeGuard([&] { QCoreApplication::removeTranslator(&translator); });
    MainWindowDriver ui;
    QVERIFY(ui.folder().replace("47116", workedExamplePricing()).ok());
    ui.startWorkedExample("4711");
    ui.click("cmdCalc");
    ui.click("cmdCalc"); // the second time it is asked about replacing, which is a message too
    OpenWindows& open = ui.window().openWindows();
    clickIn(open.center(), "cmdMarketCheck");
    clickIn(open.rates(), "cmdPrintBHR");
    clickIn(open.center(), "Command2");
    QList<QWidget*> windows{&ui.window(), ui.openWindow<FrmMarketCheck>()};
    windows << open.budget() << open.rates() << open.center() << open.naming() << open.deleteEquipment() << open.about()
            << open.plant() << open.jobCost() << open.drivers("4711") << open.rateChanges("4711");
    FrmSplash splash(ui.platform().currentYear());
    windows << &splash;
    QStringList untranslated;
    const auto check = [&untranslated](const QString& where, const QString& text) {
        if (untranslatedPart(text).contains(QRegularExpression(QStringLiteral("[A-Za-z]"))))
            untranslated << where + QStringLiteral(": ") + text;
    };
    for (QWidget* window : std::as_const(windows))
        for (const auto& [control, text] : everyText(window))
            check(window->objectName() + u' ' + control, text);
    for (const RecordedMessageBoxes::Shown& message : ui.platform().recordedMessages.shown)
        for (const QString& text : {message.text, message.title})
            check(QStringLiteral("message"), text);
    QCOMPARE(ui.platform().recordedPrinting.pages.size(), 2);
    for (const TextPagePrinter& page : ui.platform().recordedPrinting.pages)
        for (const QString& line : page.lines())
            check(QStringLiteral("printed"), line);
    QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.mid(0, 5).join(u'\n')));
}

QTEST_MAIN(TestFixedTexts)
#include "test_fixed_texts.moc"
