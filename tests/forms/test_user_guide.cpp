// The user guide as the build writes it, read against the main window it describes.
#include "tests/support/MainWindowDriver.h"
#include "tests/support/ProgramNames.h"

#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTextDocumentFragment>

namespace {

QString builtGuide()
{
    QFile file(QStringLiteral(GUIDE_FILE));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// What the guide says under a tab's heading, up to the next heading; empty without the heading.
QString tabSection(const QString& guide, const QString& caption)
{
    const QString heading = QStringLiteral("<dt>%1</dt>").arg(caption.toHtmlEscaped());
    const qsizetype start = guide.indexOf(heading);
    if (start < 0)
        return QString();
    static const QRegularExpression next(QStringLiteral("<dt>|</dl>"));
    return guide.mid(start, guide.indexOf(next, start + heading.size()) - start);
}

// The entries of the section's lists, as the reader sees them.
QStringList listed(const QString& section)
{
    static const QRegularExpression entry(QStringLiteral("<li>(.*?)</li>"));
    QStringList texts;
    for (const QRegularExpressionMatch& match : entry.globalMatch(section))
        texts.append(QTextDocumentFragment::fromHtml(match.captured(1)).toPlainText());
    return texts;
}

// The boxes of a tab page, top to bottom, by the words of their prompts as a screen reader
// announces them.
QStringList boxNames(const QWidget* tabPage)
{
    QStringList names;
    for (const QLineEdit* box : tabPage->findChildren<QLineEdit*>())
        names.append(box->accessibleName());
    return names;
}

// A prompt as the guide lists it, in the words a screen reader announces.
QString spoken(QString prompt)
{
    prompt = prompt.trimmed();
    if (prompt.endsWith(u':'))
        prompt.chop(1);
    return prompt.trimmed();
}

QString withoutMnemonic(QString text)
{
    return text.remove(u'&');
}

} // namespace

class TestUserGuide : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void listsEachTabsBoxesUnderItsHeading_data();
    void listsEachTabsBoxesUnderItsHeading();
    void namesMenuItemsAsTheMenusShowThem();

private:
    std::unique_ptr<MainWindowDriver> m_ui;
    QString m_guide;
};

void TestUserGuide::init()
{
    m_guide = builtGuide();
    QVERIFY2(!m_guide.isEmpty(), GUIDE_FILE);
    m_ui = std::make_unique<MainWindowDriver>();
}

void TestUserGuide::cleanup()
{
    m_ui.reset();
}

void TestUserGuide::listsEachTabsBoxesUnderItsHeading_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<bool>("boxesListed"); // the boxes of the figures an analysis saves
    QTest::newRow("1. Preliminary Information") << int(FrmTab::Preliminary) << false;
    QTest::newRow("2. General Information") << int(FrmTab::General) << true;
    QTest::newRow("3. Equipment") << int(FrmTab::Equipment) << true;
    QTest::newRow("4. Wages and Efficiency") << int(FrmTab::WagesAndEfficiency) << true;
    QTest::newRow("5. Indirect Costs") << int(FrmTab::IndirectCosts) << true;
    QTest::newRow("6. Reverse Engineering") << int(FrmTab::ReverseEngineering) << false;
}

// Every tab has its heading in the guide, and under it the prompts of its boxes in the tab's
// order, each once, and no other tab's.
void TestUserGuide::listsEachTabsBoxesUnderItsHeading()
{
    QFETCH(int, tab);
    QFETCH(bool, boxesListed);
    const QString caption = m_ui->tabs()->tabText(tab);
    const QString section = tabSection(m_guide, caption);
    QVERIFY2(!section.isEmpty(), qPrintable(caption));
    QStringList inGuide;
    for (const QString& prompt : listed(section))
        inGuide.append(spoken(prompt));
    const QStringList onTab = boxNames(m_ui->tabs()->widget(tab));
    QVERIFY(!onTab.isEmpty());
    QCOMPARE(inGuide, boxesListed ? onTab : QStringList());
}

// "File > Plant Overview…" and the like name an item of that menu by its very words.
void TestUserGuide::namesMenuItemsAsTheMenusShowThem()
{
    static const QRegularExpression path(QStringLiteral("<em>([^<>]+?) &gt;\\s+([^<>]+)</em>"));
    int paths = 0;
    for (const QRegularExpressionMatch& match : path.globalMatch(m_guide)) {
        const QString menuTitle = match.captured(1);
        const QString item = match.captured(2).simplified();
        QStringList items;
        for (const QMenu* menu : m_ui->window().menuBar()->findChildren<QMenu*>())
            if (withoutMnemonic(menu->title()) == menuTitle)
                for (const QAction* action : menu->actions())
                    items.append(withoutMnemonic(action->text()));
        QVERIFY2(items.contains(item), qPrintable(menuTitle + " > " + item + " is not in " + items.join(", ")));
        ++paths;
    }
    QVERIFY(paths >= 3);
}

QTEST_MAIN(TestUserGuide)
#include "test_user_guide.moc"
