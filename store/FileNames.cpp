#include "FileNames.h"

namespace filenames {

QString stem(const QString& equipmentName) { return equipmentName.left(7); }

QString resultStem(const QString& equipmentName)
{
    QString text = stem(equipmentName) + u'5';
    return text.replace(u' ', u'_');
}

QString inputFile(const QString& equipmentName, int digit) { return stem(equipmentName) + QString::number(digit); }

QString pricingFile(const QString& equipmentName) { return inputFile(equipmentName, 6); }

QString resultFile(const QString& equipmentName) { return resultStem(equipmentName) + u'5'; }

QString nameProblem(const QString& equipmentName)
{
    const QString part = stem(equipmentName);
    for (QChar c : part) {
        if (c == u'/' || c == u'\\' || c == QChar(0)) {
            const QString shown = c == QChar(0) ? QStringLiteral("an empty character") : QString(c);
            return QStringLiteral("The equipment name \"%1\" cannot be used: its first seven characters "
                                  "name its files, and they may not contain %2.")
                .arg(equipmentName, shown);
        }
    }
    return QString();
}

} // namespace filenames
