#pragma once

#include <QChartView>

class QBarCategoryAxis;
class QHorizontalStackedBarSeries;
class QValueAxis;

// The horizontal stacked bar chart of the main window: one bar set per meal row, meal or day,
// one category per nutrient of the shown page, and a line at 100 % of need. Categories run
// from the bottom up, so callers add the page's nutrients last first.
class BarChartView : public QChartView {
    Q_OBJECT
public:
    explicit BarChartView(QWidget *parent = nullptr);

    QHorizontalStackedBarSeries *series() const { return barSeries; }
    QBarCategoryAxis *categoryAxis() const { return categories; }
    QValueAxis *valueAxis() const { return values; }
    // The horizontal pixel of 100 % in view coordinates, or -1 when the chart has no plot yet.
    int referenceLineX() const;

protected:
    void drawForeground(QPainter *painter, const QRectF &rect) override;

private:
    QHorizontalStackedBarSeries *barSeries;
    QBarCategoryAxis *categories;
    QValueAxis *values;
};
