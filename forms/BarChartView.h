#pragma once

#include <QChartView>

#include <functional>

namespace forms {

// A picture of a bar a center that draws as many bars as its width has room for, each with its
// name's line of text under it: a wider or narrower view draws its chart anew when another
// number fits.
class BarChartView : public QChartView {
public:
    // Makes a new chart of at most that many bars; the view owns it.
    using Builder = std::function<QChart*(int mostShown)>;

    BarChartView(Builder build, QWidget* parent = nullptr);

    // Draws the chart anew, for figures that changed.
    void redraw();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    int barsThatFit() const;

    Builder m_build;
    int m_barsDrawn = 0; // how many the picture had room for when it was drawn
};

} // namespace forms
