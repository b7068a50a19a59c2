#include "store/SharedFiles.h"

#include "store/EquipmentList.h"
#include "store/FileNames.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace store {

namespace sharedfiles {
namespace {
struct SharedFilesTexts {
    Q_DECLARE_TR_FUNCTIONS(SharedFiles)
};
} // namespace

bool shareFiles(const QString& name, const QString& other)
{
    return filenames::stem(name) == filenames::stem(other) ||
           filenames::resultFile(name) == filenames::resultFile(other);
}

QStringList namesSharingFiles(const QStringList& listed, const QString& name)
{
    QStringList sharing;
    for (const QString& other : listed)
        if (other != name && !sharing.contains(other) && shareFiles(name, other))
            sharing.append(other);
    return sharing;
}

QStringList namesSharingFiles(const DataFolder& folder, const QString& name)
{
    return namesSharingFiles(equipmentlist::load(folder).names, name);
}

QStringList filesOf(const QString& name)
{
    return {filenames::inputFile(name, 2), filenames::inputFile(name, 3), filenames::inputFile(name, 4),
            filenames::resultFile(name), filenames::pricingFile(name)};
}

QStringList filesPresent(const DataFolder& folder, const QString& name)
{
    QStringList present;
    for (const QString& file : filesOf(name)) {
        const QFileInfo info(folder.filePath(file));
        if (info.exists() || info.isSymLink())
            present.append(file);
    }
    return present;
}

QString filesPresentSentence(const QString& name, const QStringList& present)
{
    return SharedFilesTexts::tr("The files %1 of \"%2\" are already in the data folder, left by an equipment taken off "
                                "the list or by one whose name begins with the same seven characters.")
        .arg(present.join(QStringLiteral(", ")), name);
}

QHash<QString, QStringList> namesByResultFile(const QStringList& names)
{
    QHash<QString, QStringList> groups;
    for (const QString& name : names) {
        QStringList& group = groups[filenames::resultFile(name)];
        if (!group.contains(name))
            group.append(name);
    }
    return groups;
}

} // namespace sharedfiles

} // namespace store
