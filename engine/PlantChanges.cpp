#include "engine/PlantChanges.h"

#include "engine/BudgetInputs.h"
#include "textrules/NumberReading.h"
#include "textrules/NumberText.h"

using namespace textrules;
using namespace store;

namespace engine {

namespace plantchanges {
namespace {

// The result file holds each value to 15 significant digits: both sides are compared in that form,
// so a box typed with more digits does not make every center look stale.
QString asSaved(double value)
{
    return numbers::printForm(value);
}

} // namespace

const QList<InputBox>& plantFigures()
{
    static const QList<InputBox> fed = [] {
        QList<InputBox> found;
        for (const inputboxes::Entry& entry : inputboxes::all())
            if (entry.file == inputboxes::BoxFile::Plant && slotFedBy(entry.box))
                found.append(entry.box);
        return found;
    }();
    return fed;
}

TodaysPlant::TodaysPlant(const InputTexts& texts)
{
    for (const InputBox box : plantFigures()) {
        const QString& text = texts[box];
        // An empty box reads as 0 in the formulas, as does any text without a leading number.
        const std::optional<double> number = text.isEmpty() ? 0.0 : numbers::readIfFinite(text);
        m_values.append({box, number ? std::optional(asSaved(*number)) : std::nullopt});
    }
}

QList<InputBox> TodaysPlant::changedSince(const ResultRecord& saved) const
{
    QList<InputBox> changed;
    for (const auto& [box, today] : m_values)
        if (today != asSaved(*savedFigure(saved, box)))
            changed.append(box);
    return changed;
}

InputTexts withSavedFigures(InputTexts texts, const ResultRecord& saved, const QList<InputBox>& boxes)
{
    for (const InputBox box : boxes)
        if (const std::optional<double> figure = savedFigure(saved, box))
            texts[box] = numbers::boxText(*figure);
    return texts;
}

} // namespace plantchanges

} // namespace engine
