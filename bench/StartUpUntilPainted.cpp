// The program's own start, from main to the splash on the screen, ending there: the start-up
// benchmark runs it as a process of its own and counts the processor time it took.
#include "ApplicationSetUp.h"
#include "PagePictures.h"
#include "Platform.h"
#include "ProgramStart.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    setUpApplication();
    DesktopPlatform platform(drawPagePicture);
    ProgramStart start(platform);
    if (start.splash()->isPainted())
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    else
        QObject::connect(start.splash(), &FrmSplash::firstPainted, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    return QApplication::exec();
}
