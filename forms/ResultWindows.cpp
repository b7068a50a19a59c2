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
        platform.messages().tell(QStringLiteral("The file %1 could not be read, so there are no results to show.")
                                     .arg(filenames::kNameFile));
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
