#include "calc/ui/BarChartView.h"

#include <QBarCategoryAxis>
#include <QHorizontalStackedBarSeries>
#include <QPainter>
#include <QValueAxis>

BarChartView::BarChartView(QWidget *parent)
    : QChartView(parent)
    , barSeries(new QHorizontalStackedBarSeries)
    , categories(new QBarCategoryAxis)
    , values(new QValueAxis)
{
    auto *c = new QChart;
    c->legend()->hide();
    c->setTitle(QStringLiteral("Näring i % av behovet"));
    c->addSeries(barSeries);
    c->addAxis(categories, Qt::AlignLeft);
    c->addAxis(values, Qt::AlignBottom);
    barSeries->attachAxis(categories);
    barSeries->attachAxis(values);
    barSeries->setBarWidth(0.7);
    categories->setGridLineVisible(false);
    categories->setTruncateLabels(false); // the labels carry the values
    QFont small = categories->labelsFont();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    categories->setLabelsFont(small);
    values->setRange(0, 200);
    values->setLabelFormat(QStringLiteral("%d"));
    c->setAnimationOptions(QChart::NoAnimation);
    c->setMargins(QMargins(2, 2, 2, 2));
    setChart(c);
    setRenderHint(QPainter::Antialiasing, false);
    setRubberBand(QChartView::NoRubberBand);
}

int BarChartView::referenceLineX() const
{
    const QRectF plot = chart()->plotArea();
    if (plot.width() <= 0 || values->max() <= 0)
        return -1;
    return int(plot.left() + plot.width() * 100.0 / values->max());
}

void BarChartView::drawForeground(QPainter *painter, const QRectF &rect)
{
    QChartView::drawForeground(painter, rect);
    const int x = referenceLineX();
    if (x < 0)
        return;
    const QRectF plot = chart()->plotArea();
    painter->save();
    painter->setPen(QPen(Qt::black, 1));
    painter->drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    painter->restore();
}
