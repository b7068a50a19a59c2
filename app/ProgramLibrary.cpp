#include "app/ProgramLibrary.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>

namespace {

constexpr char kLibraryName[] = "libhourlyrates-windows.so";

QString libraryPath()
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    const QString besideProgram = programFolder + QLatin1Char('/') + QLatin1String(kLibraryName);
    if (QFileInfo::exists(besideProgram))
        return besideProgram;
    return programFolder + QStringLiteral("/../" WINDOWS_LIBRARY_FOLDER "/") + QLatin1String(kLibraryName);
}

} // namespace

std::unique_ptr<ProgramModule> loadProgram(QString& error)
{
    // Never unloaded: the windows' code runs until the program ends.
    QLibrary library(libraryPath());
    const auto make = reinterpret_cast<MakeProgram>(library.resolve(kMakeProgramSymbol));
    if (!make) {
        error = library.errorString();
        return nullptr;
    }
    return std::unique_ptr<ProgramModule>(make());
}
