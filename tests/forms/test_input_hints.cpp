#include "tests/support/MainWindowDriver.h"
#include "tests/support/ProgramNames.h"

#include "forms/frmDelete.h"
#include "forms/frmName.h"
#include "store/FileNames.h"

#include <QAction>
#include <QPointer>

namespace {
// Types the text key by key, also characters that have no key of their own.
void typeInto(QLineEdit* box, const QString& text)
{
    box->clear();
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
}
} // namespace

class TestInputHints : public QObject {
    Q_OBJECT
private slots:
    void init() { m_ui = std::make_unique<MainWindowDriver>(); }
    void cleanup() { m_ui.reset(); }

    void hintBesideTheBox_data();
    void hintBesideTheBox();
    void boxesAreNamedAfterTheirPrompts_data();
    void boxesAreNamedAfterTheirPrompts();
    void enterInTheRevisedNameAccepts_data();
    void enterInTheRevisedNameAccepts();
    void deleteQuestionDefaultsToNo();

private:
    std::unique_ptr<MainWindowDriver> m_ui;
};

void TestInputHints::hintBesideTheBox_data()
{
    const QString unstorable = QStringLiteral("the character \"\u65e5\" cannot be stored in the data files");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept"); // the box's text afterwards
    QTest::addColumn<QString>("hint"); // empty: no hint shown
    QTest::newRow("thousands comma") << "txtSS"
                                     << "1,500"
                                     << "1,500"
                                     << "read as 1";
    QTest::newRow("plain number") << "txtSS"
                                  << "1500"
                                  << "1500"
                                  << "";
    QTest::newRow("dollar sign on the last tab") << "txtHrCost"
                                                 << "$12.50"
                                                 << "$12.50"
                                                 << "read as 0";
    QTest::newRow("trailing letter") << "txtQ1"
                                     << "12 x"
                                     << "12 x"
                                     << "read as 12";
    QTest::newRow("too large") << "txtEff60"
                               << "1e999"
                               << "1e999"
                               << "too large to calculate with";
    QTest::newRow("unstorable character refused") << "txtSell"
                                                  << "12\u65e5"
                                                  << "12" << unstorable;
    QTest::newRow("next accepted keystroke clears the reason") << "txtSell"
                                                               << "12\u65e53"
                                                               << "123"
                                                               << "";
    QTest::newRow("refused in the name box") << "txtTitle"
                                             << "Kord\u65e5"
                                             << "Kord" << unstorable;
}

void TestInputHints::hintBesideTheBox()
{
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QFETCH(QString, hint);

    typeInto(m_ui->box(box), typed);

    QCOMPARE(m_ui->text(box), kept);
    const QLabel* note = m_ui->child<QLabel>(box + "Hint");
    QVERIFY(note);
    QCOMPARE(note->isHidden() ? QString() : note->text(), hint);
}

void TestInputHints::boxesAreNamedAfterTheirPrompts_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("name");
    QTest::newRow("general tab") << "txtSS"
                                 << "Current Social Security Tax Rate in Percentage";
    QTest::newRow("colon dropped") << "txtDed"
                                   << "Maximum Salary Applied to SS Wages Deduction";
    QTest::newRow("indirect costs") << "txtSell"
                                    << "General Selling Costs ($/Yr) Applied To This Center";
    QTest::newRow("new name") << "txtTitle"
                              << "Enter New Equipment Name";
    QTest::newRow("mark-up") << "txtPercent"
                             << "Enter the Percent Markup for this Center";
    QTest::newRow("second price") << "txtP2"
                                  << "Enter Price for Quantity 2";
}

void TestInputHints::boxesAreNamedAfterTheirPrompts()
{
    QFETCH(QString, box);
    QFETCH(QString, name);
    QCOMPARE(m_ui->box(box)->accessibleName(), name);
}

void TestInputHints::enterInTheRevisedNameAccepts_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("label"); // the analysis name afterwards
    QTest::newRow("a name") << "Press B"
                            << "Press B";
    QTest::newRow("empty box changes nothing") << ""
                                               << "Kord";
}

void TestInputHints::enterInTheRevisedNameAccepts()
{
    QFETCH(QString, typed);
    QFETCH(QString, label);
    m_ui->window().setAnalysisName("Kord");
    m_ui->press("Command3");
    QPointer<FrmName> naming = m_ui->openWindow<FrmName>();
    QVERIFY(naming);
    auto* box = control<QLineEdit>(naming, "txtName");
    QTest::keyClicks(box, typed);

    QTest::keyClick(box, Qt::Key_Return);

    QVERIFY(naming && !naming->isVisible());
    QCOMPARE(m_ui->window().analysisName(), label);
    QCOMPARE(m_ui->fileExists(filenames::kNameFile), !typed.isEmpty());
    QCOMPARE(box->accessibleName(), "Revise Equip. Name");
}

// Enter on the question keeps the name: only an explicit Yes deletes.
void TestInputHints::deleteQuestionDefaultsToNo()
{
    m_ui->startWithList({"Kord"});
    m_ui->window().findChild<QAction*>("mnuDelete")->trigger();
    auto* window = m_ui->window().findChild<FrmDelete*>();
    QVERIFY(window);
    control<QLineEdit>(window, "txtDelete")->setText("Kord");

    control<QPushButton>(window, "cmdDelete")->click();

    const QList<RecordedMessageBoxes::Shown> shown = m_ui->platform().recordedMessages.shown;
    QCOMPARE(shown.size(), 1);
    QVERIFY(shown.first().question);
    QCOMPARE(shown.first().defaultAnswer, MessageBoxes::Answer::No);
    QCOMPARE(m_ui->fileBytes("budget.fyl"), QByteArray("Kord\r\n"));
}

QTEST_MAIN(TestInputHints)
#include "test_input_hints.moc"
