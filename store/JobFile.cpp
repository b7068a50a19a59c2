#include "store/JobFile.h"

#include "store/FieldText.h"
#include "store/FileNames.h"

#include <QCollator>
#include <QDir>

#include <QCoreApplication>
#include <algorithm>

namespace store {

namespace jobfile {
namespace {
struct JobFileTexts {
    Q_DECLARE_TR_FUNCTIONS(JobFile)
};

const QString kQuoteCode = QStringLiteral("%22");
const QString kPercentCode = QStringLiteral("%25");

// The description's line holds no double quote, so the field rule gives it back whole with
// any commas it holds.
QString encoded(const QString& description)
{
    QString line;
    line.reserve(description.size());
    for (const QChar c : description)
        line += c == u'"' ? kQuoteCode : c == u'%' ? kPercentCode : QString(c);
    return line;
}

QString decoded(const QString& line)
{
    QString description;
    description.reserve(line.size());
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QStringView rest = QStringView(line).mid(i);
        if (rest.startsWith(kQuoteCode) || rest.startsWith(kPercentCode)) {
            description += rest.startsWith(kQuoteCode) ? u'"' : u'%';
            i += kQuoteCode.size() - 1;
        } else {
            description += line[i];
        }
    }
    return description;
}

int levelOf(const QString& digit)
{
    bool read = false;
    const int level = digit.trimmed().toInt(&read);
    return read && level >= 1 && level <= 4 ? level : 1;
}

} // namespace

QString textProblem(const QString& description)
{
    return fieldtext::problem(encoded(description));
}

StoreResult save(const DataFolder& folder, const SavedJob& job)
{
    const QString fileName = filenames::jobFile(job.description);
    if (fileName.isEmpty())
        return {JobFileTexts::tr("The job cannot be saved: its description needs a letter or a digit to name its "
                                 "file.")};
    return folder.replace(fileName,
                          {encoded(job.description), job.quantity, job.markUp, QString::number(job.level), job.center},
                          fieldtext::LeadingBlanks::Keep);
}

LoadedJob load(const DataFolder& folder, const QString& fileName)
{
    LoadedJob loaded;
    OpenedFile file = folder.read(fileName);
    if (!file.ok()) {
        loaded.error = file.error;
        return loaded;
    }
    QStringList values;
    while (values.size() < kLines) {
        const std::optional<QString> value = file.fields.next();
        if (!value) {
            loaded.error = JobFileTexts::tr("The job file %1 is cut short.").arg(fileName);
            return loaded;
        }
        values.append(*value);
    }
    loaded.job = {decoded(values[0]), values[1], values[2], levelOf(values[3]), values[4]};
    return loaded;
}

QList<Listed> listSaved(const DataFolder& folder)
{
    QList<Listed> jobs;
    const QStringList files =
        QDir(folder.path()).entryList({QStringLiteral("*") + filenames::kJobExtension}, QDir::Files);
    for (const QString& fileName : files) {
        OpenedFile file = folder.read(fileName);
        const std::optional<QString> first = file.ok() ? file.fields.next() : std::nullopt;
        jobs.append({fileName, first ? decoded(*first) : fileName.chopped(filenames::kJobExtension.size())});
    }
    QCollator byDescription;
    byDescription.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(jobs.begin(), jobs.end(), [&byDescription](const Listed& a, const Listed& b) {
        return byDescription.compare(a.description, b.description) < 0;
    });
    return jobs;
}

} // namespace jobfile

} // namespace store
