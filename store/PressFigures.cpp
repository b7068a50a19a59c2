#include "store/PressFigures.h"

#include "store/FileNames.h"

namespace store {

namespace pressfigures {

Loaded load(const DataFolder& folder)
{
    Loaded loaded;
    OpenedFile file = folder.read(filenames::kPressFiguresFile);
    if (!file.ok() && file.state != FileState::Missing)
        loaded.error = file.error;
    if (!file.readable())
        return loaded;
    // A last center cut short by hand goes unread; a save writes every center whole.
    for (;;) {
        const std::optional<QString> name = file.fields.next();
        const std::optional<QString> speed = file.fields.next();
        const std::optional<QString> minutes = file.fields.next();
        if (!minutes)
            return loaded;
        loaded.figures.insert(*name, {*speed, *minutes});
    }
}

StoreResult remember(const DataFolder& folder, const QString& center, const Typed& typed)
{
    Loaded kept = load(folder);
    if (!kept.ok())
        return {kept.error};
    if (typed.isEmpty())
        kept.figures.remove(center);
    else
        kept.figures.insert(center, typed);
    QStringList lines;
    lines.reserve(3 * kept.figures.size());
    for (auto it = kept.figures.cbegin(); it != kept.figures.cend(); ++it)
        lines << it.key() << it->speed << it->setUpMinutes;
    return folder.replace(filenames::kPressFiguresFile, lines, fieldtext::LeadingBlanks::Keep);
}

} // namespace pressfigures

} // namespace store
