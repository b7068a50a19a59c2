#include "platform/HelpViewer.h"
#include "platform/HelpWindow.h"
#include "tests/support/ProgramNames.h"
#include "tests/support/RecordedMessageBoxes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QUrl>

class TestHelpViewer : public QObject {
    Q_OBJECT
private slots:
    void opensTheHelpFileTheGuideOrSaysWhatIsMissing_data();
    void opensTheHelpFileTheGuideOrSaysWhatIsMissing();
    void showsTheGuideItselfWhereNoViewerOpensIt_data();
    void showsTheGuideItselfWhereNoViewerOpensIt();
};

namespace {
bool place(const QString& path, const QByteArray& content = {})
{
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).absolutePath()) && file.open(QIODevice::WriteOnly) &&
           file.write(content) == content.size();
}
} // namespace

void TestHelpViewer::opensTheHelpFileTheGuideOrSaysWhatIsMissing_data()
{
    // Paths below a scratch folder whose "bin" is the program folder; "" for none.
    QTest::addColumn<QString>("helpFile");
    QTest::addColumn<QString>("guide");
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("opened"); // "" when the user is told the help file is missing
    const QString hlp = QStringLiteral("bin/BudgetAnalysis.hlp");
    const QString beside = QStringLiteral("bin/help/index.html");
    const QString installed = QStringLiteral("share/hourlyrates/help/index.html");
    QTest::newRow("help file, contents") << hlp << beside << int(HelpViewer::Contents) << hlp;
    QTest::newRow("help file, help on help") << hlp << QString() << int(HelpViewer::HelpOnHelp) << hlp;
    QTest::newRow("guide beside, contents") << QString() << beside << int(HelpViewer::Contents) << beside;
    QTest::newRow("guide beside, index") << QString() << beside << int(HelpViewer::Index) << beside;
    QTest::newRow("guide installed, index") << QString() << installed << int(HelpViewer::Index) << installed;
    QTest::newRow("guide beside, help on help") << QString() << beside << int(HelpViewer::HelpOnHelp) << QString();
    QTest::newRow("neither, contents") << QString() << QString() << int(HelpViewer::Contents) << QString();
    QTest::newRow("neither, index") << QString() << QString() << int(HelpViewer::Index) << QString();
    QTest::newRow("neither, help on help") << QString() << QString() << int(HelpViewer::HelpOnHelp) << QString();
}

void TestHelpViewer::opensTheHelpFileTheGuideOrSaysWhatIsMissing()
{
    QFETCH(QString, helpFile);
    QFETCH(QString, guide);
    QFETCH(int, command);
    QFETCH(QString, opened);
    QTemporaryDir dir;
    for (const QString& file : {helpFile, guide})
        if (!file.isEmpty())
            QVERIFY(place(dir.filePath(file)));
    RecordedMessageBoxes messages;
    QList<QUrl> urls;
    DesktopHelpViewer viewer(messages, [&urls](const QUrl& url) {
        urls.append(url);
        return true;
    });

    viewer.show(dir.filePath("bin/BudgetAnalysis.hlp"), HelpViewer::Command(command));

    if (opened.isEmpty()) {
        QVERIFY(urls.isEmpty());
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(messages.shown.first().text,
                 QStringLiteral("The help file BudgetAnalysis.hlp was not found in %1.").arg(dir.filePath("bin")));
    } else {
        QCOMPARE(urls, QList<QUrl>{QUrl::fromLocalFile(dir.filePath(opened))});
        QVERIFY(messages.shown.isEmpty());
    }
}

// The desktop has nothing that opens HTML or the help file (a minimal system without xdg-utils).
void TestHelpViewer::showsTheGuideItselfWhereNoViewerOpensIt_data()
{
    QTest::addColumn<bool>("helpFile");
    QTest::addColumn<bool>("guide");
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("shownAt"); // where the help window shows the guide; "" when a message says why not
    QTest::newRow("guide, contents") << false << true << int(HelpViewer::Contents) << "";
    QTest::newRow("guide, index") << false << true << int(HelpViewer::Index) << "index";
    QTest::newRow("help file no viewer reads, guide") << true << true << int(HelpViewer::Contents) << "";
    QTest::newRow("help file no viewer reads, no guide") << true << false << int(HelpViewer::Contents) << QString();
}

void TestHelpViewer::showsTheGuideItselfWhereNoViewerOpensIt()
{
    QFETCH(bool, helpFile);
    QFETCH(bool, guide);
    QFETCH(int, command);
    QFETCH(QString, shownAt);
    QTemporaryDir dir;
    const QString hlp = dir.filePath("bin/BudgetAnalysis.hlp");
    const QString guideFile = dir.filePath("bin/help/index.html");
    if (helpFile)
        QVERIFY(place(hlp, "?_\x03"));
    if (guide)
        QVERIFY(place(guideFile, "<html><head><title>The guide</title></head><body><p>Rates</p>"
                                 "<p id=\"index\">Index</p></body></html>"));
    RecordedMessageBoxes messages;
    int tried = 0;
    DesktopHelpViewer viewer(messages, [&tried](const QUrl&) { return ++tried, false; });

    viewer.show(hlp, HelpViewer::Command(command));

    QCOMPARE(tried, 1);
    if (shownAt.isNull()) {
        QVERIFY(!viewer.window());
        QCOMPARE(messages.texts(), QStringList{QStringLiteral("No viewer could open the help file %1.").arg(hlp)});
        return;
    }
    QVERIFY(messages.shown.isEmpty());
    QVERIFY(viewer.window() && viewer.window()->isVisible());
    QCOMPARE(viewer.window()->windowTitle(), QStringLiteral("The guide"));
    QCOMPARE(viewer.window()->browser().source().adjusted(QUrl::RemoveFragment), QUrl::fromLocalFile(guideFile));
    QCOMPARE(viewer.window()->browser().source().fragment(), shownAt);
    QVERIFY(viewer.window()->browser().toPlainText().contains("Rates"));
}

QTEST_MAIN(TestHelpViewer)
#include "test_help_viewer.moc"
