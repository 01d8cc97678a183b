#pragma once

#include "ui/graph/BarChartGeometry.h"

#include <QWidget>

namespace pennywell::ui {

// The graph screen's chart: one series as bars in two or three dimensions, drawn to fit
// whatever size the widget has. Hovering a bar tells its year and exact amount.
class BarChart final : public QWidget {
    Q_OBJECT
public:
    explicit BarChart(QWidget* parent = nullptr);

    void setContent(const graph::GraphSeries& series, const QString& currencySymbol);
    void setStyle(BarStyle style);
    BarStyle style() const { return style_; }
    // Shades of grey instead of colours, for paper printed in black and white.
    void setGrey(bool grey);

    const BarChartContent& content() const { return content_; }
    BarChartGeometry drawnGeometry() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    BarChartContent content_;
    BarStyle style_ = BarStyle::Flat;
    bool grey_ = false;
};

} // namespace pennywell::ui
