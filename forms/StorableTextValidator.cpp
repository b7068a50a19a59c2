#include "StorableTextValidator.h"

#include "FieldText.h"

QValidator::State StorableTextValidator::validate(QString& input, int&) const
{
    return fieldtext::problem(input).isEmpty() ? Acceptable : Invalid;
}
