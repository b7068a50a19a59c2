#include "app/ProgramLibrary.h"
#include "forms/ApplicationSetUp.h"
#include "forms/frmSplash.h"
#include "platform/ProgramFacts.h"

#include <QApplication>
#include <QDate>
#include <QMessageBox>

#include <csignal>

using namespace platform;
using namespace forms;

namespace {

// The splash comes first, with nothing loaded but Qt Widgets; the windows' library is loaded
// once it is painted, or at once when it hands over sooner.
class ProgramLaunch {
public:
    explicit ProgramLaunch(FrmSplash& splash)
    {
        QObject::connect(
            &splash, &FrmSplash::firstPainted, &splash, [this] { splashPainted(); }, Qt::QueuedConnection);
        QObject::connect(&splash, &FrmSplash::handedOver, &splash, [this] { handedOver(); });
    }

private:
    void splashPainted()
    {
        if (loaded())
            m_program->splashPainted();
    }
    void handedOver()
    {
        if (loaded())
            m_program->openMainWindow();
    }
    bool loaded()
    {
        if (m_program || m_failed)
            return !m_failed;
        QString error;
        m_program = loadProgram(error);
        m_failed = !m_program;
        if (m_failed) {
            QMessageBox::critical(nullptr, program::shownTitle(),
                                  QCoreApplication::translate(
                                      "main", "The program's windows cannot be loaded: %1\nInstall the program again.")
                                      .arg(error));
            QCoreApplication::exit(1);
        }
        return !m_failed;
    }

    std::unique_ptr<ProgramModule> m_program;
    bool m_failed = false;
};

} // namespace

int main(int argc, char* argv[])
{
    // A save past the user's file-size limit then fails and is told, rather than ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    setUpApplication();
    auto* splash = new FrmSplash(QDate::currentDate().year());
    splash->setAttribute(Qt::WA_DeleteOnClose);
    ProgramLaunch launch(*splash);
    splash->show();
    return QApplication::exec();
}
