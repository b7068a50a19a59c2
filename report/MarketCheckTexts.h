#pragma once

#include "pricing/CenterAnalysis.h"
#include "pricing/MarketCheck.h"

#include <QStringList>

namespace report {

// How the market check reads in its window and on paper.
namespace marketchecktexts {

QString heading(const QString& name);
// The market's price split into its run and set-up parts, with what a 1,000-piece job comes to,
// and the speed and set-up time it implies; empty when the analysis could not work it out.
QString marketLine(const pricing::CenterAnalysis& analysis);
// The press's figures and the job, as the check reads them.
QString pressLine(const pricing::marketcheck::MarketCheck& check);
// What is wrong with the typed speed, set-up time and job; empty when all three can be used.
QString ownFigureSentence(const pricing::marketcheck::OwnFigure& speed,
                          const pricing::marketcheck::OwnFigure& setUpMinutes,
                          const pricing::marketcheck::OwnFigure& job);
// What the check lacks; empty when it has all. Names the equipment, never a file.
QString gapSentence(const pricing::marketcheck::MarketCheck& check, const QString& name);
// The answer for the job, a line: the levels at which the press is cheaper and the efficiency it
// needs; then a line per level: the quantities at which it is cheaper.
QStringList verdict(const pricing::marketcheck::MarketCheck& check);
// Where a level's press is cheaper: "cheaper above 652 pieces", "cheaper below 1,438 pieces",
// "cheaper at every quantity" or "never cheaper". Above and below name the last whole quantity
// that is not cheaper and the first that is not cheaper.
QString cheaperWhere(const pricing::marketcheck::Crossing& crossing);
// The figures for the job, the rate that meets every job and, with rates, a line per level;
// in columns for a fixed-pitch face.
QStringList figureLines(const pricing::marketcheck::MarketCheck& check);

QString percent(double value);  // "100 %", "72.5 %"
QString quantity(double value); // "3,162 pieces", "1 piece"

// The pictures' captions, axis titles and the name of the typical job's mark, shown through
// QCoreApplication::translate("MarketCheckTexts", ...).
inline constexpr const char* kPriceCaption = QT_TRANSLATE_NOOP("MarketCheckTexts", "Price by quantity");
inline constexpr const char* kBreakEvenCaption =
    QT_TRANSLATE_NOOP("MarketCheckTexts", "Break-even efficiency by job size");
inline constexpr const char* kQuantityAxisTitle = QT_TRANSLATE_NOOP("MarketCheckTexts", "Quantity (pieces)");
inline constexpr const char* kPriceAxisTitle = QT_TRANSLATE_NOOP("MarketCheckTexts", "Price of the job ($)");
inline constexpr const char* kEfficiencyAxisTitle = QT_TRANSLATE_NOOP("MarketCheckTexts", "Efficiency needed (%)");
inline constexpr const char* kJobMark = QT_TRANSLATE_NOOP("MarketCheckTexts", "Typical job");

} // namespace marketchecktexts

} // namespace report
