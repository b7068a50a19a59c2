#include "ResultWindows.h"

#include "ElidedLabel.h"
#include "FileNames.h"
#include "HandOverFiles.h"
#include "Platform.h"
#include "ResultFile.h"

namespace resultwindows {

CurrentResults read(Platform& platform)
{
    CurrentResults current;
    current.name = handover::readName(platform.folder());
    if (!current.name) {
        // A damaged name file is named with its size limit; otherwise the file's name says enough.
        const OpenedFile nameFile = platform.folder().read(filenames::kNameFile);
        const QString cause = nameFile.state == FileState::Damaged
                                  ? nameFile.error
                                  : QStringLiteral("The file %1 could not be read.").arg(filenames::kNameFile);
        platform.messages().tell(cause.chopped(1) + QStringLiteral(", so there are no results to show."));
        return current;
    }
    LoadedRecord loaded = loadResultFile(platform.folder(), *current.name);
    if (!loaded.ok()) {
        platform.messages().tell(loaded.error);
        return current;
    }
    current.record = loaded.record;
    return current;
}

QLabel* heading(QWidget* parent)
{
    auto* label = new ElidedLabel(parent); // a long equipment name never widens the window
    label->setObjectName(QStringLiteral("lblHead1"));
    label->setAlignment(Qt::AlignCenter);
    QFont font(QStringLiteral("Times New Roman"), 14, QFont::Bold);
    font.setStyleHint(QFont::Serif);
    label->setFont(font);
    return label;
}

void showName(QLabel* heading, const std::optional<QString>& name)
{
    if (name)
        heading->setText(QStringLiteral("Budgeted Hourly Cost Analysis For ") + *name);
    else
        heading->clear();
}

} // namespace resultwindows
