#pragma once

#include "engine/ResultRecord.h"
#include "store/InputTexts.h"

#include <QList>

#include <array>
#include <optional>

namespace engine {

// Why a rate moved: the change in rate (B) between two sets of box texts, split over the inputs
// whose texts differ. Each input's part is its Shapley value: the change it makes when it takes
// its new text, averaged over every order in which the changed inputs could take theirs. So the
// parts add up to the whole change, an input that did not change gets no part, and no input's
// part depends on the order of the boxes. Above 12 changed inputs, which would take more than
// 4,096 calculations, the inputs take their new texts one at a time in the order of the tabs.
namespace ratechange {

inline constexpr int kMostAveraged = 12;

enum class Method { Averaged, InTabOrder };

struct Part {
    std::optional<store::InputBox> box; // nothing: the center's own figures, changed since its rates were saved
    double amount = 0;
};

struct LevelChange {
    double before = 0;
    double after = 0;
    QList<Part> parts; // in the order of the tabs, the center's own figures last; they add up to the whole
    double whole() const { return after - before; }
};

struct [[nodiscard]] Explanation {
    Method method = Method::Averaged;
    QList<store::InputBox> changed; // in the order of the tabs
    // By level 1 to 4; nothing where either side has no rate (B) at that level, or the formulas
    // stop for some mix of old and new texts.
    std::array<std::optional<LevelChange>, ResultRecord::kLevels> levels;

    const std::optional<LevelChange>& at(int level) const { return levels.at(static_cast<std::size_t>(level - 1)); }
};

// The change from the texts before to the texts after.
Explanation explain(const store::InputTexts& before, const store::InputTexts& after);

// A center's saved rates against today's plant file: the plant-wide figures that changed since
// are set back to those its result file holds, and the saved rates are the ones before. Where
// those figures give a rate that differs from the saved one by half a cent or more, the center's
// own figures changed since it was saved, and that difference is a part of its own.
Explanation explainSaved(const store::InputTexts& today, const ResultRecord& saved);

// The parts in whole cents, adding up to the whole change in cents: each part rounded down, and
// the cents still missing given to the parts that lost most by it.
QList<qint64> partsInCents(const LevelChange& change);
qint64 cents(double amount);

} // namespace ratechange

} // namespace engine
