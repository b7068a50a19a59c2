#include "StorableTextValidator.h"

#include "FieldText.h"

QValidator::State StorableTextValidator::validate(QString& input, int&) const
{
    const QString problem = fieldtext::problem(input);
    if (problem.isEmpty())
        return Acceptable;
    emit refused(problem);
    return Invalid;
}
