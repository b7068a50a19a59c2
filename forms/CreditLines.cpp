#include "CreditLines.h"

namespace credits {
QString copyrightLine(int year) { return QStringLiteral("Copyright %1 Solvarra. All rights reserved.").arg(year); }
QString publisherLine() { return QStringLiteral("Published by Solvarra Software for the printing trade"); }
} // namespace credits
