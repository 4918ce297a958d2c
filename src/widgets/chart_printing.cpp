#include "widgets/chart_printing.h"

#include "common/error.h"

#include <QGraphicsLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace hullcalc {

namespace {

// Puts the printer's orientation back when the printing scope ends, whichever way.
class OrientationGuard {
public:
    explicit OrientationGuard(QPrinter& printer) : printer_(printer), saved_(printer.pageLayout().orientation()) {}
    ~OrientationGuard() { printer_.setPageOrientation(saved_); }
    OrientationGuard(const OrientationGuard&) = delete;
    OrientationGuard& operator=(const OrientationGuard&) = delete;

private:
    QPrinter& printer_;
    QPageLayout::Orientation saved_;
};

}  // namespace

bool printerInstalled() { return !QPrinterInfo::availablePrinters().isEmpty(); }

void printChartLandscape(const PrintedChart& chart, QPrinter& printer)
{
    OrientationGuard orientation(printer);
    printer.setPageOrientation(QPageLayout::Landscape);

    // A chart of its own, laid out at the page's size in points, so that fonts
    // and lines keep their proportions whatever the printer's resolution.
    ChartView page(chart.model, chart.look);
    const QRectF paper = printer.pageLayout().paintRect(QPageLayout::Point);
    page.chart()->resize(paper.size());
    if (QGraphicsLayout* layout = page.chart()->layout())
        layout->activate();

    QPainter painter;
    if (!painter.begin(&printer))
        throw Error("Не удалось начать печать");
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect target = painter.viewport();
    page.scene()->render(&painter, QRectF(target), QRectF(QPointF(0, 0), paper.size()), Qt::KeepAspectRatio);
    if (!painter.end())
        throw Error("Не удалось завершить печать");
}

void printOnDefaultPrinter(const std::vector<PrintedChart>& charts)
{
    if (!printerInstalled())
        throw Error("Принтер не установлен");
    QPrinter printer(QPrinter::HighResolution);
    for (const PrintedChart& chart : charts)
        printChartLandscape(chart, printer);
}

}  // namespace hullcalc
