#include "CreditLines.h"

namespace credits {
QString copyrightLine(int year)
{
    return QStringLiteral("Copyright %1 Solvarra. All rights reserved.").arg(year);
}
QString publisherLine()
{
    return QStringLiteral("Published by Solvarra Software for the printing trade");
}
QString legalNotice()
{
    return QStringLiteral("Warning: this program is licensed for use by one print shop. Copying or passing it on, "
                          "in whole or in part, without the written permission of Solvarra Software is not "
                          "permitted.");
}
} // namespace credits
