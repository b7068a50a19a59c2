#pragma once

#include "pricing/JobCost.h"

#include <QStringList>

namespace report {

// How a job costed on every center reads in its window and on the printed quote.
namespace jobcosttexts {

// What is wrong with a figure typed for the job; empty when it can be used. The text is quoted
// as typed, so the user sees what was read.
QString figureProblem(pricing::jobcost::Box box, const pricing::jobcost::Figure& figure, const QString& typed);

// "level 2 (80 %)", with the percentage when every center that can be costed has the same one.
QString levelName(const pricing::jobcost::Costing& costing, int level);

// Beside a center in the table: "cheapest", a state other than current, what keeps it from
// being costed ("missing: result file, speed"), a speed or set-up text not read as typed.
QString centerNote(const pricing::jobcost::Costing& costing, const pricing::jobcost::CenterCost& center, int level);

// Which center is cheapest at the level and what the job comes to there, and how many centers
// are not costed; or why none is.
QString verdict(const pricing::jobcost::Costing& costing, int level, const pricing::jobcost::Job& job, bool anyListed);

// The price list of a center at a level, in columns for a fixed-pitch face; empty when the
// center has no cost there.
QStringList priceListLines(const pricing::jobcost::CenterCost& center, int level, const pricing::jobcost::Job& job);

QString money(double value);
QString hours(double value);
QString pieces(double value);  // "12,000 pieces", "1 piece"
QString percent(double value); // "25 %", "12.5 %"
QString figure(double value);  // "5,000", "12.5": a typed figure, to two decimals at most

} // namespace jobcosttexts

} // namespace report
