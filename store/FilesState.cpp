#include "store/FilesState.h"

#include <QDataStream>
#include <QDateTime>
#include <QFileInfo>

namespace store {

QByteArray filesState(const DataFolder& folder, const QStringList& fileNames)
{
    QByteArray state;
    QDataStream out(&state, QIODevice::WriteOnly);
    for (const QString& name : fileNames) {
        const QFileInfo file(folder.filePath(name));
        out << name << file.exists() << file.size()
            << file.fileTime(QFileDevice::FileModificationTime).toMSecsSinceEpoch();
    }
    return state;
}

} // namespace store
