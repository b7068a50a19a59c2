#pragma once

#include <QString>

namespace forms {

// The publisher's credit lines shown by the windows that carry them.
namespace credits {
QString copyrightLine(int year);
QString publisherLine();
// The licence in short: free to share and change under the GPL, version 3 or later, with no
// warranty; the full text is at `licenceText` (a file path or a web address).
QString legalNotice(const QString& licenceText);
} // namespace credits

} // namespace forms
