#include "forms/frmAbout.h"
#include "tests/support/FakeSystemTools.h"
#include "tests/support/MainWindowDriver.h"
#include "tests/support/ProgramNames.h"

#include <QAction>
#include <QFileInfo>
#include <QPointer>
#include <QRegularExpression>

namespace {
const QString kUnavailable = QStringLiteral("System Information Is Unavailable At This Time");
const QString kToolKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString kRegisteredTool = QStringLiteral("C:\\Program Files\\MSINFO\\MSINFO32.EXE");
} // namespace

class TestAbout : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void showsVersionAndYear();
    void closesByOkEnterAndEscape_data();
    void closesByOkEnterAndEscape();
    void systemInfoStartsTheToolOrSaysItIsUnavailable_data();
    void systemInfoStartsTheToolOrSaysItIsUnavailable();

private:
    void openFromMenu();
    template <typename T> T* child(const char* name) const { return control<T>(m_about, name); }

    std::unique_ptr<MainWindowDriver> m_ui;
    QPointer<FrmAbout> m_about;
};

void TestAbout::init()
{
    m_ui = std::make_unique<MainWindowDriver>(2031);
    m_ui->window().show();
}

void TestAbout::cleanup()
{
    m_ui.reset();
}

void TestAbout::openFromMenu()
{
    m_ui->window().findChild<QAction*>("mnuAbout")->trigger();
    m_about = m_ui->window().findChild<FrmAbout*>();
    QVERIFY(m_about);
    QVERIFY(QTest::qWaitForWindowExposed(m_about));
}

void TestAbout::showsVersionAndYear()
{
    openFromMenu();
    m_ui->window().findChild<QAction*>("mnuAbout")->trigger(); // a second time only brings it to the front

    QCOMPARE(m_ui->window().findChildren<FrmAbout*>().size(), 1);
    QVERIFY(!m_about->isModal());
    QVERIFY(child<QLabel>("lblTitle")->font().bold());
    QCOMPARE(child<QLabel>("lblVersion")->text(), QStringLiteral("Version " PROGRAM_VERSION));
    QVERIFY(child<QLabel>("Label1")->text().contains("2031"));
    const QString notice = child<QLabel>("lblDisclaimer")->text();
    for (const char* term : {"GNU General Public License",
                             "either version 3 of the License, or (at your option) any "
                             "later version",
                             "WITHOUT ANY WARRANTY"})
        QVERIFY2(notice.contains(QLatin1String(term)), qPrintable(notice));
    // It says where the whole licence can be read: a file that is there, or the licence's address.
    const QRegularExpression where(QStringLiteral("See (.+) for the full text of the licence\\.$"));
    const QString place = where.match(notice).captured(1);
    QVERIFY2(QFileInfo(place).isFile() || place == "https://www.gnu.org/licenses/gpl-3.0.html", qPrintable(notice));
}

void TestAbout::closesByOkEnterAndEscape_data()
{
    QTest::addColumn<int>("key"); // 0: click OK
    QTest::newRow("OK clicked") << 0;
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("Escape") << int(Qt::Key_Escape);
}

void TestAbout::closesByOkEnterAndEscape()
{
    QFETCH(int, key);
    openFromMenu();
    if (key == 0)
        QTest::mouseClick(child<QPushButton>("cmdOK"), Qt::LeftButton);
    else
        QTest::keyClick(m_about, Qt::Key(key));
    QTRY_VERIFY(m_about.isNull());
    QVERIFY(m_ui->window().isVisible());
    QVERIFY(m_ui->platform().recordedMessages.shown.isEmpty());
}

void TestAbout::systemInfoStartsTheToolOrSaysItIsUnavailable_data()
{
    QTest::addColumn<bool>("fakeRegistry"); // false: this platform's own, which has none
    QTest::addColumn<bool>("toolOnDisk");
    QTest::addColumn<QStringList>("expectedMessages");
    QTest::newRow("no registry on this platform") << false << false << QStringList{kUnavailable};
    QTest::newRow("registered tool") << true << true << QStringList{};
    QTest::newRow("registered tool gone") << true << false << QStringList{kUnavailable};
}

void TestAbout::systemInfoStartsTheToolOrSaysItIsUnavailable()
{
    QFETCH(bool, fakeRegistry);
    QFETCH(bool, toolOnDisk);
    QFETCH(QStringList, expectedMessages);
    FakeSystemTools tools;
    tools.setValue(kToolKey, "PATH", SystemTools::StringValue, kRegisteredTool.toLatin1() + '\0');
    if (toolOnDisk)
        tools.existingFiles = {kRegisteredTool};
    if (fakeRegistry)
        m_ui->platform().systemTools = &tools;
    openFromMenu();

    QTest::mouseClick(child<QPushButton>("cmdSysInfo"), Qt::LeftButton);

    QCOMPARE(m_ui->messages(), expectedMessages);
    QCOMPARE(tools.processesTried, fakeRegistry ? QStringList{kRegisteredTool} : QStringList{});
    QVERIFY(m_about->isVisible());
    m_ui.reset(); // before the fake registry goes
}

QTEST_MAIN(TestAbout)
#include "test_about.moc"
