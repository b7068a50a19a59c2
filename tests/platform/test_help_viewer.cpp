#include "HelpViewer.h"
#include "RecordedMessageBoxes.h"

#include <QTemporaryDir>
#include <QTest>

class TestHelpViewer : public QObject {
    Q_OBJECT
private slots:
    void missingHelpFileIsNamedToTheUser_data();
    void missingHelpFileIsNamedToTheUser();
};

void TestHelpViewer::missingHelpFileIsNamedToTheUser_data()
{
    QTest::addColumn<int>("command");
    QTest::newRow("contents") << int(HelpViewer::Contents);
    QTest::newRow("index") << int(HelpViewer::Index);
    QTest::newRow("help on help") << int(HelpViewer::HelpOnHelp);
}

void TestHelpViewer::missingHelpFileIsNamedToTheUser()
{
    QFETCH(int, command);
    QTemporaryDir dir;
    RecordedMessageBoxes messages;
    DesktopHelpViewer viewer(messages);
    viewer.show(dir.filePath("BudgetAnalysis.hlp"), HelpViewer::Command(command));
    QCOMPARE(messages.shown.size(), 1);
    QVERIFY(messages.shown.first().text.contains("BudgetAnalysis.hlp"));
    QVERIFY(messages.shown.first().text.contains(dir.path()));
}

QTEST_MAIN(TestHelpViewer)
#include "test_help_viewer.moc"
