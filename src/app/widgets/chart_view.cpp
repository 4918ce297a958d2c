#include "widgets/chart_view.h"

#include "widgets/chart_export.h"
#include "widgets/file_dialogs.h"
#include "widgets/status_message.h"

#include "common/error.h"
#include "common/number_text.h"

#include <QApplication>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontMetricsF>
#include <QGraphicsLayout>
#include <QGraphicsSimpleTextItem>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QMenu>
#include <QMessageBox>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <functional>
#include <limits>

namespace hullcalc {

namespace {

QColor toQColor(Colour c) { return QColor(c.red, c.green, c.blue); }

// 1, 2 or 5 times a power of ten: the nearest at or above x (ceiling) or
// the nearest of them to x.
double niceNumber(double x, bool ceiling)
{
    const double power = std::pow(10.0, std::floor(std::log10(x)));
    const double q = x / power;
    if (ceiling)
        return (q <= 1.0 ? 1.0 : q <= 2.0 ? 2.0 : q <= 5.0 ? 5.0 : 10.0) * power;
    return (q < 1.5 ? 1.0 : q < 3.0 ? 2.0 : q < 7.0 ? 5.0 : 10.0) * power;
}

// A value with no span gets one around it, so that the axis can be drawn.
void spread(double& low, double& high)
{
    if (low == high) {
        const double pad = low == 0.0 ? 1.0 : std::abs(low) * 0.1;
        low -= pad;
        high += pad;
    }
}

// About five grid lines across a chart, as Qt's value axis starts with. Fixed
// here, so that the same points always give the same axis: Qt's own rounding
// starts from the line count it chose the time before.
constexpr int gridLineTarget = 5;

// A range that ends wherever equal scales put it, with grid lines at nice
// values about as many as on any other chart.
void setRangeWithNiceTicks(QValueAxis* axis, double low, double high)
{
    axis->setRange(low, high);
    const double interval = niceNumber((high - low) / (gridLineTarget - 1), false);
    if (std::isfinite(interval) && interval > 0.0) {
        axis->setTickType(QValueAxis::TicksDynamic);
        axis->setTickAnchor(0.0);
        axis->setTickInterval(interval);
    } else {
        axis->setTickType(QValueAxis::TicksFixed);
        axis->setTickCount(gridLineTarget);
    }
}

}  // namespace

QLocale chartLocale()
{
    QLocale locale(QLocale::Russian, QLocale::Russia);
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

// The range from low to high widened to multiples of a nice step, about
// gridLineTarget lines of the grid apart. A loose range rounds its span up
// to a nice number first, as Qt's axes do; a tight one keeps closer to the
// points (equal scales, where the other axis widens the chart anyway).
ChartView::Range ChartView::niceRange(double low, double high, Rounding rounding)
{
    spread(low, high);
    const double span = high - low;
    if (!std::isfinite(span))
        return {low, high, span};
    const double roundedSpan = rounding == Rounding::loose ? niceNumber(span, true) : span;
    const double step = niceNumber(roundedSpan / (gridLineTarget - 1), false);
    return {std::floor(low / step) * step, std::ceil(high / step) * step, step};
}

ChartView::ChartView(const ChartModel& model, const ChartLook& look, QWidget* parent)
    : QChartView(parent), model_(model), look_(look)
{
    // The one style of every chart: Qt's light theme on white, a plain black
    // title of 13 pixels, lines 1,5 pixels wide.
    auto* chart = new QChart;
    chart->setTheme(QChart::ChartThemeLight);
    chart->setBackgroundBrush(Qt::white);
    chart->setLocalizeNumbers(true);
    chart->setLocale(chartLocale());
    chart->setAnimationOptions(QChart::NoAnimation);
    QFont titleFont = chart->titleFont();
    titleFont.setPixelSize(13);
    titleFont.setBold(false);
    chart->setTitleFont(titleFont);
    chart->setTitleBrush(Qt::black);
    if (look.showTitle && !model.title.empty())
        chart->setTitle(QString::fromStdString(model.title));
    // A legend of one entry says nothing the axes do not.
    chart->legend()->setVisible(look.legend && model.series.size() > 1);
    setChart(chart);
    setRenderHint(QPainter::Antialiasing);
    buildSeries();
    redraw();
    if (categoryAxis_)
        connect(chart, &QChart::plotAreaChanged, this, &ChartView::fitCategoryLabels);
    if (look_.pointLabels)
        connect(chart, &QChart::plotAreaChanged, this, &ChartView::placePointLabels);
}

void ChartView::buildSeries()
{
    QChart* chart = this->chart();
    axisY_ = new QValueAxis(chart);
    axisY_->setTitleText(look_.yTitle);
    chart->addAxis(axisY_, Qt::AlignLeft);
    QAbstractAxis* horizontal = addHorizontalAxis();
    for (std::size_t i = 0; i < model_.series.size(); ++i) {
        const ChartSeries& model = model_.series[i];
        QString name = QString::fromStdString(model.title());
        if (name.isEmpty() && i < static_cast<std::size_t>(look_.seriesNames.size()))
            name = look_.seriesNames[static_cast<qsizetype>(i)];
        QAbstractSeries* series =
            model.kind() == SeriesKind::Bar ? newBarSeries(model, name) : newLineSeries(model, name);
        chart->addSeries(series);
        series->attachAxis(axisY_);
        series->attachAxis(horizontal);
        series_.push_back(series);
    }
}

// Bars stand over categories, lines along frames or over a value axis.
QAbstractAxis* ChartView::addHorizontalAxis()
{
    QChart* chart = this->chart();
    const bool bars = !model_.series.empty() && model_.series.front().kind() == SeriesKind::Bar;
    QAbstractAxis* horizontal = nullptr;
    if (bars) {
        categoryAxis_ = new QBarCategoryAxis(chart);
        // Twenty labels such as "10-11" side by side: a smaller font, and never
        // cut short.
        QFont font = categoryAxis_->labelsFont();
        font.setPixelSize(10);
        categoryAxis_->setLabelsFont(font);
        categoryAxis_->setTruncateLabels(false);
        horizontal = categoryAxis_;
    } else if (look_.frameAxis) {
        auto* frames = new QCategoryAxis(chart);
        frames->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
        // A label stands on its value with room to either side: Qt's measure
        // of the room between two values would cut "10".."20" to "...".
        frames->setTruncateLabels(false);
        axisX_ = frames;
        labelFrames(look_.frameAxis->first, look_.frameAxis->second);
        horizontal = axisX_;
    } else {
        axisX_ = new QValueAxis(chart);
        horizontal = axisX_;
    }
    horizontal->setTitleText(look_.xTitle);
    chart->addAxis(horizontal, Qt::AlignBottom);
    return horizontal;
}

QAbstractSeries* ChartView::newBarSeries(const ChartSeries& model, const QString& name)
{
    auto* bar = new QBarSeries(chart());
    auto* set = new QBarSet(name, bar);
    set->setColor(toQColor(model.colour()));
    set->setBorderColor(toQColor(model.colour()).darker(130));
    bar->append(set);
    bar->setBarWidth(look_.barWidth);
    return bar;
}

QAbstractSeries* ChartView::newLineSeries(const ChartSeries& model, const QString& name)
{
    auto* line = new QLineSeries(chart());
    QPen pen(toQColor(model.colour()));
    pen.setWidthF(1.5);
    // Curves of a legend that run close together (δ under φ, R under KML)
    // stay apart by their dashes, also printed in black and white.
    if (look_.legend && model_.series.size() > 1 && model_.series.size() <= 5) {
        const Qt::PenStyle styles[] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine, Qt::DashDotLine, Qt::DashDotDotLine};
        pen.setStyle(styles[series_.size() % std::size(styles)]);
    }
    line->setPen(pen);
    line->setColor(toQColor(model.colour()));
    line->setName(name);
    line->setPointsVisible(look_.pointMarks);
    line->setMarkerSize(look_.markSize);
    return line;
}

// Frames along the hull: the axis spans exactly first..last, a label on every
// whole abscissa (every second or more past twenty), numbered from
// firstFrameNumber when the look sets it.
void ChartView::labelFrames(int first, int last)
{
    auto* frames = static_cast<QCategoryAxis*>(axisX_);
    const int shift = look_.firstFrameNumber ? *look_.firstFrameNumber - first : 0;
    const int step = std::max(1, (last - first + 19) / 20);
    frames->setStartValue(first);
    for (int x = first; x <= last; x += step)
        frames->append(QString::number(x + shift), x);
    frames->setRange(first, last);
}

bool ChartView::drawsToEqualScales() const { return look_.equalScales && axisX_ && !look_.frameAxis; }

void ChartView::refresh()
{
    if (isVisible())
        redraw();
    else
        stale_ = true;
}

void ChartView::layOutAt(const QSizeF& size)
{
    chart()->resize(size);
    // The first layout gives the plot area that the category labels are fitted
    // to; the second places the labels as fitted.
    for (int round = 0; round < 2; ++round) {
        if (QGraphicsLayout* layout = chart()->layout()) {
            layout->invalidate();
            layout->activate();
        }
        if (categoryAxis_)
            fitCategoryLabels();
    }
}

QString ChartView::exportTitle() const
{
    if (!model_.title.empty())
        return QString::fromStdString(model_.title);
    return look_.yTitle.isEmpty() ? QString("График") : look_.yTitle;
}

void ChartView::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    menu.addAction("Сохранить как рисунок PNG (300 dpi)…", this, &ChartView::savePicture);
    menu.addAction("Сохранить как чертеж SVG…", this, &ChartView::saveDrawing);
    menu.addAction("Копировать в буфер обмена", this, &ChartView::copyToClipboard);
    menu.exec(event->globalPos());
}

namespace {

// Runs a file export; a failure is shown in a message box naming the file.
bool exported(QWidget* parent, const QString& file, const std::function<void()>& write)
{
    try {
        write();
        return true;
    } catch (const Error& e) {
        QMessageBox::warning(parent, "Экспорт графика",
                             "Не удалось сохранить график в «" + file + "»: " + QString::fromStdString(e.what()));
        return false;
    }
}

std::filesystem::path pathOf(const QString& name) { return std::filesystem::path(name.toStdU16String()); }

}  // namespace

void ChartView::savePicture()
{
    const QString name = chooseFileToSave(this, "Сохранить график как рисунок", "Рисунки PNG (*.png)", "png");
    if (name.isEmpty())
        return;
    if (exported(this, name, [&] { saveChartPng(pathOf(name), model_, look_); }))
        tellInStatusLine(this, "График «" + exportTitle() + "» сохранен в " + name + " (PNG, 300 dpi)");
}

void ChartView::saveDrawing()
{
    const QString name = chooseFileToSave(this, "Сохранить график как чертеж", "Чертежи SVG (*.svg)", "svg");
    if (name.isEmpty())
        return;
    if (exported(this, name, [&] { saveChartSvg(pathOf(name), model_, look_, exportTitle()); }))
        tellInStatusLine(this, "График «" + exportTitle() + "» сохранен в " + name + " (SVG)");
}

void ChartView::copyToClipboard()
{
    QApplication::clipboard()->setMimeData(chartMimeData(model_, look_, exportTitle()));
    tellInStatusLine(this, "График «" + exportTitle() + "» скопирован в буфер обмена (рисунок и SVG)");
}

void ChartView::showEvent(QShowEvent* event)
{
    if (stale_)
        redraw();
    QChartView::showEvent(event);
}

void ChartView::resizeEvent(QResizeEvent* event)
{
    QChartView::resizeEvent(event);
    if (drawsToEqualScales())
        fitEqualScales();
}

void ChartView::redraw()
{
    stale_ = false;
    // The calculation refills every chart each time, mostly with what it drew
    // the time before: laying out axes and series again is the costly part.
    if (drawn_ && *drawn_ == model_)
        return;
    // A title that states a scale changes with the data.
    if (look_.showTitle && !model_.title.empty() && (!drawn_ || drawn_->title != model_.title))
        chart()->setTitle(QString::fromStdString(model_.title));
    for (std::size_t i = 0; i < series_.size() && i < model_.series.size(); ++i)
        if (!drawn_ || i >= drawn_->series.size() || drawn_->series[i] != model_.series[i])
            drawSeries(i);
    drawn_ = model_;
    fitAxes();
    if (look_.pointLabels)
        placePointLabels();
}

void ChartView::drawSeries(std::size_t index)
{
    const ChartSeries& model = model_.series[index];
    if (auto* line = qobject_cast<QLineSeries*>(series_[index])) {
        QList<QPointF> points;
        points.reserve(static_cast<qsizetype>(model.points().size()));
        for (const ChartPoint& p : model.points())
            points.append(QPointF(labelled(p.x), p.y));
        line->replace(points);
    } else if (auto* bar = qobject_cast<QBarSeries*>(series_[index])) {
        QBarSet* set = bar->barSets().front();
        QStringList categories;
        QList<qreal> values;
        for (const ChartPoint& p : model.points()) {
            values.append(p.y);
            categories.append(QString::fromStdString(p.label));
        }
        if (set->count() == values.size()) {
            for (int i = 0; i < values.size(); ++i)
                if (set->at(i) != values[i])
                    set->replace(i, values[i]);
        } else {
            set->remove(0, set->count());
            set->append(values);
        }
        if (categoryAxis_->categories() != categories) {
            categoryAxis_->setCategories(categories);
            fitCategoryLabels();
        }
    }
    // The legend names only the curves that have points: a rule's line that
    // does not apply to this ship is not listed.
    for (QLegendMarker* marker : chart()->legend()->markers(series_[index]))
        marker->setVisible(!model.points().empty());
}

double ChartView::labelled(double x) const
{
    if (!look_.pointLabels || look_.labelPrecision == DisplayPrecision::asStored)
        return x;
    return numberOrNothing(displayText(formatGeneral(x), look_.labelPrecision)).value_or(x);
}

// Qt writes a point label in its general form, trailing zeros dropped ("1,2"
// beside "1,254"): the labels are drawn here instead, every one of a chart
// with the same count of decimals, centred above its point.
void ChartView::placePointLabels()
{
    for (QGraphicsSimpleTextItem* label : pointLabels_)
        delete label;
    pointLabels_.clear();
    std::vector<std::string> stored;
    for (const ChartSeries& series : model_.series)
        for (const ChartPoint& p : series.points())
            stored.push_back(formatGeneral(labelled(p.x)));
    const std::optional<int> decimals = columnDecimals(stored, look_.labelPrecision);
    std::size_t next = 0;
    for (std::size_t i = 0; i < series_.size() && i < model_.series.size(); ++i) {
        for (const ChartPoint& p : model_.series[i].points()) {
            auto* label = new QGraphicsSimpleTextItem(
                QString::fromStdString(displayText(stored[next++], look_.labelPrecision, decimals)), chart());
            const QPointF at = chart()->mapToPosition(QPointF(labelled(p.x), p.y), series_[i]);
            const QRectF box = label->boundingRect();
            label->setPos(at.x() - box.width() / 2, at.y() - box.height() - look_.markSize / 2 - 1);
            label->setZValue(chart()->zValue() + 10);
            pointLabels_.push_back(label);
        }
    }
}

// Qt drops a category's label that is wider than its slot where it would
// reach past the axis's end, and lets neighbours overlap elsewhere: labels
// wider than the slot (a narrow window, a printed page) are turned upright so
// that every one of them shows.
void ChartView::fitCategoryLabels()
{
    const QStringList categories = categoryAxis_->categories();
    if (categories.isEmpty())
        return;
    const QFontMetricsF metrics(categoryAxis_->labelsFont());
    double widest = 0.0;
    for (const QString& label : categories)
        widest = std::max(widest, metrics.horizontalAdvance(label));
    const double slot = chart()->plotArea().width() / static_cast<double>(categories.size());
    const int angle = widest + metrics.averageCharWidth() > slot ? -90 : 0;
    if (categoryAxis_->labelsAngle() != angle)
        categoryAxis_->setLabelsAngle(angle);
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
    if (categoryAxis_) {
        // Bars stand on zero: the axis always includes it.
        minY = std::min(minY, 0.0);
        maxY = std::max(maxY, 0.0);
    }
    if (minY > maxY) {  // no points yet
        minX = minY = 0.0;
        maxX = maxY = 1.0;
    }
    if (look_.yMinimum) {
        minY = *look_.yMinimum;
        maxY = std::max(maxY, minY);
    }
    const Rounding rounding = drawsToEqualScales() ? Rounding::tight : Rounding::loose;
    yRange_ = niceRange(minY, maxY, rounding);
    if (look_.yMinimum)
        yRange_.low = *look_.yMinimum;
    xRange_ = niceRange(minX, maxX, rounding);

    if (drawsToEqualScales()) {
        fitEqualScales();
        return;
    }
    const auto ticks = [](const Range& range) {
        return std::isfinite(range.step) ? static_cast<int>(std::lround((range.high - range.low) / range.step)) + 1
                                         : gridLineTarget;
    };
    axisY_->setRange(yRange_.low, yRange_.high);
    axisY_->setTickCount(std::max(2, ticks(yRange_)));
    if (axisX_ && !look_.frameAxis) {
        axisX_->setRange(xRange_.low, xRange_.high);
        axisX_->setTickCount(std::max(2, ticks(xRange_)));
    }
}

// Widens the range that is shorter for its axis's length, so that a unit takes
// as many pixels across as up. A range that starts at or above zero keeps its
// lower end (the body plan's base line stays at the bottom); one that does not
// is widened on both sides. The plot area shrinks or grows with the width of
// the labels the new ranges bring, so a few rounds settle it.
void ChartView::fitEqualScales()
{
    const auto widened = [](const Range& range, double span) {
        if (range.low >= 0.0)
            return std::pair(range.low, range.low + span);
        const double middle = 0.5 * (range.low + range.high);
        return std::pair(middle - 0.5 * span, middle + 0.5 * span);
    };
    for (int round = 0; round < 3; ++round) {
        const QRectF plot = chart()->plotArea();
        const double perPixel =
            std::max((xRange_.high - xRange_.low) / plot.width(), (yRange_.high - yRange_.low) / plot.height());
        if (plot.width() < 1.0 || plot.height() < 1.0 || !std::isfinite(perPixel)) {
            // Not laid out yet, or no span that can be drawn true.
            setRangeWithNiceTicks(axisX_, xRange_.low, xRange_.high);
            setRangeWithNiceTicks(axisY_, yRange_.low, yRange_.high);
            return;
        }
        const auto [left, right] = widened(xRange_, perPixel * plot.width());
        const auto [bottom, top] = widened(yRange_, perPixel * plot.height());
        const double tolerance = 1e-6 * perPixel * std::max(plot.width(), plot.height());
        if (std::abs(axisX_->min() - left) <= tolerance && std::abs(axisX_->max() - right) <= tolerance
            && std::abs(axisY_->min() - bottom) <= tolerance && std::abs(axisY_->max() - top) <= tolerance)
            return;
        setRangeWithNiceTicks(axisX_, left, right);
        setRangeWithNiceTicks(axisY_, bottom, top);
    }
}

}  // namespace hullcalc
