#include "forms/ResultWindows.h"

#include "engine/ResultFile.h"
#include "forms/DataChanges.h"
#include "forms/ElidedLabel.h"
#include "forms/LowerLayers.h"
#include "forms/MainWindowLink.h"
#include "platform/Platform.h"
#include "store/EquipmentList.h"
#include "store/FileNames.h"
#include "store/HandOverFiles.h"

#include <QCoreApplication>

using namespace forms::lowerlayers;

namespace forms {

namespace {

// The texts this file shows, under one context for the translator.
struct ResultWindowsTexts {
    Q_DECLARE_TR_FUNCTIONS(ResultWindows)
};

} // namespace

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
                                  : ResultWindowsTexts::tr("The file %1 could not be read.").arg(filenames::kNameFile);
        platform.messages().tell(cause.chopped(1) + ResultWindowsTexts::tr(", so there are no results to show."));
        return current;
    }
    current.record = readCenter(platform, *current.name).record;
    return current;
}

CurrentResults readCenter(Platform& platform, const QString& name)
{
    CurrentResults current{name, std::nullopt};
    LoadedRecord loaded = loadResultFile(platform.folder(), name);
    if (!loaded.ok()) {
        platform.messages().tell(loaded.error);
        return current;
    }
    current.record = loaded.record;
    return current;
}

QLabel* goneNote(QWidget* parent)
{
    auto* note = new QLabel(parent);
    note->setObjectName(QStringLiteral("lblCenterGone"));
    note->setWordWrap(true);
    note->setAlignment(Qt::AlignCenter);
    note->hide();
    return note;
}

void follow(QWidget* window, Platform& platform, MainWindowLink& mainWindow, std::function<QString()> center,
            QLabel* goneNote, std::function<void()> readAgain)
{
    const auto followChange = [&platform, center = std::move(center), goneNote,
                               readAgain = std::move(readAgain)](const DataChange& change) {
        const QString name = center();
        if (name.isEmpty())
            return;
        if (readAgain && change.touches(DataChange::File::Results) && change.centers.contains(name))
            readAgain();
        const bool listed = equipmentlist::load(platform.folder()).names.contains(name);
        goneNote->setText(ResultWindowsTexts::tr("\"%1\" has been taken off the equipment list.").arg(name));
        goneNote->setVisible(!listed);
    };
    QObject::connect(&mainWindow.dataChanges(), &DataChanges::changed, window, followChange);
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
        heading->setText(ResultWindowsTexts::tr("Budgeted Hourly Cost Analysis For ") + *name);
    else
        heading->clear();
}

} // namespace resultwindows

} // namespace forms
