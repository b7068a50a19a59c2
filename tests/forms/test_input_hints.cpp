#include "tests/support/MainWindowDriver.h"
#include "tests/support/ProgramNames.h"

#include "forms/frmName.h"
#include "store/FileNames.h"

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
    const auto row = [](const char* rowName, const char* box, const QString& typed, const QString& kept,
                        const QString& hint) { QTest::newRow(rowName) << QString(box) << typed << kept << hint; };
    row("thousands comma", "txtSS", "1,500", "1,500", "read as 1");
    row("plain number", "txtSS", "1500", "1500", "");
    row("dollar sign on the last tab", "txtHrCost", "$12.50", "$12.50", "read as 0");
    row("trailing letter", "txtQ1", "12 x", "12 x", "read as 12");
    row("too large", "txtEff60", "1e999", "1e999", "too large to calculate with");
    row("unstorable character refused", "txtSell", "12\u65e5", "12", unstorable);
    row("next accepted keystroke clears the reason", "txtSell", "12\u65e53", "123", "");
    row("refused in the name box", "txtTitle", "Kord\u65e5", "Kord", unstorable);
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
    const auto row = [](const char* rowName, const char* box, const char* name) {
        QTest::newRow(rowName) << QString(box) << QString(name);
    };
    row("general tab", "txtSS", "Current Social Security Tax Rate in Percentage");
    row("colon dropped", "txtDed", "Maximum Salary Applied to SS Wages Deduction");
    row("indirect costs", "txtSell", "General Selling Costs ($/Yr) Applied To This Center");
    row("new name", "txtTitle", "Enter New Equipment Name");
    row("mark-up", "txtPercent", "Enter the Percent Markup for this Center");
    row("second price", "txtP2", "Enter Price for Quantity 2");
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
    QTest::newRow("a name") << QString("Press B") << QString("Press B");
    QTest::newRow("empty box changes nothing") << QString("") << QString("Kord");
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

QTEST_MAIN(TestInputHints)
#include "test_input_hints.moc"
