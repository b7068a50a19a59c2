#include "forms/BoxPlaces.h"
#include "tests/support/MainWindowDriver.h"
#include "tests/support/ProgramNames.h"

#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

// Every input box stands once, empty, on its tab, with its prompt label next to it on its left
// (the prompts' texts are among the fixed texts).
class TestBoxRegistry : public QObject {
    Q_OBJECT
private slots:
    void everyBoxOnceWithItsPrompt_data();
    void everyBoxOnceWithItsPrompt();
    void everyRegisteredBoxIsHereOnceAndTested();

private:
    QStringList m_tested; // the boxes of the table above, filled with it
};

void TestBoxRegistry::everyBoxOnceWithItsPrompt_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("tab");
    const auto row = [this](const QString& box, const QString& label, int tab) {
        QTest::newRow(qPrintable(box)) << box << label << tab;
        m_tested.append(box);
    };
    row("txtTitle", "lblNewTitle", 0);
    const QStringList plant = {"txtSS",       "txtDed",        "txtComp",      "txtUnempComp",   "txtMaxWages",
                               "txtGroupIns", "txtPension",    "txtPower",     "txtVacation",    "txtHolidays",
                               "txtRent",     "txtInsurEquip", "txtPropTaxes", "txtDepreciation"};
    for (int i = 0; i < plant.size(); ++i)
        row(plant[i], QStringLiteral("Label%1").arg(i < 13 ? i + 1 : i + 2), 1);
    row("txtTotCost", "Label50", 1);
    row("txtTotFeet", "Label58", 1);
    row("txtCost", "Label16", 2);
    for (int motor = 1; motor <= 5; ++motor) {
        row(QStringLiteral("txtHP%1").arg(motor), QStringLiteral("Label%1").arg(15 + 2 * motor), 2);
        row(QStringLiteral("txtUsage%1").arg(motor), QStringLiteral("Label%1").arg(16 + 2 * motor), 2);
    }
    const QStringList wages = {"txtWage1",      "txtWage2",   "txtWage3",  "txtSq",    "txtHours", "txtArc",
                               "txtArcPercent", "txtTotWatt", "txtEff100", "txtEff80", "txtEff70", "txtEff60"};
    for (int i = 0; i < wages.size(); ++i)
        row(wages[i], QStringLiteral("Label%1").arg(27 + i), 3);
    const QStringList indirect = {"txtInd", "txtSupply", "txtRepair", "txtGen", "txtSell"};
    for (int i = 0; i < indirect.size(); ++i)
        row(indirect[i], QStringLiteral("Label%1").arg(39 + i), 4);
    row("txtPercent", "Label49", 5);
    row("txtQ1", "Label48", 5);
    row("txtP1", "Label53", 5);
    row("txtQ2", "Label47", 5);
    row("txtP2", "Label46", 5);
    row("txtHrCost", "Label45", 5);
}

void TestBoxRegistry::everyBoxOnceWithItsPrompt()
{
    QFETCH(QString, box);
    QFETCH(QString, label);
    QFETCH(int, tab);
    MainWindowDriver ui;
    ui.tabs()->setCurrentIndex(tab);
    ui.window().show();
    QVERIFY(QTest::qWaitForWindowExposed(&ui.window()));

    const QList<QLineEdit*> found = ui.window().findChildren<QLineEdit*>(box);
    QCOMPARE(found.size(), 1);
    QLineEdit* edit = found.first();
    QVERIFY(ui.tabs()->widget(tab)->isAncestorOf(edit));
    QVERIFY(edit->text().isEmpty());

    // The nearest label on the box's row to its left.
    const QLabel* nearest = nullptr;
    for (const QLabel* caption : edit->parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        const QRect area = caption->geometry();
        if (caption->isVisible() && area.right() < edit->geometry().left() && area.bottom() >= edit->geometry().top() &&
            area.top() <= edit->geometry().bottom() && (!nearest || area.right() > nearest->geometry().right()))
            nearest = caption;
    }
    QVERIFY2(nearest, "no label beside the box");
    QCOMPARE(nearest->objectName(), label);
}

// A box added to the registry must stand in the window once and have a row in the table above.
void TestBoxRegistry::everyRegisteredBoxIsHereOnceAndTested()
{
    MainWindowDriver ui;
    for (const inputboxes::Entry& entry : inputboxes::all()) {
        const QString name = boxplaces::objectName(entry.box);
        QCOMPARE(ui.window().findChildren<QLineEdit*>(name).size(), 1);
        QVERIFY2(m_tested.contains(name), qPrintable(name));
    }
}

QTEST_MAIN(TestBoxRegistry)
#include "test_box_registry.moc"
