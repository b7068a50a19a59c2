#include "MainWindowDriver.h"

#include "InputBoxes.h"

#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

// The table of input boxes is what the files, the formulas and the tab pages are built from:
// the window must show each box once, on its tab, with its prompt beside it.
class TestBoxRegistry : public QObject {
    Q_OBJECT
private slots:
    void everyBoxOnceWithItsPrompt_data();
    void everyBoxOnceWithItsPrompt();
};

void TestBoxRegistry::everyBoxOnceWithItsPrompt_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<int>("tab");
    for (const inputboxes::Entry& entry : inputboxes::all())
        QTest::newRow(entry.name) << QString::fromLatin1(entry.name) << QString::fromLatin1(entry.prompt) << entry.tab;
}

void TestBoxRegistry::everyBoxOnceWithItsPrompt()
{
    QFETCH(QString, box);
    QFETCH(QString, prompt);
    QFETCH(int, tab);
    MainWindowDriver ui;
    auto* tabs = ui.child<QTabWidget>("SSTab1");
    tabs->setCurrentIndex(tab);
    ui.window().show();
    QVERIFY(QTest::qWaitForWindowExposed(&ui.window()));

    const QList<QLineEdit*> found = ui.window().findChildren<QLineEdit*>(box);
    QCOMPARE(found.size(), 1);
    QLineEdit* edit = found.first();
    QVERIFY(tabs->widget(tab)->isAncestorOf(edit));

    // The labels that stand on the box's row to its left: the prompt alone.
    QStringList beside;
    for (const QLabel* label : edit->parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        const QRect area = label->geometry();
        if (label->isVisible() && area.right() < edit->geometry().left() && area.bottom() >= edit->geometry().top() &&
            area.top() <= edit->geometry().bottom())
            beside.append(label->text());
    }
    QCOMPARE(beside, QStringList{prompt});
}

QTEST_MAIN(TestBoxRegistry)
#include "test_box_registry.moc"
