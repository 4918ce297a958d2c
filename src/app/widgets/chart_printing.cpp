#include "widgets/chart_printing.h"

#include "widgets/drawing_application.h"

#include "common/error.h"

#include <QBuffer>
#include <QGraphicsLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

#include <memory>

namespace hullcalc {

namespace {

// Puts the printer's orientation back when the printing scope ends, whichever way.
class OrientationGuard {
public:
    explicit OrientationGuard(QPagedPaintDevice& printer)
        : printer_(printer), saved_(printer.pageLayout().orientation())
    {}
    ~OrientationGuard() { printer_.setPageOrientation(saved_); }
    OrientationGuard(const OrientationGuard&) = delete;
    OrientationGuard& operator=(const OrientationGuard&) = delete;

private:
    QPagedPaintDevice& printer_;
    QPageLayout::Orientation saved_;
};

}  // namespace

bool printerInstalled() { return !QPrinterInfo::availablePrinters().isEmpty(); }

void printChartLandscape(const PrintedChart& chart, QPagedPaintDevice& printer)
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

std::vector<std::string> chartsAsPdf(const std::vector<PrintedChart>& charts)
{
    const std::unique_ptr<QApplication> application = applicationForDrawing();
    std::vector<std::string> documents;
    for (const PrintedChart& chart : charts) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        {
            // The page a PDF printer offers by default: A4 with 10 pt margins,
            // at 1200 dpi as a high-resolution printer. The document is
            // complete once the writer is gone.
            QPdfWriter writer(&buffer);
            writer.setResolution(1200);
            writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                                             QPageLayout::Point));
            printChartLandscape(chart, writer);
        }
        const QByteArray& bytes = buffer.data();
        documents.emplace_back(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    }
    return documents;
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
