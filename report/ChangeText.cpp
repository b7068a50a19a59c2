#include "report/ChangeText.h"

#include "textrules/DisplayPattern.h"

#include <QCoreApplication>

using namespace textrules;

namespace report {

namespace changetext {
namespace {
struct ChangeTextTexts {
    Q_DECLARE_TR_FUNCTIONS(ChangeText)
};

QString signedText(double value, const QString& text)
{
    return value > 0 ? u'+' + text : text;
}

} // namespace

QString signedMoney(double amount)
{
    return signedText(amount, numbers::format(amount, numbers::kMoneyPattern));
}

QString change(double before, double after)
{
    // Figures saved and worked out afresh may differ beyond the cents shown: that is no change.
    if (numbers::format(before, numbers::kMoneyPattern) == numbers::format(after, numbers::kMoneyPattern))
        return ChangeTextTexts::tr("no change");
    const double difference = after - before;
    QString text = signedMoney(difference);
    if (before != 0) {
        const double percent = difference / before * 100;
        text += QStringLiteral(" (%1%)").arg(signedText(percent, numbers::format(percent, numbers::kGroupedPattern)));
    }
    return text;
}

} // namespace changetext

} // namespace report
