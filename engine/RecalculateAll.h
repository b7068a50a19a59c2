#pragma once

#include "engine/RateChange.h"
#include "engine/ResultRecord.h"
#include "store/DataFolder.h"

#include <QList>
#include <QString>

#include <functional>
#include <optional>

namespace engine {

// Recalculate all: every listed equipment with its three input files, worked out afresh from
// those files and today's plant file by the same cost formulas as Calculate BHR. The plan is
// worked out first, without writing anything, so that the user can see old and new rates
// before anything is saved.
namespace recalculation {

struct PlannedCenter {
    QString name;
    std::optional<ResultRecord> oldRecord; // the saved results, when there were any to read
    ResultRecord newRecord;
    std::optional<ratechange::Explanation> explanation; // with the saved results: why rate (B) moves
};

struct Refusal {
    QString name;
    QString reason; // a sentence for the user: which file is missing or unreadable, or why the formulas stopped
};

struct [[nodiscard]] Plan {
    QList<PlannedCenter> centers; // in list order, one per result file (names sharing files appear once)
    QList<Refusal> refused;
    QString plantProblem; // non-empty when the plant file cannot be read: then nothing is planned
};

Plan plan(const store::DataFolder& folder);

struct SaveFailure {
    QString name;
    QString error; // the store's sentence, naming the file
};

struct [[nodiscard]] SaveOutcome {
    int saved = 0;
    QList<SaveFailure> failures;
    bool cancelled = false;
};

// Saves the planned result files together, each atomically (see DataFolder::replaceTogether):
// at every moment each is its old or its new self, and none is counted saved before all of them
// are on the disk. Before each file `proceed(done, total)` is asked; false stops there, and then
// every file keeps what it held. A file that fails keeps its old content and is listed; the others
// are still saved. Nothing but result files is written.
SaveOutcome save(const store::DataFolder& folder, const Plan& plan,
                 const std::function<bool(int done, int total)>& proceed = {});

} // namespace recalculation

} // namespace engine
