#include "store/FileLimits.h"

#include "store/InputBoxes.h"
#include "textrules/DisplayPattern.h"

#include <QCoreApplication>

using namespace textrules;

namespace store {

namespace filelimits {
namespace {
struct FileLimitsTexts {
    Q_DECLARE_TR_FUNCTIONS(FileLimits)
};

qint64 linesOf(qint64 lines)
{
    return lines * kLongestLine;
}

qint64 linesOf(inputboxes::BoxFile file)
{
    return linesOf(inputboxes::lineCount(file));
}

QString grouped(qint64 count)
{
    return numbers::format(double(count), QStringLiteral("###,###,##0"));
}

QString bytesText(qint64 bytes)
{
    return grouped(bytes) + FileLimitsTexts::tr(" bytes");
}

} // namespace

qint64 bytesFor(const QString& fileName)
{
    if (fileName == filenames::kPlantFile)
        return linesOf(inputboxes::BoxFile::Plant);
    if (fileName == filenames::kNameFile || fileName == filenames::kEfficiencyOptionFile)
        return linesOf(1);
    if (fileName == filenames::kListFile || fileName == filenames::kTemporaryListFile || fileName.isEmpty())
        return kListFile;
    if (fileName == filenames::kPressFiguresFile)
        return kPressFiguresFile;
    if (fileName.endsWith(filenames::kJobExtension))
        return linesOf(kJobFileLines);
    // An equipment's files end in the digit that tells them apart (FileNames.h).
    switch (fileName.back().unicode()) {
    case u'2':
        return linesOf(inputboxes::BoxFile::Input2);
    case u'3':
        return linesOf(inputboxes::BoxFile::Input3);
    case u'4':
        return linesOf(inputboxes::BoxFile::Input4);
    case u'5':
        return kResultFileLines * kResultLine;
    case u'6':
        return linesOf(kPricingFileLines);
    default:
        return kListFile;
    }
}

QString damaged(const QString& fileName)
{
    return FileLimitsTexts::tr("The file %1 is damaged: it is larger than the %2 such a file can hold.")
        .arg(fileName, bytesText(bytesFor(fileName)));
}

QString tooLarge(const QString& fileName)
{
    return FileLimitsTexts::tr("The file %1 was not saved: it would be larger than the %2 such a file can hold.")
        .arg(fileName, bytesText(bytesFor(fileName)));
}

QString tooManyNames()
{
    return FileLimitsTexts::tr("The file %1 is damaged: it holds more than the %2 names a list can hold.")
        .arg(filenames::kListFile, grouped(kListNames));
}

QString listFull()
{
    return FileLimitsTexts::tr("The name was not added: the list %1 already holds the %2 names a list can hold.")
        .arg(filenames::kListFile, grouped(kListNames));
}

} // namespace filelimits

} // namespace store
