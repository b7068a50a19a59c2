#include "StorableTextValidator.h"

#include "SingleByteText.h"

QValidator::State StorableTextValidator::validate(QString& input, int&) const
{
    return singlebyte::firstUnstorable(input).isNull() ? Acceptable : Invalid;
}
