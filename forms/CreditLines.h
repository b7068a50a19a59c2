#pragma once

#include <QString>

// The publisher's credit lines shown by the windows that carry them.
namespace credits {
QString copyrightLine(int year);
QString publisherLine();
QString legalNotice();
} // namespace credits
