#include "ApplicationSetUp.h"
#include "Platform.h"
#include "ProgramStart.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    setUpApplication();
    DesktopPlatform platform;
    ProgramStart start(platform);
    return QApplication::exec();
}
