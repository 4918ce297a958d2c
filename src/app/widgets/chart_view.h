// Draws a chart model with Qt Charts: one view per chart, brought up to date
// with its model whenever the calculation has refilled it.
#pragma once

#include "common/chart_model.h"
#include "common/display_precision.h"

#include <QChartView>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class QAbstractAxis;
class QAbstractSeries;
class QBarCategoryAxis;
class QBarSet;
class QGraphicsSimpleTextItem;
class QValueAxis;

namespace hullcalc {

// How a chart looks, beyond what its model says. Background, fonts and pens
// are the same on every chart, in the windows, printed and in the report.
struct ChartLook {
    bool showTitle = true;
    bool legend = false;
    // What the legend calls the series the model leaves untitled, in the
    // model's order: "0 шп" .. "20 шп", "ВЛ 1" .. "ВЛ 10".
    QStringList seriesNames;
    bool pointMarks = false;  // a small mark at every point
    qreal markSize = 4.0;
    bool pointLabels = false;  // each point's value written beside it
    // The labels' abscissae rounded as the table beside the chart shows them.
    DisplayPrecision labelPrecision = DisplayPrecision::asStored;
    // The quantity and unit along each axis, "Высота, м"; empty: no title.
    QString xTitle;
    QString yTitle;
    std::optional<double> yMinimum;  // fixed lower end of the vertical axis
    // Abscissae that number frames or spacings: the axis spans exactly these
    // and is labelled with whole numbers.
    std::optional<std::pair<int, int>> frameAxis;
    // The number the first abscissa of frameAxis is labelled with, the others
    // counting on from it; unset: each abscissa itself. A chart whose abscissa
    // is the frame's row 1..21 sets 0 and reads frames 0 to 20.
    std::optional<int> firstFrameNumber;
    // A metre across as long as a metre up (the body plan): the axis with the
    // shorter range for its length is widened to the plot area's proportions,
    // again whenever the view is resized.
    bool equalScales = false;
    qreal barWidth = 0.8;  // share of the slot a bar takes
};

// Numbers with a decimal comma and without group separators, for axis labels.
QLocale chartLocale();

class ChartView : public QChartView {
    Q_OBJECT

public:
    ChartView(const ChartModel& model, const ChartLook& look, QWidget* parent = nullptr);

    const ChartModel& model() const { return model_; }
    const ChartLook& look() const { return look_; }

    // Brings the chart up to date with its model: the series that changed get
    // their new points and the axes are fitted anew; an unchanged model costs
    // nothing. A chart out of sight (a hidden page or window) is brought up to
    // date when it is next shown.
    void refresh();

    // Lays the chart out at `size` off the screen (a printed page, the
    // report), its labels fitted to the plot area that size gives, ready to
    // be rendered from its scene.
    void layOutAt(const QSizeF& size);

    // The context menu's commands: the chart as a PNG picture (300 dpi) or an
    // SVG drawing in a file the user chooses, or on the clipboard. Each says
    // what it did in the window's status line.
    void savePicture();
    void saveDrawing();
    void copyToClipboard();

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Range {
        double low = 0.0;
        double high = 1.0;
        double step = 0.25;  // between grid lines
    };

    enum class Rounding { loose, tight };
    static Range niceRange(double low, double high, Rounding rounding);
    void buildSeries();
    // The axis along the chart, added to it: categories under bars, frames
    // or values under lines.
    QAbstractAxis* addHorizontalAxis();
    QAbstractSeries* newBarSeries(const ChartSeries& model, const QString& name);
    QAbstractSeries* newLineSeries(const ChartSeries& model, const QString& name);
    void redraw();
    void drawSeries(std::size_t index);
    void fitAxes();
    void fitCategoryLabels();
    void labelFrames(int first, int last);
    bool drawsToEqualScales() const;
    void fitEqualScales();
    // The abscissa as a point label writes it.
    double labelled(double x) const;
    // Writes each point's abscissa above it, as the look's labels ask.
    void placePointLabels();
    QString exportTitle() const;

    const ChartModel& model_;
    ChartLook look_;
    QValueAxis* axisX_ = nullptr;  // a QCategoryAxis along frames
    QBarCategoryAxis* categoryAxis_ = nullptr;
    QValueAxis* axisY_ = nullptr;
    std::vector<QAbstractSeries*> series_;  // one per model series, same order
    std::optional<ChartModel> drawn_;       // what the series show now
    Range xRange_;                          // fitted to the points, before equal scales widen one
    Range yRange_;
    bool stale_ = false;
    std::vector<QGraphicsSimpleTextItem*> pointLabels_;  // owned by the chart
};

}  // namespace hullcalc
