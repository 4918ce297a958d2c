#include "widgets/legend_widget.h"

#include "widgets/chart_view.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineSeries>
#include <QPainter>
#include <QPixmap>

namespace hullcalc {

namespace {

// A short line in the series' colour, framed so that a white series shows too.
QPixmap swatch(const QColor& colour)
{
    QPixmap pixmap(18, 10);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(QColor(160, 160, 160));
    painter.setBrush(colour);
    painter.drawRect(0, 2, 17, 5);
    return pixmap;
}

}  // namespace

LegendWidget::LegendWidget(const ChartView& chart, int columns, QWidget* parent) : QWidget(parent), chart_(chart)
{
    QList<const QLineSeries*> lines;
    for (const QAbstractSeries* series : chart.chart()->series())
        if (const auto* line = qobject_cast<const QLineSeries*>(series))
            lines.append(line);
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setHorizontalSpacing(6);
    layout->setVerticalSpacing(2);
    const auto count = static_cast<int>(lines.size());
    const int rows = (count + columns - 1) / columns;
    for (int i = 0; i < count; ++i) {
        auto* mark = new QLabel(this);
        mark->setPixmap(swatch(lines[i]->color()));
        auto* title = new QLabel(lines[i]->name(), this);
        title->setObjectName("legendEntry");
        const int row = i % rows;
        const int column = 2 * (i / rows);
        layout->addWidget(mark, row, column);
        layout->addWidget(title, row, column + 1);
    }
    layout->setRowStretch(rows, 1);
}

QStringList LegendWidget::titles() const
{
    QStringList result;
    for (const QLabel* label : findChildren<QLabel*>("legendEntry"))
        result.append(label->text());
    return result;
}

}  // namespace hullcalc
