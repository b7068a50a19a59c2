#include "store/EquipmentList.h"

#include "store/FileLimits.h"
#include "store/FileNames.h"
#include "textrules/SingleByteText.h"

#include <QCoreApplication>
#include <QSet>

using namespace textrules;

namespace store {

namespace equipmentlist {
namespace {
struct EquipmentListTexts {
    Q_DECLARE_TR_FUNCTIONS(EquipmentList)
};

// The file's lines, each with its line end (LF, or CR LF); a lone CR ends no line.
QList<QByteArray> linesOf(const QByteArray& bytes)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        end = end < 0 ? bytes.size() : end + 1;
        lines.append(bytes.mid(start, end - start));
        start = end;
    }
    return lines;
}

} // namespace

Loaded load(const DataFolder& folder)
{
    Loaded loaded;
    OpenedFile file = folder.read(filenames::kListFile);
    if (!file.readable())
        return loaded;
    while (loaded.names.size() <= filelimits::kListNames) {
        std::optional<QString> name = file.fields.next();
        if (!name)
            break;
        loaded.names.append(std::move(*name));
    }
    loaded.complete = file.ok();
    if (file.state == FileState::Damaged)
        loaded.damage = file.error;
    if (loaded.names.size() > filelimits::kListNames) {
        loaded.names.resize(filelimits::kListNames);
        loaded.complete = false;
        loaded.damage = filelimits::tooManyNames();
    }
    return loaded;
}

QStringList distinctNames(const QStringList& names)
{
    QStringList distinct;
    QSet<QString> seen;
    for (const QString& name : names) {
        if (name.isEmpty() || seen.contains(name))
            continue;
        seen.insert(name);
        distinct.append(name);
    }
    return distinct;
}

StoreResult addIfAbsent(const DataFolder& folder, const QString& name)
{
    const Loaded listed = load(folder);
    if (listed.names.contains(name, Qt::CaseSensitive))
        return {};
    if (!listed.damage.isEmpty())
        return {listed.damage + EquipmentListTexts::tr(" The name was not added to it.")};
    if (listed.names.size() >= filelimits::kListNames)
        return {filelimits::listFull()};
    return folder.append(filenames::kListFile, name);
}

Removal remove(const DataFolder& folder, const QString& name)
{
    Removal removal;
    const FileBytes list = folder.readBytes(filenames::kListFile);
    if (!list.ok()) {
        removal.result = {list.error};
        return removal;
    }
    QByteArray kept;
    for (const QByteArray& line : linesOf(list.bytes)) {
        QStringList values = FieldReader(singlebyte::decode(line)).rest();
        if (!values.contains(name)) {
            kept += line;
            continue;
        }
        removal.found = true;
        values.removeAll(name);
        // The other values of the line, if any, each on a line of its own; an entry with leading
        // blanks (only a list made by hand has one) keeps them on the way through.
        QByteArray rest;
        removal.result = encodeLines(values, filenames::kTemporaryListFile, rest, fieldtext::LeadingBlanks::Keep);
        if (!removal.result.ok())
            return removal;
        kept += rest;
    }
    removal.result = folder.replaceBytes(filenames::kTemporaryListFile, kept);
    if (removal.result.ok() && removal.found)
        removal.result = folder.renameOver(filenames::kTemporaryListFile, filenames::kListFile);
    return removal;
}

} // namespace equipmentlist

} // namespace store
