// The program's own start, from main to the splash on the screen, ending there: the start-up
// benchmark runs it as a process of its own and counts the processor time it took. It takes the
// program's steps up to the splash (app/main.cpp) and links what the program links, so the
// windows' library, loaded only after the first paint, is not part of it.
#include "forms/ApplicationSetUp.h"
#include "forms/frmSplash.h"

#include <QApplication>
#include <QDate>
#include <QTimer>

using namespace forms;

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    setUpApplication();
    auto* splash = new FrmSplash(QDate::currentDate().year());
    splash->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(splash, &FrmSplash::firstPainted, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    splash->show();
    return QApplication::exec();
}
