#include "report/report_document.h"

#include "common/error.h"
#include "widgets/chart_view.h"
#include "widgets/qt_text.h"

#include <QFontMetricsF>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <numeric>

namespace hullcalc {

namespace {

// Type sizes, points.
constexpr double titleSize = 16;
constexpr double headingSize = 13;
constexpr double subheadingSize = 10.5;
constexpr double bodySize = 9.5;
constexpr double noteSize = 8;
constexpr double footerSize = 8;
// A table takes the first size it fits the page width in; one that fits in
// none is printed in parts of its columns in the last.
constexpr double tableSizes[] = {8.0, 7.5, 7.0, 6.5};
// Text drawn on the page can come out a few per cent wider than the screen
// font's metrics measure it.
constexpr double printedTextSlack = 1.05;
constexpr double footerHeight = 24;  // points below the text area for the footer
// Charts are laid out this much larger than the paper they cover, so that
// their labels come out in a size that suits the tables beside them.
constexpr double chartScale = 1.8;

// The layout's unit: a dot of 1/1200 inch, whatever the device's resolution,
// so that the pages break alike on a printer and in a PDF. The painter scales
// the dots to the device.
constexpr double layoutDotsPerInch = 1200;
constexpr double dotsPerPoint = layoutDotsPerInch / 72;

const QColor ruleColour(100, 100, 100);
const QColor lightRuleColour(200, 200, 200);
const QColor headerFill(226, 231, 238);

// The texts of these columns of a table's line (its header or a row).
QStringList columnTexts(const std::vector<std::string>& line, const std::vector<int>& columns)
{
    QStringList texts;
    for (const int column : columns)
        texts.append(toQString(line[static_cast<std::size_t>(column)]));
    return texts;
}

}  // namespace

double ReportDocument::points(double value) { return value * dotsPerPoint; }

// How a table, or a part of its columns, is printed in one type size.
struct ReportDocument::TableLayout {
    QFont font;
    QFont headerFont;
    std::vector<double> widths;  // of each column printed
    double padding = 0;
    double headerHeight = 0;
    double rowHeight = 0;

    double total() const { return std::accumulate(widths.begin(), widths.end(), 0.0); }
};

ReportDocument::ReportDocument(QPagedPaintDevice& device) : device_(device)
{
    // The orientation is the device's: portrait unless the user chose
    // landscape in the page setup of the print preview.
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), device.pageLayout().orientation(),
                                     QMarginsF(25, 15, 12, 12), QPageLayout::Millimeter));
    deviceScaleX_ = device.logicalDpiX() / layoutDotsPerInch;
    deviceScaleY_ = device.logicalDpiY() / layoutDotsPerInch;
    width_ = device.width() / deviceScaleX_;
    bottom_ = device.height() / deviceScaleY_ - points(footerHeight);
    pages_.emplace_back();
}

QFont ReportDocument::font(double pointSize, bool bold, bool italic) const
{
    QFont font;
    font.setStyleHint(QFont::SansSerif);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setPixelSize(static_cast<int>(std::lround(points(pointSize))));
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

double ReportDocument::textHeight(const QFont& font, const QString& text, double width) const
{
    const QFontMetricsF metrics(font);
    return std::max(metrics.height(), metrics.boundingRect(QRectF(0, 0, width, 1e9), Qt::TextWordWrap, text).height());
}

double ReportDocument::textWidth(const QFont& font, const QString& text) const
{
    return QFontMetricsF(font).horizontalAdvance(text);
}

void ReportDocument::newPage()
{
    pages_.emplace_back();
    y_ = 0;
    headingBottom_ = -1;
}

void ReportDocument::add(Drawing drawing) { pages_.back().drawings.push_back(std::move(drawing)); }

double ReportDocument::pendingSubheadingsHeight() const
{
    const QFont headingFont = font(subheadingSize, true);
    double headings = 0;
    for (const QString& text : pendingSubheadings_)
        headings += points(8) + textHeight(headingFont, text, width_) + points(3);
    return headings;
}

double ReportDocument::place(double height)
{
    const QFont headingFont = font(subheadingSize, true);
    const double spaceAbove = points(8);
    const double headings = pendingSubheadingsHeight();
    const bool pageEmpty = pages_.back().drawings.empty();
    if (y_ + headings + height > bottom_ && !pageEmpty)
        newPage();
    for (const QString& text : pendingSubheadings_) {
        if (y_ > 0)
            y_ += spaceAbove;
        const double h = textHeight(headingFont, text, width_);
        const QRectF rect(0, y_, width_, h);
        add([=](QPainter& painter) {
            painter.setFont(headingFont);
            painter.drawText(rect, Qt::TextWordWrap, text);
        });
        y_ += h + points(3);
    }
    pendingSubheadings_.clear();
    const double top = y_;
    y_ += height;
    return top;
}

const ChartModel& ReportDocument::keep(ChartModel model) { return keptCharts_.emplace_back(std::move(model)); }

void ReportDocument::title(const QString& text)
{
    const QFont titleFont = font(titleSize, true);
    const double h = textHeight(titleFont, text, width_);
    const double top = place(h + points(14));
    add([=, this](QPainter& painter) {
        painter.setFont(titleFont);
        painter.drawText(QRectF(0, top, width_, h), Qt::AlignHCenter | Qt::TextWordWrap, text);
    });
}

void ReportDocument::contents(const std::vector<QString>& headings)
{
    pendingSubheadings_.push_back("Содержание");
    const QFont lineFont = font(bodySize);
    const double lineHeight = textHeight(lineFont, "Ag", width_) + points(3);
    for (const QString& text : headings) {
        const double top = place(lineHeight);
        // The page numbers are known only once every heading is laid out.
        add([=, this](QPainter& painter) {
            painter.setFont(lineFont);
            const QRectF rect(0, top, width_, lineHeight);
            painter.drawText(rect, Qt::AlignLeft | Qt::AlignVCenter, text);
            const auto page = headingPages_.find(text);
            if (page != headingPages_.end())
                painter.drawText(rect, Qt::AlignRight | Qt::AlignVCenter, QString::number(page->second));
        });
    }
}

void ReportDocument::heading(const QString& text, bool newPage)
{
    if (newPage && !pages_.back().drawings.empty())
        this->newPage();
    const QFont headingFont = font(headingSize, true);
    const double spaceAbove = y_ > 0 ? points(14) : 0;
    const double h = textHeight(headingFont, text, width_);
    // No space above a heading that begins a page.
    const double start = place(spaceAbove + h + points(6));
    const double top = start > 0 ? start + spaceAbove : 0;
    y_ = top + h + points(6);
    headingBottom_ = y_;
    headingPages_[text] = static_cast<int>(pages_.size());
    add([=, this](QPainter& painter) {
        painter.setFont(headingFont);
        painter.drawText(QRectF(0, top, width_, h), Qt::TextWordWrap, text);
        painter.setPen(QPen(ruleColour, points(0.6)));
        painter.drawLine(QPointF(0, top + h + points(2)), QPointF(width_, top + h + points(2)));
    });
}

void ReportDocument::subheading(const QString& text) { pendingSubheadings_.push_back(text); }

void ReportDocument::paragraph(const QString& text)
{
    const QFont bodyFont = font(bodySize);
    const double h = textHeight(bodyFont, text, width_);
    const double top = place(h + points(4));
    add([=, this](QPainter& painter) {
        painter.setFont(bodyFont);
        painter.drawText(QRectF(0, top, width_, h), Qt::TextWordWrap, text);
    });
}

void ReportDocument::captionedValues(const std::vector<CaptionedValue>& storedLines)
{
    std::vector<CaptionedValue> lines = storedLines;
    for (CaptionedValue& line : lines)
        line.value = shownValue(line, fullPrecision_);
    const QFont bodyFont = font(bodySize);
    const double gap = points(12);
    double captionWidth = 0;
    for (const CaptionedValue& line : lines)
        captionWidth = std::max(captionWidth, textWidth(bodyFont, toQString(line.caption)));
    captionWidth = std::min(captionWidth, width_ * 0.7 - gap);
    const double valueRoom = width_ - captionWidth - gap;
    // A value too long for the column beside the captions (a sentence naming
    // a source) takes its own lines under its caption, never over it.
    double valueWidth = points(40);
    for (const CaptionedValue& line : lines)
        if (const double w = textWidth(bodyFont, toQString(line.value)); w <= valueRoom)
            valueWidth = std::max(valueWidth, w);
    const double indent = points(18);
    for (const CaptionedValue& line : lines) {
        const QString caption = toQString(line.caption);
        // An empty value is a result not computed.
        const QString value = line.value.empty() ? QString("—") : toQString(line.value);
        const bool below = textWidth(bodyFont, value) > valueRoom;
        const double h = textHeight(bodyFont, caption, below ? width_ : captionWidth);
        const double valueHeight = below ? textHeight(bodyFont, value, width_ - indent) : 0.0;
        const double top = place(h + valueHeight + points(3));
        const double right = captionWidth + gap + valueWidth;
        const double width = width_;
        add([=](QPainter& painter) {
            painter.setFont(bodyFont);
            painter.drawText(QRectF(0, top, below ? width : captionWidth, h), Qt::TextWordWrap, caption);
            if (below)
                painter.drawText(QRectF(indent, top + h, width - indent, valueHeight), Qt::TextWordWrap, value);
            else
                painter.drawText(QRectF(captionWidth + gap, top, valueWidth, h), Qt::AlignRight | Qt::AlignBottom,
                                 value);
            painter.setPen(QPen(lightRuleColour, 0));
            const double rule = top + h + valueHeight + 1;
            painter.drawLine(QPointF(0, rule), QPointF(below ? width : right, rule));
        });
    }
    y_ += points(4);
}

ReportDocument::TableLayout ReportDocument::layoutTable(const ReportTable& table, const std::vector<int>& columns,
                                                        double pointSize, bool spread) const
{
    TableLayout layout;
    layout.font = font(pointSize);
    layout.headerFont = font(pointSize, true);
    layout.padding = points(2.5);
    const QFontMetricsF cells(layout.font);
    const QFontMetricsF headers(layout.headerFont);
    std::vector<double> headerWidths;
    for (const int column : columns) {
        const QString header = toQString(table.header[static_cast<std::size_t>(column)]);
        double width = 0;
        for (const QString& word : header.split(' ', Qt::SkipEmptyParts))
            width = std::max(width, headers.horizontalAdvance(word));
        for (const std::vector<std::string>& row : table.rows)
            width = std::max(width, cells.horizontalAdvance(toQString(row[static_cast<std::size_t>(column)])));
        layout.widths.push_back(width + 2 * layout.padding);
        headerWidths.push_back(headers.horizontalAdvance(header) * printedTextSlack + 2 * layout.padding);
    }
    // The room left on the line goes to the captions that would wrap, so that
    // they take fewer lines.
    double wanted = 0;
    for (std::size_t i = 0; i < columns.size(); ++i)
        wanted += std::max(0.0, headerWidths[i] - layout.widths[i]);
    const double spare = width_ - layout.total();
    if (spread && spare > 0 && wanted > 0) {
        const double share = std::min(1.0, spare / wanted);
        for (std::size_t i = 0; i < columns.size(); ++i)
            layout.widths[i] += std::max(0.0, headerWidths[i] - layout.widths[i]) * share;
    }
    // Then cramped columns of short numbers get air, each up to a comfortable width.
    const double comfortable = points(pointSize * 4.5);
    double cramped = 0;
    for (const double width : layout.widths)
        cramped += std::max(0.0, comfortable - width);
    const double left = width_ - layout.total();
    if (spread && left > 0 && cramped > 0) {
        const double share = std::min(1.0, left / cramped);
        for (double& width : layout.widths)
            width += std::max(0.0, comfortable - width) * share;
    }
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const QString header = toQString(table.header[static_cast<std::size_t>(columns[i])]);
        // Measured a little narrower than the cell: a caption that comes out
        // wider on the page and wraps there still has the height for its
        // second line ("σ палубы, МПа" lost its unit so).
        const double room = (layout.widths[i] - 2 * layout.padding) / printedTextSlack;
        layout.headerHeight = std::max(
            layout.headerHeight, headers.boundingRect(QRectF(0, 0, room, 1e9), Qt::TextWordWrap, header).height());
    }
    layout.headerHeight += 2 * layout.padding;
    layout.rowHeight = cells.height() + 2 * layout.padding;
    return layout;
}

void ReportDocument::table(const ReportTable& storedTable)
{
    const ReportTable table = shownTable(storedTable, fullPrecision_);
    std::vector<int> all(table.header.size());
    std::iota(all.begin(), all.end(), 0);
    const int labels = std::min(table.labelColumns, static_cast<int>(all.size()));
    const int dataColumns = static_cast<int>(all.size()) - labels;
    const auto fits = [&](const std::vector<int>& columns, double size) {
        return layoutTable(table, columns, size, false).total() <= width_;
    };
    if (dataColumns <= 0
        || std::any_of(std::begin(tableSizes), std::end(tableSizes), [&](double size) { return fits(all, size); })) {
        tableColumns(table, all, toQString(table.title), true);
        return;
    }
    // In parts of its columns, each part with the row labels: as few parts as
    // fit the page (each taking what the page has room for), and as even as
    // they go in that many.
    const double size = tableSizes[1];
    std::vector<std::vector<int>> greedy(1, std::vector<int>(all.begin(), all.begin() + labels));
    for (int column = labels; column < static_cast<int>(all.size()); ++column) {
        greedy.back().push_back(column);
        if (static_cast<int>(greedy.back().size()) > labels + 1 && !fits(greedy.back(), size)) {
            greedy.back().pop_back();
            greedy.emplace_back(all.begin(), all.begin() + labels).push_back(column);
        }
    }
    const int parts = static_cast<int>(greedy.size());
    std::vector<std::vector<int>> even;
    for (int first = 0, i = 0; i < parts; ++i) {
        const int count = (dataColumns - first + (parts - i) - 1) / (parts - i);
        std::vector<int>& columns = even.emplace_back(all.begin(), all.begin() + labels);
        for (int c = first; c < first + count; ++c)
            columns.push_back(labels + c);
        first += count;
    }
    if (!std::all_of(even.begin(), even.end(), [&](const std::vector<int>& columns) { return fits(columns, size); }))
        even = greedy;
    bool first = true;
    for (const std::vector<int>& columns : even) {
        const QString title = QString("%1 (столбцы %2–%3 из %4)")
                                  .arg(toQString(table.title))
                                  .arg(columns[static_cast<std::size_t>(labels)] - labels + 1)
                                  .arg(columns.back() - labels + 1)
                                  .arg(dataColumns);
        tableColumns(table, columns, title, first);
        first = false;
    }
}

double ReportDocument::tableTypeSize(const ReportTable& table, const std::vector<int>& columns) const
{
    for (const double size : tableSizes) {
        if (layoutTable(table, columns, size, false).total() <= width_)
            return size;
    }
    return tableSizes[std::size(tableSizes) - 1];
}

void ReportDocument::paintTableGrid(QPainter& painter, const TableLayout& layout, const QStringList& headers,
                                    const std::vector<QStringList>& rows, int labelColumns, double top)
{
    const QPen rule(ruleColour, points(0.4));
    const double pad = layout.padding;
    double y = top;
    double x = 0;
    painter.setFont(layout.headerFont);
    for (int i = 0; i < headers.size(); ++i) {
        const QRectF cell(x, y, layout.widths[static_cast<std::size_t>(i)], layout.headerHeight);
        painter.fillRect(cell, headerFill);
        painter.setPen(rule);
        painter.drawRect(cell);
        painter.setPen(Qt::black);
        painter.drawText(cell.adjusted(pad, pad, -pad, -pad), Qt::AlignCenter | Qt::TextWordWrap, headers[i]);
        x += cell.width();
    }
    y += layout.headerHeight;
    painter.setFont(layout.font);
    for (const QStringList& texts : rows) {
        x = 0;
        for (int i = 0; i < texts.size(); ++i) {
            const QRectF cell(x, y, layout.widths[static_cast<std::size_t>(i)], layout.rowHeight);
            painter.setPen(rule);
            painter.drawRect(cell);
            painter.setPen(Qt::black);
            const Qt::Alignment align = i < labelColumns ? Qt::AlignLeft : Qt::AlignRight;
            painter.drawText(cell.adjusted(pad, 0, -pad, 0), align | Qt::AlignVCenter, texts[i]);
            x += cell.width();
        }
        y += layout.rowHeight;
    }
}

void ReportDocument::tableColumns(const ReportTable& table, const std::vector<int>& columns, const QString& title,
                                  bool withNote)
{
    const TableLayout layout = layoutTable(table, columns, tableTypeSize(table, columns), true);
    const QFont titleFont = font(bodySize, true);
    const QFont noteFont = font(noteSize, false, true);
    const QString note = withNote ? toQString(table.note) : QString();
    const QStringList headers = columnTexts(table.header, columns);
    const int labels = table.labelColumns;

    std::size_t next = 0;
    bool first = true;
    while (next < table.rows.size() || first) {
        const QString caption = first ? title : title + " (продолжение)";
        const double titleHeight = textHeight(titleFont, caption, width_) + points(3);
        const double noteHeight = first && !note.isEmpty() ? textHeight(noteFont, note, width_) + points(3) : 0;
        const double above = titleHeight + noteHeight + layout.headerHeight;
        const std::size_t left = table.rows.size() - next;
        // Room for the least that may stand on a page: the title, the header and
        // two rows. The part then takes every row the page has room for.
        const double top = place(above + layout.rowHeight * static_cast<double>(std::min<std::size_t>(left, 2)));
        const auto fit =
            static_cast<std::size_t>(std::max(0.0, std::floor((bottom_ - top - above) / layout.rowHeight)));
        std::size_t count = std::min(left, std::max<std::size_t>(fit, 1));
        // A sum row alone on the next page reads as a stray: at least three
        // rows go over together.
        constexpr std::size_t fewestCarried = 3;
        if (count < left && left - count < fewestCarried && count > 2 * fewestCarried)
            count = left - fewestCarried;

        std::vector<QStringList> rows;
        for (std::size_t r = next; r < next + count; ++r)
            rows.push_back(columnTexts(table.rows[r], columns));
        add([=, this](QPainter& painter) {
            painter.setFont(titleFont);
            painter.drawText(QRectF(0, top, width_, titleHeight), Qt::TextWordWrap, caption);
            if (noteHeight > 0) {
                painter.setFont(noteFont);
                painter.drawText(QRectF(0, top + titleHeight, width_, noteHeight), Qt::TextWordWrap, note);
            }
            paintTableGrid(painter, layout, headers, rows, labels, top + titleHeight + noteHeight);
        });
        y_ = top + above + layout.rowHeight * static_cast<double>(count) + points(8);
        next += count;
        first = false;
        if (next < table.rows.size())
            newPage();
    }
}

void ReportDocument::charts(const std::vector<ReportChart>& charts, int perRow, double heightPoints)
{
    const QFont captionFont = font(noteSize + 0.5, true);
    const double gap = points(10);
    const double chartWidth = (width_ - gap * (perRow - 1)) / perRow;
    const double chartHeight = points(heightPoints);
    const auto captionHeightOf = [&](std::size_t first) {
        double height = 0;
        for (std::size_t i = first; i < std::min(charts.size(), first + static_cast<std::size_t>(perRow)); ++i)
            height = std::max(height, textHeight(captionFont, charts[i].caption, chartWidth));
        return height;
    };
    // Charts that fit one page stay together on one, under their subheading,
    // rather than leave a row of them alone on the next page; a section's
    // heading is never left alone for them.
    double allRows = pendingSubheadingsHeight();
    for (std::size_t first = 0; first < charts.size(); first += static_cast<std::size_t>(perRow))
        allRows += captionHeightOf(first) + points(2) + chartHeight + points(8);
    if (y_ + allRows > bottom_ && allRows <= bottom_ && y_ > headingBottom_ + 1.0)
        newPage();
    for (std::size_t first = 0; first < charts.size(); first += static_cast<std::size_t>(perRow)) {
        const std::size_t last = std::min(charts.size(), first + static_cast<std::size_t>(perRow));
        const double captionHeight = captionHeightOf(first);
        const double top = place(captionHeight + points(2) + chartHeight + points(8));
        for (std::size_t i = first; i < last; ++i) {
            const ReportChart& chart = charts[i];
            placedCharts_.push_back({chart.caption, chart.look.xTitle, chart.look.yTitle});
            const QRectF area((static_cast<double>(i - first)) * (chartWidth + gap), top, chartWidth,
                              captionHeight + points(2) + chartHeight);
            const ChartModel* model = &chart.model;
            const ChartLook look = chart.look;
            const QString caption = chart.caption;
            add([=, this](QPainter& painter) {
                painter.setFont(captionFont);
                painter.drawText(QRectF(area.left(), area.top(), area.width(), captionHeight),
                                 Qt::AlignHCenter | Qt::TextWordWrap, caption);
                // Laid out at its own size in points (not copied from a
                // screen) and drawn as vectors into the page.
                ChartView view(*model, look);
                const QSizeF size(area.width() / dotsPerPoint * chartScale, heightPoints * chartScale);
                view.layOutAt(size);
                const QRectF target(area.left(), area.bottom() - chartHeight, area.width(), chartHeight);
                view.scene()->render(&painter, target, QRectF(QPointF(0, 0), size), Qt::KeepAspectRatio);
            });
        }
    }
}

int ReportDocument::paint(const QString& footer)
{
    while (pages_.size() > 1 && pages_.back().drawings.empty())
        pages_.pop_back();
    QPainter painter;
    if (!painter.begin(&device_))
        throw Error("Не удалось начать печать отчета");
    painter.setRenderHint(QPainter::Antialiasing);
    const int count = static_cast<int>(pages_.size());
    const QFont footerFont = font(footerSize);
    const double footerTop = bottom_ + points(8);
    const QRectF footerArea(0, footerTop, width_, points(footerHeight) - points(8));
    for (int page = 0; page < count; ++page) {
        if (page > 0 && !device_.newPage())
            throw Error("Не удалось начать новую страницу отчета");
        painter.setWorldTransform(QTransform::fromScale(deviceScaleX_, deviceScaleY_));
        for (const Drawing& drawing : pages_[static_cast<std::size_t>(page)].drawings) {
            painter.save();
            drawing(painter);
            painter.restore();
        }
        painter.setPen(QPen(ruleColour, points(0.4)));
        painter.drawLine(QPointF(0, footerTop), QPointF(width_, footerTop));
        painter.setFont(footerFont);
        painter.setPen(Qt::black);
        painter.drawText(footerArea, Qt::AlignLeft | Qt::AlignVCenter, footer);
        painter.drawText(footerArea, Qt::AlignRight | Qt::AlignVCenter,
                         QString("Стр. %1 из %2").arg(page + 1).arg(count));
    }
    if (!painter.end())
        throw Error("Не удалось завершить печать отчета");
    return count;
}

}  // namespace hullcalc
