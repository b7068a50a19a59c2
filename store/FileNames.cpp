#include "store/FileNames.h"

#include "store/FieldText.h"

#include <QCoreApplication>
#include <algorithm>
#include <iterator>

namespace store {

namespace filenames {

QString stem(const QString& equipmentName)
{
    return equipmentName.left(7);
}

QString resultStem(const QString& equipmentName)
{
    QString text = stem(equipmentName) + u'5';
    return text.replace(u' ', u'_');
}

QString inputFile(const QString& equipmentName, int digit)
{
    return stem(equipmentName) + QString::number(digit);
}

QString pricingFile(const QString& equipmentName)
{
    return inputFile(equipmentName, 6);
}

QString resultFile(const QString& equipmentName)
{
    return resultStem(equipmentName) + u'5';
}

// Only plain characters, so that the name means the same on every file system and never takes
// the shape of a temporary copy.
QString jobFile(const QString& description)
{
    QString stem;
    for (const QChar c : description) {
        const bool plain = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
        if (plain)
            stem.append(c);
        else if (!stem.isEmpty() && !stem.endsWith(u' '))
            stem.append(u' ');
    }
    stem = stem.left(kLongestJobStem).trimmed();
    return stem.isEmpty() ? QString() : stem + kJobExtension;
}

bool couldBeDataFile(const QString& fileName)
{
    static const QString kFixed[] = {kPlantFile,       kListFile, kTemporaryListFile, kNameFile, kEfficiencyOptionFile,
                                     kPressFiguresFile};
    if (std::find(std::begin(kFixed), std::end(kFixed), fileName) != std::end(kFixed) ||
        fileName.endsWith(kJobExtension))
        return true;
    const qsizetype stemLength = fileName.size() - 1;
    const bool inputOrPricing = stemLength >= 1 && stemLength <= 7 && QStringLiteral("2346").contains(fileName.back());
    // A result file: the stem and 5 with every blank turned into "_", then 5 again.
    const bool result =
        stemLength >= 2 && stemLength <= 8 && fileName.endsWith(QStringLiteral("55")) && !fileName.contains(u' ');
    return inputOrPricing || result;
}

namespace {
struct FileNamesTexts {
    Q_DECLARE_TR_FUNCTIONS(FileNames)
};

QString refusal(const QString& equipmentName, const QString& reason)
{
    return FileNamesTexts::tr("The equipment name \"%1\" cannot be used: %2.")
        .arg(fieldtext::excerpt(equipmentName), reason);
}

QString stemProblem(const QString& equipmentName)
{
    for (QChar c : stem(equipmentName)) {
        if (c == u'/' || c == u'\\' || c == QChar(0)) {
            const QString shown = c == QChar(0) ? FileNamesTexts::tr("an empty character") : QString(c);
            return FileNamesTexts::tr("its first seven characters name its files, and they may not contain %1")
                .arg(shown);
        }
    }
    return QString();
}

} // namespace

QString nameProblem(const QString& equipmentName)
{
    if (const QString problem = stemProblem(equipmentName); !problem.isEmpty())
        return refusal(equipmentName, problem);
    if (equipmentName.trimmed().isEmpty())
        return refusal(equipmentName, FileNamesTexts::tr("a name of blanks only names no equipment"));
    // The list file skips blanks before a value, so such a name would come back as another one.
    if (equipmentName.front().isSpace())
        return refusal(equipmentName, FileNamesTexts::tr("a name may not begin with a blank"));
    if (equipmentName.size() > kLongestName)
        return refusal(equipmentName, FileNamesTexts::tr("a name may hold at most %1 characters").arg(kLongestName));
    if (const QString problem = fieldtext::problem(equipmentName); !problem.isEmpty())
        return refusal(equipmentName, problem);
    return QString();
}

} // namespace filenames

} // namespace store
