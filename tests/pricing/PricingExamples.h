#pragma once

#include "store/PricingFields.h"

// The worked example of the reverse engineering: 1000 pieces sell for $125, 10000 for $890,
// with a 25 % mark-up on an hourly cost of $60.
inline store::PricingFields workedExampleFields()
{
    return {QStringLiteral("1000"), QStringLiteral("10000"), QStringLiteral("25"),
            QStringLiteral("125"),  QStringLiteral("890"),   QStringLiteral("60")};
}

inline store::PricingFields withField(store::PricingFields fields, QString store::PricingFields::*field,
                                      const QString& text)
{
    fields.*field = text;
    return fields;
}
