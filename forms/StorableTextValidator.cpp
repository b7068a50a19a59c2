#include "forms/StorableTextValidator.h"

#include "forms/LowerLayers.h"
#include "store/FieldText.h"

using namespace forms::lowerlayers;

namespace forms {

StorableTextValidator::StorableTextValidator(QObject* parent, Rule rule)
    : QValidator(parent), m_rule(rule ? rule : &fieldtext::problem)
{
}

QValidator::State StorableTextValidator::validate(QString& input, int&) const
{
    const QString problem = m_rule(input);
    if (problem.isEmpty())
        return Acceptable;
    emit refused(problem);
    return Invalid;
}

} // namespace forms
