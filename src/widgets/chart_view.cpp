#include "widgets/chart_view.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QLegend>
#include <QLineSeries>
#include <QValueAxis>

#include <algorithm>
#include <limits>

namespace hullcalc {

namespace {

QColor toQColor(Colour c) { return QColor(c.red, c.green, c.blue); }

}  // namespace

QLocale chartLocale()
{
    QLocale locale(QLocale::Russian, QLocale::Russia);
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

ChartView::ChartView(const ChartModel& model, const ChartLook& look, QWidget* parent)
    : QChartView(parent), model_(model), look_(look)
{
    auto* chart = new QChart;
    chart->setLocalizeNumbers(true);
    chart->setLocale(chartLocale());
    chart->setAnimationOptions(QChart::NoAnimation);
    if (look.showTitle && !model.title.empty()) {
        chart->setTitle(QString::fromStdString(model.title));
        QFont font = chart->titleFont();
        font.setPixelSize(13);
        font.setBold(look.boldTitle);
        chart->setTitleFont(font);
        chart->setTitleBrush(look.titleColour);
    }
    chart->legend()->setVisible(look.legend);
    if (look.shadedBackground) {
        QLinearGradient gradient(0, 0, 0, 1);
        gradient.setCoordinateMode(QGradient::ObjectBoundingMode);
        gradient.setColorAt(0, QColor(240, 240, 240));
        gradient.setColorAt(1, QColor(200, 208, 224));
        chart->setBackgroundBrush(gradient);
    }
    setChart(chart);
    setRenderHint(QPainter::Antialiasing);
    buildSeries();
    redraw();
}

void ChartView::buildSeries()
{
    QChart* chart = this->chart();
    axisY_ = new QValueAxis(chart);
    chart->addAxis(axisY_, Qt::AlignLeft);
    const bool bars = !model_.series.empty() && model_.series.front().kind() == SeriesKind::Bar;
    if (bars) {
        categoryAxis_ = new QBarCategoryAxis(chart);
        // Twenty labels such as "10-11" side by side: a smaller font, and never
        // cut short.
        QFont font = categoryAxis_->labelsFont();
        font.setPixelSize(10);
        categoryAxis_->setLabelsFont(font);
        categoryAxis_->setTruncateLabels(false);
        chart->addAxis(categoryAxis_, Qt::AlignBottom);
    } else {
        axisX_ = new QValueAxis(chart);
        chart->addAxis(axisX_, Qt::AlignBottom);
    }

    for (const ChartSeries& model : model_.series) {
        QAbstractSeries* series = nullptr;
        if (model.kind() == SeriesKind::Bar) {
            auto* bar = new QBarSeries(chart);
            auto* set = new QBarSet(QString::fromStdString(model.title()), bar);
            set->setColor(toQColor(model.colour()));
            set->setBorderColor(toQColor(model.colour()).darker(130));
            bar->append(set);
            bar->setBarWidth(look_.barWidth);
            series = bar;
        } else {
            auto* line = new QLineSeries(chart);
            QPen pen(toQColor(model.colour()));
            pen.setWidthF(1.5);
            line->setPen(pen);
            line->setColor(toQColor(model.colour()));
            line->setName(QString::fromStdString(model.title()));
            line->setPointsVisible(look_.pointMarks);
            line->setMarkerSize(look_.markSize);
            line->setPointLabelsVisible(look_.pointLabels);
            if (look_.pointLabels) {
                line->setPointLabelsFormat(QStringLiteral("@xPoint"));
                line->setPointLabelsClipping(false);
            }
            series = line;
        }
        chart->addSeries(series);
        series->attachAxis(axisY_);
        series->attachAxis(bars ? static_cast<QAbstractAxis*>(categoryAxis_) : axisX_);
        series_.push_back(series);
    }
}

void ChartView::refresh()
{
    if (isVisible())
        redraw();
    else
        stale_ = true;
}

void ChartView::showEvent(QShowEvent* event)
{
    if (stale_)
        redraw();
    QChartView::showEvent(event);
}

void ChartView::redraw()
{
    stale_ = false;
    for (std::size_t i = 0; i < series_.size(); ++i) {
        const ChartSeries& model = model_.series[i];
        if (auto* line = qobject_cast<QLineSeries*>(series_[i])) {
            QList<QPointF> points;
            points.reserve(static_cast<qsizetype>(model.points().size()));
            for (const ChartPoint& p : model.points())
                points.append(QPointF(p.x, p.y));
            line->replace(points);
        } else if (auto* bar = qobject_cast<QBarSeries*>(series_[i])) {
            QBarSet* set = bar->barSets().front();
            set->remove(0, set->count());
            QStringList categories;
            QList<qreal> values;
            for (const ChartPoint& p : model.points()) {
                values.append(p.y);
                categories.append(QString::fromStdString(p.label));
            }
            set->append(values);
            categoryAxis_->setCategories(categories);
        }
    }
    fitAxes();
}

void ChartView::fitAxes()
{
    double minX = std::numeric_limits<double>::infinity(), maxX = -minX;
    double minY = minX, maxY = -minX;
    for (const ChartSeries& series : model_.series) {
        for (const ChartPoint& p : series.points()) {
            minX = std::min(minX, p.x);
            maxX = std::max(maxX, p.x);
            minY = std::min(minY, p.y);
            maxY = std::max(maxY, p.y);
        }
    }
    const bool bars = categoryAxis_ != nullptr;
    if (bars) {
        // Bars stand on zero: the axis always includes it.
        minY = std::min(minY, 0.0);
        maxY = std::max(maxY, 0.0);
    }
    if (minY > maxY) {  // no points yet
        minX = minY = 0.0;
        maxX = maxY = 1.0;
    }
    const auto spread = [](double& low, double& high) {
        if (low == high) {
            const double pad = low == 0.0 ? 1.0 : std::abs(low) * 0.1;
            low -= pad;
            high += pad;
        }
    };
    if (look_.yMinimum) {
        minY = *look_.yMinimum;
        maxY = std::max(maxY, minY);
    }
    spread(minY, maxY);
    axisY_->setRange(minY, maxY);
    axisY_->applyNiceNumbers();
    if (look_.yMinimum)
        axisY_->setMin(*look_.yMinimum);
    if (axisX_ && look_.frameAxis) {
        const auto [first, last] = *look_.frameAxis;
        axisX_->setRange(first, last);
        axisX_->setTickCount(std::min(last - first, 20) + 1);
        axisX_->setLabelFormat(QStringLiteral("%.0f"));
    } else if (axisX_) {
        spread(minX, maxX);
        axisX_->setRange(minX, maxX);
        axisX_->applyNiceNumbers();
    }
}

}  // namespace hullcalc
