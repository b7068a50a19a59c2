#pragma once

#include "CenterAnalysis.h"
#include "MarketCheck.h"
#include "PrintJob.h"

#include <QStringList>

// How the market check reads in its window and on paper.
namespace marketchecktexts {

QString heading(const QString& name);
// What the market's prices imply, as the analysis worked them out.
QString analysisLine(const CenterAnalysis& analysis);
// What is wrong with the typed speed and set-up time; empty when both can be used.
QString ownFigureSentence(const marketcheck::OwnFigure& speed, const marketcheck::OwnFigure& setUpMinutes);
// What the check lacks, naming the equipment whose results are missing; empty when it has all.
QString gapSentence(const marketcheck::MarketCheck& check, const QString& name);
// The answer in one sentence: the efficiency from which the press meets the market's price.
QString verdict(const marketcheck::MarketCheck& check);
// The figures: the market-supported hourly costs, each level's rate (B) with its margin and
// cross-over quantity, and the break-even efficiency; in columns for a fixed-pitch face.
QStringList figureLines(const marketcheck::MarketCheck& check);

// The axis titles of the price-by-quantity picture.
QString quantityAxisTitle();
QString priceAxisTitle();

} // namespace marketchecktexts

// The printed page's text: heading, the analysis's prices, the press's own figures, the figures
// and the sentence. The caller adds the picture and ends the document.
PrintJob marketCheckReport(const QString& name, const CenterAnalysis& analysis, const marketcheck::MarketCheck& check);
