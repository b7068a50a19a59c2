#pragma once

#include "engine/ResultRecord.h"
#include "store/DataFolder.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace engine {

// Every listed equipment at once: its saved results and whether they still follow from today's
// plant file. Read from the list file, the plant file, and each name's input and result files.
namespace plantoverview {

enum class CenterState {
    Current,       // the result file follows from today's plant file and the equipment's inputs
    Stale,         // inputs held in the result file differ from today's plant file or the center's input files
    NotCalculated, // no result file
    SharesFiles,   // another listed name uses the same files
    Unreadable,    // the result file (or a file needed to judge it) could not be read
    Unknown,       // saved results, but the plant file cannot be read to tell whether they are current
};

struct CenterRow {
    QString name;
    CenterState state = CenterState::NotCalculated;
    QStringList changedInputs;          // Stale: the prompts of the inputs that changed, plant-wide ones first
    QStringList sharingWith;            // SharesFiles: the other listed names, in list order
    QString problem;                    // Unreadable, Unknown: a sentence naming the file and the reason
    std::optional<ResultRecord> record; // the saved results, whenever the result file was read whole
};

struct [[nodiscard]] Overview {
    QList<CenterRow> centers; // one per name of the list file, in list order, each name once
    bool listRead = false;    // false when the list file is missing or unreadable
    QString listProblem;      // why only the names of the list file's first part are shown
    QString plantProblem;     // why the plant file could not be read; then no row is Stale or Current
};

Overview read(const store::DataFolder& folder);

// The parts that make up a center's total annual cost, for the plant picture: the four that the
// budget window totals, then the general factory expense and the selling overhead.
struct CostSplit {
    double fixed = 0;
    double wages = 0;
    double power = 0;
    double variable = 0;
    double generalFactory = 0;
    double selling = 0;
    double total() const { return fixed + wages + power + variable + generalFactory + selling; }
    bool operator==(const CostSplit&) const = default;
};
CostSplit costSplit(const ResultRecord& record);

// A short sentence for the state column: "current", "stale: <inputs>", "not calculated",
// "shares files with <names>", "unreadable: <problem>", "plant figures unreadable: <problem>".
QString stateText(const CenterRow& row);

} // namespace plantoverview

} // namespace engine
