#pragma once

#include <QString>

namespace report {

// How a change of a figure reads: signed, in the program's money and percent formats.
namespace changetext {

// "+$1.10", "-$0.05", "$0.00".
QString signedMoney(double amount);

// "+$1.10 (+2.11%)": the change of a rate from its old to its new value; "no change" where the
// two show the same cents.
QString change(double before, double after);

} // namespace changetext

} // namespace report
