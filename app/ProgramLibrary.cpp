#include "app/ProgramLibrary.h"

#include <QCoreApplication>
#include <QDir>
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
    return QDir::cleanPath(programFolder + QStringLiteral("/../" WINDOWS_LIBRARY_FOLDER "/") +
                           QLatin1String(kLibraryName));
}

} // namespace

std::unique_ptr<ProgramModule> loadProgram(QString& error)
{
    // Never unloaded: the windows' code runs until the program ends.
    const QString path = libraryPath();
    if (!QFileInfo::exists(path)) {
        error = QCoreApplication::translate("ProgramLibrary", "%1 is missing.").arg(QDir::toNativeSeparators(path));
        return nullptr;
    }
    QLibrary library(path);
    const auto make = reinterpret_cast<MakeProgram>(library.resolve(kMakeProgramSymbol));
    if (!make) {
        error = library.errorString();
        return nullptr;
    }
    return std::unique_ptr<ProgramModule>(make());
}
