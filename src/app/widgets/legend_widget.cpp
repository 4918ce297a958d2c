#include "widgets/legend_widget.h"

#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>

namespace hullcalc {

namespace {

// A short line in the series' colour, framed so that a white series shows too.
QPixmap swatch(Colour colour)
{
    QPixmap pixmap(18, 10);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(QColor(160, 160, 160));
    painter.setBrush(QColor(colour.red, colour.green, colour.blue));
    painter.drawRect(0, 2, 17, 5);
    return pixmap;
}

}  // namespace

LegendWidget::LegendWidget(const ChartModel& chart, int columns, QWidget* parent) : QWidget(parent)
{
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setHorizontalSpacing(6);
    layout->setVerticalSpacing(2);
    const int count = static_cast<int>(chart.series.size());
    const int rows = (count + columns - 1) / columns;
    for (int i = 0; i < count; ++i) {
        const ChartSeries& series = chart.series[static_cast<std::size_t>(i)];
        auto* mark = new QLabel(this);
        mark->setPixmap(swatch(series.colour()));
        auto* title = new QLabel(QString::fromStdString(series.title()), this);
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
