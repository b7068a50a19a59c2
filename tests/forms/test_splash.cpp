#include "forms/ProgramIcon.h"
#include "forms/ProgramStart.h"
#include "forms/frmSplash.h"
#include "forms/frmTab.h"
#include "tests/support/ProgramNames.h"
#include "tests/support/RecordedPlatform.h"

#include <QApplication>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

class TestSplash : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void showsVersionAndYear();
    void timerHandsOverToTheMainWindow();
    void handsOverOnce_data();
    void handsOverOnce();
    void clicksAndKeysElsewhereDoNothing();
    void cleansUpOnceTheSplashIsPainted();

private:
    FrmSplash* splash() const { return m_start->splash(); }
    QFrame* frame() const { return splash()->findChild<QFrame*>("Frame1"); }
    QPoint bareFramePoint() const;
    int mainWindowsShown() const;

    std::unique_ptr<RecordedPlatform> m_platform;
    std::unique_ptr<ProgramStart> m_start;
};

void TestSplash::init()
{
    m_platform = std::make_unique<RecordedPlatform>(2029);
    m_start = std::make_unique<ProgramStart>(*m_platform);
    QVERIFY(QTest::qWaitForWindowExposed(splash()));
}

void TestSplash::cleanup()
{
    m_start.reset();
    m_platform.reset();
}

QPoint TestSplash::bareFramePoint() const
{
    for (int y = 2; y < frame()->height(); y += 3)
        for (int x = 2; x < frame()->width(); x += 3)
            if (!frame()->childAt(x, y))
                return {x, y};
    return {};
}

int TestSplash::mainWindowsShown() const
{
    int count = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
        count += qobject_cast<FrmTab*>(window) && window->isVisible() ? 1 : 0;
    return count;
}

void TestSplash::showsVersionAndYear()
{
    QCOMPARE(splash()->findChild<QLabel*>("lblVersion")->text(), QStringLiteral("Version " PROGRAM_VERSION));
    QVERIFY(splash()->findChild<QLabel*>("lblProductName")->font().bold());
    QCOMPARE(splash()->findChild<QLabel*>("lblProductName")->font().pointSizeF(), 24.0);
    bool yearShown = false;
    for (QLabel* label : splash()->findChildren<QLabel*>())
        yearShown = yearShown || label->text().contains("2029");
    QVERIFY(yearShown);
    QVERIFY(splash()->windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(splash()->findChild<QLabel*>("imgLogo")->pixmap().toImage(), programPixmap(120).toImage());
    QCOMPARE(splash()->timer()->interval(), 2500);
    QVERIFY(splash()->timer()->isSingleShot() && splash()->timer()->isActive());
    QVERIFY(!m_start->mainWindow());
}

void TestSplash::timerHandsOverToTheMainWindow()
{
    splash()->timer()->start(0); // the tick, without waiting two and a half seconds
    QTRY_VERIFY(m_start->mainWindow());
    FrmTab* main = m_start->mainWindow();
    QVERIFY(main->isVisible());
    QCOMPARE(main->findChild<QTabWidget*>("SSTab1")->currentIndex(), 0);
    QTRY_VERIFY(!m_start->splash());
}

void TestSplash::handsOverOnce_data()
{
    QTest::addColumn<int>("key"); // none for the click
    QTest::newRow("character key") << int(Qt::Key_A);
    QTest::newRow("Enter, character 13") << int(Qt::Key_Return);
    QTest::newRow("Escape, character 27") << int(Qt::Key_Escape);
    QTest::newRow("Backspace, character 8") << int(Qt::Key_Backspace);
    QTest::newRow("click on the bare frame") << 0;
}

void TestSplash::handsOverOnce()
{
    QFETCH(int, key);
    QSignalSpy handedOver(splash(), &FrmSplash::handedOver);
    if (key)
        QTest::keyClick(splash(), Qt::Key(key));
    else
        QTest::mouseClick(frame(), Qt::LeftButton, {}, bareFramePoint());
    QCOMPARE(handedOver.count(), 1);
    QVERIFY(m_start->mainWindow() && m_start->mainWindow()->isVisible());
    QVERIFY(!splash()->isVisible() && !splash()->timer()->isActive());

    // A second key or click before the splash is gone, and the timer, open nothing more.
    QTest::keyClick(splash(), Qt::Key_B);
    QTest::mouseClick(frame(), Qt::LeftButton, {}, bareFramePoint());
    QCOMPARE(handedOver.count(), 1);
    QTRY_VERIFY(!m_start->splash());
    QCOMPARE(mainWindowsShown(), 1);
}

void TestSplash::clicksAndKeysElsewhereDoNothing()
{
    QSignalSpy handedOver(splash(), &FrmSplash::handedOver);
    for (const char* name : {"lblProductName", "lblVersion", "imgLogo"})
        QTest::mouseClick(splash()->findChild<QLabel*>(name), Qt::LeftButton);
    QTest::mouseClick(splash(), Qt::LeftButton, {}, QPoint(2, 2)); // the margin outside the frame
    QVERIFY(!frame()->geometry().contains(2, 2));
    QTest::keyClick(splash(), Qt::Key_Shift); // keys without a character
    QTest::keyClick(splash(), Qt::Key_F1);
    QCOMPARE(handedOver.count(), 0);
    QVERIFY(splash()->isVisible());
    QVERIFY(!m_start->mainWindow());
    // A character key reaches the splash only when it is the active window.
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(splash()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(handedOver.count(), 1);
}

// A copy a cut-off save left behind goes, but only after the splash reached the screen; the
// data file beside it stays.
void TestSplash::cleansUpOnceTheSplashIsPainted()
{
    m_start.reset();
    const DataFolder& folder = m_platform->folder();
    const QString leftover = QStringLiteral("primary.bud.aB3dEf.partial");
    for (const QString& file : {leftover, QStringLiteral("primary.bud")}) {
        QFile written(folder.filePath(file));
        QVERIFY(written.open(QIODevice::WriteOnly) && written.write("7.65\r\n") == 6);
    }
    m_start = std::make_unique<ProgramStart>(*m_platform);
    QVERIFY(folder.exists(leftover) || splash()->isPainted());
    QVERIFY(QTest::qWaitForWindowExposed(splash()));
    QCoreApplication::sendPostedEvents(); // the clean-up waits in the queue behind the first paint
    QCoreApplication::processEvents();
    QVERIFY(splash()->isPainted());
    QVERIFY(!folder.exists(leftover));
    QVERIFY(folder.exists(QStringLiteral("primary.bud")));
}

QTEST_MAIN(TestSplash)
#include "test_splash.moc"
