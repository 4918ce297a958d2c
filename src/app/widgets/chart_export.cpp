#include "widgets/chart_export.h"

#include "common/error.h"
#include "common/file_io.h"

#include <QBuffer>
#include <QGraphicsScene>
#include <QMimeData>
#include <QPainter>
#include <QSvgGenerator>

#include <cmath>

namespace hullcalc {

namespace {

constexpr double millimetresPerInch = 25.4;
constexpr double inchesPerMetre = 1000.0 / millimetresPerInch;

QSizeF layoutSize() { return {exportedChartWidthPoints, exportedChartHeightPoints}; }

// Lays the chart out at the export size and draws it into `target` of the painter.
void drawChart(const ChartModel& model, const ChartLook& look, QPainter& painter, const QRectF& target)
{
    ChartView view(model, look);
    view.layOutAt(layoutSize());
    view.scene()->render(&painter, target, QRectF(QPointF(0, 0), layoutSize()), Qt::KeepAspectRatio);
}

std::string bytesOf(const QByteArray& bytes) { return {bytes.constData(), static_cast<std::size_t>(bytes.size())}; }

}  // namespace

QImage chartImage(const ChartModel& model, const ChartLook& look)
{
    const double widthInches = exportedChartWidthMillimetres / millimetresPerInch;
    const int width = static_cast<int>(std::lround(widthInches * exportedChartDotsPerInch));
    const int height = static_cast<int>(std::lround(width * exportedChartHeightPoints / exportedChartWidthPoints));
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        throw Error("Не хватает памяти для рисунка графика");
    const int dotsPerMetre = static_cast<int>(std::lround(exportedChartDotsPerInch * inchesPerMetre));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    drawChart(model, look, painter, QRectF(0, 0, width, height));
    painter.end();
    return image;
}

QByteArray chartPng(const ChartModel& model, const ChartLook& look)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!chartImage(model, look).save(&buffer, "PNG"))
        throw Error("Не удалось записать рисунок графика в PNG");
    return bytes;
}

QByteArray chartSvg(const ChartModel& model, const ChartLook& look, const QString& title)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setTitle(title);
    generator.setDescription("Расчет корпуса судна");
    // One unit of the drawing is a point: 16 cm wide on paper.
    generator.setResolution(72);
    generator.setSize(layoutSize().toSize());
    generator.setViewBox(QRectF(QPointF(0, 0), layoutSize()));
    QPainter painter;
    if (!painter.begin(&generator))
        throw Error("Не удалось начать рисунок графика в SVG");
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(QRectF(QPointF(0, 0), layoutSize()), Qt::white);
    drawChart(model, look, painter, QRectF(QPointF(0, 0), layoutSize()));
    if (!painter.end())
        throw Error("Не удалось завершить рисунок графика в SVG");
    return bytes;
}

void saveChartPng(const std::filesystem::path& path, const ChartModel& model, const ChartLook& look)
{
    saveFileSafely(path, bytesOf(chartPng(model, look)));
}

void saveChartSvg(const std::filesystem::path& path, const ChartModel& model, const ChartLook& look,
                  const QString& title)
{
    saveFileSafely(path, bytesOf(chartSvg(model, look, title)));
}

QMimeData* chartMimeData(const ChartModel& model, const ChartLook& look, const QString& title)
{
    auto* data = new QMimeData;
    data->setImageData(chartImage(model, look));
    data->setData("image/svg+xml", chartSvg(model, look, title));
    return data;
}

}  // namespace hullcalc
