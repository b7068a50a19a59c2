#include "forms/ApplicationSetUp.h"

#include "forms/LowerLayers.h"
#include "platform/ProgramFacts.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

using namespace forms::lowerlayers;

namespace forms {

namespace {

// The program's texts in the user's language, where a translation for it is installed beside the
// program or in its shared folder; then Qt's own dialog texts follow the same language.
void installTranslation()
{
    const QDir programFolder(QCoreApplication::applicationDirPath());
    for (const QString& place : {QStringLiteral("translations"), QStringLiteral("../share/hourlyrates/translations")}) {
        auto* own = new QTranslator(qApp);
        if (!own->load(QLocale(), QStringLiteral("hourlyrates"), QStringLiteral("_"), programFolder.filePath(place))) {
            delete own;
            continue;
        }
        QCoreApplication::installTranslator(own);
        auto* qt = new QTranslator(qApp);
        if (qt->load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qt);
        else
            delete qt;
        return;
    }
}

} // namespace

void setUpApplication()
{
    QApplication::setApplicationName(program::kTitle);
    // These name the user's data folder, so they must stay the same from release to release.
    QApplication::setOrganizationName(QStringLiteral("Solvarra"));
    QApplication::setOrganizationDomain(QStringLiteral("solvarra.com"));
    QGuiApplication::setDesktopFileName(QStringLiteral("com.solvarra.hourlyrates"));
    // Reports and tables are laid out for Courier New; where it is absent its metric twin serves.
    QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
    installTranslation();
}

} // namespace forms
