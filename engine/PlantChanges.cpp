#include "PlantChanges.h"

#include "BudgetInputs.h"
#include "NumberReading.h"
#include "NumberText.h"

namespace plantchanges {
namespace {

// The result file holds each value to 15 significant digits: both sides are compared in that form,
// so a box typed with more digits does not make every center look stale.
QString asSaved(double value)
{
    return numbers::printForm(value);
}

std::optional<int> slotOf(InputBox box)
{
    for (const PlantSlot& plantSlot : plantSlots())
        if (plantSlot.box == box)
            return plantSlot.slot;
    return std::nullopt;
}

} // namespace

const QList<PlantSlot>& plantSlots()
{
    static const QList<PlantSlot> fed = [] {
        QList<PlantSlot> found;
        for (const inputboxes::Entry& entry : inputboxes::all())
            if (const std::optional<int> slot = slotFedBy(entry.box); entry.file == inputboxes::BoxFile::Plant && slot)
                found.append({entry.box, *slot});
        return found;
    }();
    return fed;
}

TodaysPlant::TodaysPlant(const InputTexts& texts)
{
    for (const PlantSlot& plantSlot : plantSlots()) {
        const QString& text = texts[plantSlot.box];
        // An empty box reads as 0 in the formulas, as does any text without a leading number.
        const std::optional<double> number = text.isEmpty() ? 0.0 : numbers::readIfFinite(text);
        m_values.append({plantSlot, number ? std::optional(asSaved(*number)) : std::nullopt});
    }
}

QList<InputBox> TodaysPlant::changedSince(const ResultRecord& saved) const
{
    QList<InputBox> changed;
    for (const auto& [plantSlot, today] : m_values)
        if (today != asSaved(saved.input(plantSlot.slot)))
            changed.append(plantSlot.box);
    return changed;
}

InputTexts withSavedFigures(InputTexts texts, const ResultRecord& saved, const QList<InputBox>& boxes)
{
    for (const InputBox box : boxes)
        if (const std::optional<int> slot = slotOf(box))
            texts[box] = numbers::boxText(saved.input(*slot));
    return texts;
}

} // namespace plantchanges
