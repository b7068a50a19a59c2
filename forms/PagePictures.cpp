#include "forms/PagePictures.h"

#include "forms/ChartDrawing.h"
#include "forms/DriversChart.h"
#include "forms/LowerLayers.h"
#include "forms/MarketChart.h"
#include "forms/PlantChart.h"
#include "forms/WaterfallChart.h"

using namespace forms::lowerlayers;

namespace forms {

namespace {

void draw(QPainter& painter, const QRectF& area, const pagepicture::MarketPrices& shown)
{
    drawChart(painter, area, marketChart(shown));
}
void draw(QPainter& painter, const QRectF& area, const pagepicture::BreakEven& shown)
{
    drawChart(painter, area, marketChart(shown));
}
void draw(QPainter& painter, const QRectF& area, const pagepicture::PlantCosts& shown)
{
    plantchart::draw(painter, area, shown);
}
void draw(QPainter& painter, const QRectF& area, const pagepicture::RateSteps& shown)
{
    drawChart(painter, area, waterfallchart::build(shown));
}
void draw(QPainter& painter, const QRectF& area, const pagepicture::RateDrivers& shown)
{
    drawChart(painter, area, driverschart::build(shown.drivers));
}

} // namespace

void drawPagePicture(QPainter& painter, const QRectF& area, const PagePicture& picture)
{
    std::visit([&painter, &area](const auto& shown) { draw(painter, area, shown); }, picture);
}

} // namespace forms
