#include "forms/ApplicationSetUp.h"

#include "forms/LowerLayers.h"
#include "platform/ProgramFacts.h"

#include <QApplication>
#include <QFont>

using namespace forms::lowerlayers;

namespace forms {

void setUpApplication()
{
    QApplication::setApplicationName(program::kTitle);
    // These name the user's data folder, so they must stay the same from release to release.
    QApplication::setOrganizationName(QStringLiteral("Solvarra"));
    QApplication::setOrganizationDomain(QStringLiteral("solvarra.com"));
    QGuiApplication::setDesktopFileName(QStringLiteral("com.solvarra.hourlyrates"));
    // Reports and tables are laid out for Courier New; where it is absent its metric twin serves.
    QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
}

} // namespace forms
