#pragma once

#include "engine/RateChange.h"
#include "engine/StaleCenters.h"
#include "report/PagePicture.h"
#include "report/PrintJob.h"
#include "report/TextTable.h"

#include <QList>
#include <QString>

#include <optional>

namespace report {

// How a change in rate (B) reads, split over the inputs that made it: as a sentence
// ("+$0.11: power price +$0.09, rent +$0.02"), as a table of the stale centers, as the steps of
// a waterfall picture, and on a printed page. Every figure is in whole cents, and the parts'
// cents add up to the whole change's.
namespace ratechangetexts {

// "level 1 (100%)": the level with the efficiency the record holds for it.
QString levelName(const engine::ResultRecord& record, int level);

struct ShownPart {
    QString name; // the input's short name, or "own figures"
    qint64 cents = 0;
};
// The parts, largest first.
QList<ShownPart> shownParts(const engine::ratechange::LevelChange& change);

// "power price +$0.09, rent +$0.02"; empty without parts.
QString partsText(const engine::ratechange::LevelChange& change);
// "+$0.11: power price +$0.09, rent +$0.02"; "no change" where nothing moved.
QString sentence(const engine::ratechange::LevelChange& change);
// How the parts were found, in a sentence.
QString methodLine(const engine::ratechange::Explanation& explanation);

using Step = pagepicture::Step;
QList<Step> waterfall(const engine::ratechange::LevelChange& change);
// The center's waterfall at the level, under "<name>: <sentence>"; nothing where its change
// there cannot be split.
std::optional<pagepicture::RateSteps> picture(const engine::stalecenters::Explained& center, int level);

// A row per stale center at the level: the saved and today's rate (B), the change, what it is
// made of (or why it cannot be split).
TextTable table(const QList<engine::stalecenters::Explained>& centers, int level);

// The page: heading, the table and the method, then the waterfall of the chosen center.
PrintJob printed(const QList<engine::stalecenters::Explained>& centers, int level, int year, const QString& chosen);

} // namespace ratechangetexts

} // namespace report
