#pragma once

#include <QChartView>

namespace forms {

// A picture in a window that asks for a modest room and takes whatever the window gives it, so
// that a page holding it fits a small screen; a plain chart view asks for its chart's whole size.
class PictureView : public QChartView {
public:
    explicit PictureView(QWidget* parent = nullptr) : QChartView(parent)
    {
        setRenderHint(QPainter::Antialiasing);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }
    QSize sizeHint() const override { return {480, 220}; }

    // Shows the chart in place of the one it showed, which goes.
    void replaceChart(QChart* chart)
    {
        QChart* old = QChartView::chart();
        setChart(chart);
        delete old;
    }
};

} // namespace forms
