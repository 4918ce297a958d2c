// A chart as the user reads it: axes fitted to the points it shows now, frames
// numbered from zero, every bar labelled, a body plan drawn to equal scales.
#include "common/chart_model.h"
#include "widgets/chart_view.h"

#include <QCategoryAxis>
#include <QGraphicsTextItem>
#include <QLegend>
#include <QLineSeries>
#include <QValueAxis>
#include <QtTest>

using namespace hullcalc;

namespace {

QValueAxis* axisOf(ChartView& view, Qt::Orientation orientation)
{
    return qobject_cast<QValueAxis*>(view.chart()->axes(orientation).front());
}

// How many units of the axis one pixel of the plot area stands for.
double unitsPerPixel(ChartView& view, Qt::Orientation orientation)
{
    const QValueAxis* axis = axisOf(view, orientation);
    const QRectF plot = view.chart()->plotArea();
    return (axis->max() - axis->min()) / (orientation == Qt::Horizontal ? plot.width() : plot.height());
}

}  // namespace

class ChartViewTest : public QObject {
    Q_OBJECT

private slots:
    void axesFollowThePointsDownAfterHugeOnesAndStayWhenNothingChanged()
    {
        ChartModel model = singleSeriesChart("Изгибающий момент", colours::red);
        for (int x = 0; x <= 20; ++x)
            model.series[0].append(x, 1E12 * x);
        ChartView view(model, ChartLook{});
        view.resize(600, 400);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QVERIFY(axisOf(view, Qt::Vertical)->max() >= 2E13);

        auto* line = qobject_cast<QLineSeries*>(view.chart()->series().front());
        QSignalSpy redrawn(line, &QXYSeries::pointsReplaced);
        view.refresh();
        QCOMPARE(redrawn.count(), 0);  // the same points: nothing to draw

        model.clear();
        for (int x = 0; x <= 5; ++x)
            model.series[0].append(x, 0.5 * x);
        view.refresh();
        QCOMPARE(redrawn.count(), 1);
        QCOMPARE(line->count(), 6);
        const QValueAxis* y = axisOf(view, Qt::Vertical);
        QVERIFY2(y->min() <= 0.0 && y->max() >= 2.5 && y->max() <= 5.0, qPrintable(QString::number(y->max())));
        QVERIFY(axisOf(view, Qt::Horizontal)->max() <= 10.0);
    }

    void frameRowsAreLabelledWithFrameNumbers()
    {
        ChartModel model = singleSeriesChart("", colours::red);
        for (int row = 1; row <= 21; ++row)
            model.series[0].append(row, row * row);
        ChartLook look;
        look.frameAxis = std::pair(1, 21);
        look.firstFrameNumber = 0;
        ChartView view(model, look);
        auto* frames = qobject_cast<QCategoryAxis*>(view.chart()->axes(Qt::Horizontal).front());
        QVERIFY(frames);
        QStringList expected;
        for (int frame = 0; frame <= 20; ++frame)
            expected.append(QString::number(frame));
        QCOMPARE(frames->categoriesLabels(), expected);
        QCOMPARE(frames->endValue("0"), 1.0);
        QCOMPARE(frames->min(), 1.0);
        QCOMPARE(frames->max(), 21.0);
        // The model keeps its rows.
        QCOMPARE(qobject_cast<QLineSeries*>(view.chart()->series().front())->at(0).x(), 1.0);
    }

    // Twenty spacings "0-1" .. "19-20" under their bars: every label shows on
    // a narrow chart as on a wide one (Qt drops a label that overflows the
    // axis's end), and a legend of one series is not shown.
    void everySpacingKeepsItsLabelUnderTheBars()
    {
        ChartModel model = singleSeriesChart("Нагрузка на шпацию", colours::purple, SeriesKind::Bar);
        QStringList spacings;
        for (int i = 0; i < 20; ++i) {
            spacings.append(QString("%1-%2").arg(i).arg(i + 1));
            model.series[0].append(i + 1, (i % 7 - 3) * 100.0, spacings.back().toStdString());
        }
        ChartLook look;
        look.legend = true;
        ChartView view(model, look);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QVERIFY(!view.chart()->legend()->isVisible());
        for (int width : {1000, 700, 550}) {
            view.resize(width, 450);
            QCoreApplication::processEvents();
            QStringList shown;
            for (QGraphicsItem* item : view.scene()->items())
                if (auto* text = dynamic_cast<QGraphicsTextItem*>(item); text && text->isVisible())
                    if (spacings.contains(text->toPlainText()))
                        shown.append(text->toPlainText());
            QCOMPARE(shown.size(), spacings.size());
        }
    }

    void equalScalesKeepAMetreAcrossAsLongAsAMetreUp()
    {
        ChartModel model = singleSeriesChart("", colours::blue);
        model.series[0].append(-5.5, 0.0);
        model.series[0].append(5.5, 3.5);
        ChartLook look;
        look.equalScales = true;
        ChartView view(model, look);
        view.resize(700, 500);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        for (QSize size : {QSize(700, 500), QSize(300, 700), QSize(900, 300)}) {
            view.resize(size);
            QCoreApplication::processEvents();
            const double across = unitsPerPixel(view, Qt::Horizontal);
            const double up = unitsPerPixel(view, Qt::Vertical);
            QVERIFY2(std::abs(across / up - 1.0) < 0.01, qPrintable(QString("%1 / %2").arg(across).arg(up)));
            QVERIFY(axisOf(view, Qt::Horizontal)->min() <= -5.5 && axisOf(view, Qt::Horizontal)->max() >= 5.5);
            QCOMPARE(axisOf(view, Qt::Vertical)->min(), 0.0);  // the base line stays at the bottom
            QVERIFY(axisOf(view, Qt::Vertical)->max() >= 3.5);
        }
    }
};

QTEST_MAIN(ChartViewTest)
#include "tst_chart_view.moc"
