#include "forms/CreditLines.h"

#include <QCoreApplication>

namespace forms {

namespace {

// The texts this file shows, under one context for the translator.
struct CreditLinesTexts {
    Q_DECLARE_TR_FUNCTIONS(CreditLines)
};

} // namespace

namespace credits {
QString copyrightLine(int year)
{
    return CreditLinesTexts::tr("Copyright %1 Solvarra. Free software under the GNU GPL.").arg(year);
}
QString publisherLine()
{
    return CreditLinesTexts::tr("Published by Solvarra Software for the printing trade");
}
QString legalNotice(const QString& licenceText)
{
    return CreditLinesTexts::tr(
               "This program is free software: you can redistribute it and/or modify it under the terms of "
               "the GNU General Public License as published by the Free Software Foundation, either "
               "version 3 of the License, or (at your option) any later version. It is distributed in "
               "the hope that it will be useful, but WITHOUT ANY WARRANTY; without even the implied "
               "warranty of MERCHANTABILITY or FITNESS FOR A PARTICULAR PURPOSE. See %1 for the full "
               "text of the licence.")
        .arg(licenceText);
}
} // namespace credits

} // namespace forms
