#include "widgets/chart_printing.h"

#include "widgets/drawing_application.h"

#include "common/error.h"

#include <QBuffer>
#include <QGraphicsLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>
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

namespace {

QString& printedTitleLine()
{
    static QString line;
    return line;
}

// Points under the chart for the title block's line.
constexpr double titleLinePoints = 20;

// Draws the chart on the painter's current page of `printer`: a chart of its
// own, laid out at the page's size in points, so that fonts and lines keep
// their proportions whatever the printer's resolution; under it the title
// block's line, so that a loose sheet still says whose it is.
void renderChartPage(const PrintedChart& chart, QPagedPaintDevice& printer, QPainter& painter)
{
    ChartView page(chart.model, chart.look);
    const QString title = printedTitleLine();
    const QRectF paper = printer.pageLayout().paintRect(QPageLayout::Point);
    const QSizeF chartSize(paper.width(), paper.height() - (title.isEmpty() ? 0.0 : titleLinePoints));
    page.layOutAt(chartSize);
    const QRectF target(painter.viewport());
    const double scale = target.height() / paper.height();
    const QRectF chartTarget(target.topLeft(), QSizeF(target.width(), chartSize.height() * scale));
    page.scene()->render(&painter, chartTarget, QRectF(QPointF(0, 0), chartSize), Qt::KeepAspectRatio);
    if (title.isEmpty())
        return;
    QFont font;
    font.setPixelSize(std::max(1, static_cast<int>(9 * scale)));
    painter.save();
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(
        QRectF(target.left(), chartTarget.bottom(), target.width(), target.bottom() - chartTarget.bottom()),
        Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, title);
    painter.restore();
}

}  // namespace

void setPrintedTitleLine(const QString& line) { printedTitleLine() = line; }

void printChartLandscape(const PrintedChart& chart, QPagedPaintDevice& printer)
{
    OrientationGuard orientation(printer);
    printer.setPageOrientation(QPageLayout::Landscape);
    QPainter painter;
    if (!painter.begin(&printer))
        throw Error("Не удалось начать печать");
    painter.setRenderHint(QPainter::Antialiasing);
    renderChartPage(chart, printer, painter);
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

bool choosePrinterInDialog(QPrinter& printer, QWidget* parent)
{
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle("Печать графиков");
    return dialog.exec() == QDialog::Accepted;
}

void printCharts(const std::vector<PrintedChart>& charts, QWidget* parent, const PrinterChoice& choose)
{
    QPrinter printer(QPrinter::HighResolution);
    // Without a printer the dialog starts on printing to a PDF file.
    if (!printerInstalled())
        printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageOrientation(QPageLayout::Landscape);
    if (!choose(printer, parent))
        return;
    // Every chart on a page of its own, in one document (one PDF file): the
    // first page is the one the printer opens with, each further chart starts
    // a new page.
    QPainter painter;
    if (!painter.begin(&printer))
        throw Error("Не удалось начать печать");
    painter.setRenderHint(QPainter::Antialiasing);
    bool first = true;
    for (const PrintedChart& chart : charts) {
        if (!first && !printer.newPage())
            throw Error("Не удалось начать новую страницу печати");
        first = false;
        renderChartPage(chart, printer, painter);
    }
    if (!painter.end())
        throw Error("Не удалось завершить печать");
}

}  // namespace hullcalc
