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
#include "store/FileNames.h"
#include "tests/support/MainWindowDriver.h"
#include "tests/support/ProgramNames.h"

#include <QAbstractButton>
#include <QLayout>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>

#include <cmath>
#include <functional>

// Every window fits the screen the test runs for (FIT_SCREEN, in device pixels, at the scale of
// QT_SCALE_FACTOR), with an equipment name of 150 characters current: all of it in reach, none
// of it scrolling sideways.

namespace {

// Room that the desktop's panel and the window's title bar and frame take from the screen.
constexpr int kFrameWidth = 16;
constexpr int kPanelAndTitleBar = 72;

using Opener = std::function<QWidget*(MainWindowDriver&)>;

// A window that the main window opens without being told more.
template <auto open> QWidget* opened(MainWindowDriver& ui)
{
    return (ui.window().openWindows().*open)();
}

// How the user opens each window. A new window is one more line here.
const std::vector<std::pair<const char*, Opener>>& windows()
{
    static const std::vector<std::pair<const char*, Opener>> all = {
        {"frmTab", [](MainWindowDriver& ui) -> QWidget* { return &ui.window(); }},
        {"frmSplash",
         [](MainWindowDriver& ui) -> QWidget* {
             auto* splash = new FrmSplash(ui.platform().currentYear(), &ui.window()); // goes with the main window
             splash->timer()->stop();
             splash->show();
             return splash;
         }},
        {"frmBudget", opened<&OpenWindows::budget>},
        {"frmBHR", opened<&OpenWindows::rates>},
        {"frmCenter", opened<&OpenWindows::center>},
        {"frmName", opened<&OpenWindows::naming>},
        {"frmDelete", opened<&OpenWindows::deleteEquipment>},
        {"frmAbout", opened<&OpenWindows::about>},
        {"frmPlant", opened<&OpenWindows::plant>},
        {"frmRateChanges", [](MainWindowDriver& ui) -> QWidget* { return ui.window().openWindows().rateChanges({}); }},
        {"frmDrivers",
         [](MainWindowDriver& ui) -> QWidget* {
             clickIn(ui.window().openWindows().rates(), "cmdDrivers");
             return ui.openWindow<FrmDrivers>();
         }},
        {"frmJobCost", opened<&OpenWindows::jobCost>},
        {"frmMarketCheck",
         [](MainWindowDriver& ui) -> QWidget* {
             clickIn(ui.window().openWindows().center(), "cmdMarketCheck");
             return ui.openWindow<FrmMarketCheck>();
         }},
    };
    return all;
}

bool onScrollingPage(const QWidget* widget)
{
    for (const QWidget* parent = widget->parentWidget(); parent; parent = parent->parentWidget())
        if (qobject_cast<const QScrollArea*>(parent))
            return true;
    return false;
}

QString longName()
{
    const QString words = QStringLiteral("Heidelberg Speedmaster XL 106 eight colour perfector with coater ");
    return words.repeated(3).left(150);
}

// The screen named in FIT_SCREEN as "<width>x<height>" device pixels; 1280x720 without it.
QSize screenToFit()
{
    const QStringList sides = qEnvironmentVariable("FIT_SCREEN", QStringLiteral("1280x720")).split(u'x');
    return sides.size() == 2 ? QSize(sides[0].toInt(), sides[1].toInt()) : QSize();
}

} // namespace

class TestScreenFit : public QObject {
    Q_OBJECT
private slots:
    void windowFitsTheScreen_data();
    void windowFitsTheScreen();
};

void TestScreenFit::windowFitsTheScreen_data()
{
    QTest::addColumn<int>("window");
    for (std::size_t i = 0; i < windows().size(); ++i)
        QTest::newRow(windows()[i].first) << int(i);
}

void TestScreenFit::windowFitsTheScreen()
{
    QFETCH(int, window);
    const QString name = longName();
    QCOMPARE(name.size(), 150);
    MainWindowDriver ui;
    QVERIFY(ui.folder().replace(filenames::kNameFile, {name}).ok());
    QVERIFY(ui.folder().replace(filenames::pricingFile(name), workedExamplePricing()).ok());
    saveResults(ui.folder(), name, {{89, 69.01}, {70, 270000}});
    ui.start();
    ui.startAnalysis(name); // every tab and the analysis name show it
    QCOMPARE(ui.window().analysisName(), name);

    QWidget* shown = windows()[window].second(ui);
    QVERIFY(QTest::qWaitForWindowExposed(shown));
    QCOMPARE(shown->objectName(), QString::fromLatin1(windows()[window].first));
    shown->layout()->activate();

    // The smallest size the window lets itself be made, and the size it opens at unless the
    // screen is smaller, in device pixels.
    const qreal scale = shown->devicePixelRatioF();
    QCOMPARE(scale, qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble());
    const auto onScreen = [scale](QSize size) {
        return QSize(int(std::ceil(size.width() * scale)), int(std::ceil(size.height() * scale)));
    };
    const QSize needed = onScreen(QLayout::closestAcceptableSize(shown, QSize(1, 1)));
    const QSize asked = onScreen(shown->sizeHint());
    const QSize room = screenToFit() - QSize(kFrameWidth, kPanelAndTitleBar);
    qInfo("%s at scale %.2f needs %dx%d, asks %dx%d of %dx%d", qPrintable(shown->objectName()), scale, needed.width(),
          needed.height(), asked.width(), asked.height(), room.width(), room.height());
    QVERIFY2(needed.width() <= room.width() && needed.height() <= room.height(), "it needs more than the screen");

    // Opened at the size the screen allows (narrower than it asks, on the smallest screens), no
    // page scrolls sideways, and every button lies on the screen or on a page that scrolls to it.
    const QSize roomOnScreen(int(room.width() / scale), int(room.height() / scale));
    shown->resize(shown->sizeHint().boundedTo(roomOnScreen).expandedTo(shown->minimumSizeHint()));
    QCoreApplication::processEvents();
    for (const QScrollArea* page : shown->findChildren<QScrollArea*>())
        QVERIFY2(!page->horizontalScrollBar()->isVisible(), "a page scrolls sideways");
    for (const QAbstractButton* button : shown->findChildren<QAbstractButton*>()) {
        if (!button->isVisibleTo(shown) || onScrollingPage(button))
            continue;
        const QRect place(button->mapTo(shown, QPoint(0, 0)), button->size());
        QVERIFY2(QRect(QPoint(0, 0), roomOnScreen).contains(place),
                 qPrintable(button->objectName() + " is off the screen"));
    }
}

QTEST_MAIN(TestScreenFit)
#include "test_screen_fit.moc"
