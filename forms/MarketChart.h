#pragma once

#include "pricing/MarketCheck.h"
#include "report/PagePicture.h"

#include <QChartView>

namespace forms {

// The market check's two pictures, on axes labelled in the program's formats. Each line has a
// pen style of its own, so that both read on a black-and-white page.
enum class MarketPicture {
    // The price of a job by quantity: the market's retail and cost lines, this press's cost at
    // each efficiency level, the cross-over points and the typical job.
    Price,
    // The efficiency this press needs to meet the market's price by job size, the four levels
    // as horizontal lines and the typical job with its need.
    BreakEven
};

// New charts of the two pictures; the caller owns them (or hands them to a view or a scene).
QChart* marketChart(const report::pagepicture::MarketPrices& shown);
QChart* marketChart(const report::pagepicture::BreakEven& shown);

// A picture in the window; it takes whatever room the window gives it.
class MarketChart : public QChartView {
    Q_OBJECT
public:
    explicit MarketChart(MarketPicture picture, QWidget* parent = nullptr);
    // Room for the lines to part beside the legend; it can shrink to a cramped minimum.
    QSize sizeHint() const override { return {420, 440}; }
    // Shows the check's picture, as much of it as the check has worked out.
    void showCheck(const pricing::marketcheck::MarketCheck& check);
    void clear();

private:
    void replaceChart(QChart* chart);
    MarketPicture m_picture;
};

} // namespace forms
