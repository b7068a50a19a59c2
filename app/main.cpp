#include "ApplicationSetUp.h"
#include "PagePictures.h"
#include "Platform.h"
#include "ProgramStart.h"

#include <QApplication>

#include <csignal>

int main(int argc, char* argv[])
{
    // A save past the user's file-size limit then fails and is told, rather than ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    setUpApplication();
    DesktopPlatform platform(drawPagePicture);
    ProgramStart start(platform);
    return QApplication::exec();
}
