// A printed document laid out block by block on the A4 pages of a paint
// device: title, headings, paragraphs, captioned lists, tables split across
// pages with their header repeated, and charts drawn as vectors, every page
// numbered "Стр. 3 из 11". Blocks are laid out first and painted at the end,
// when the page count is known.
#pragma once

#include "report/captioned_value.h"
#include "report/report_chart.h"
#include "report/report_table.h"

#include <QFont>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <map>
#include <vector>

class QPagedPaintDevice;
class QPainter;

namespace hullcalc {

class ReportDocument {
public:
    // Sets the device to A4 with the report's margins, in the orientation the
    // device has (portrait unless the user chose landscape).
    explicit ReportDocument(QPagedPaintDevice& device);

    void title(const QString& text);
    // A table of contents listing these headings with the pages they begin on.
    void contents(const std::vector<QString>& headings);
    // A section heading, on a new page unless this one is still empty or
    // newPage is false.
    void heading(const QString& text, bool newPage = true);
    // A heading kept on the same page as the start of what follows it.
    void subheading(const QString& text);
    void paragraph(const QString& text);
    void captionedValues(const std::vector<CaptionedValue>& lines);
    // Split across pages by rows, the title marked "(продолжение)" and the
    // header repeated; a table too wide for the page even in a smaller type is
    // printed in parts of its columns, each with the row labels.
    void table(const ReportTable& table);
    // Tables and lists with every stored digit instead of rounded for reading.
    void setFullPrecision(bool full) { fullPrecision_ = full; }
    // Charts side by side, perRow to a row, each heightPoints high.
    void charts(const std::vector<ReportChart>& charts, int perRow, double heightPoints);
    // Every chart laid out so far, in order.
    const std::vector<PlacedChart>& placedCharts() const { return placedCharts_; }
    // Keeps a chart model made for the report alive until the painting.
    const ChartModel& keep(ChartModel model);

    // Paints every page, with the footer text and the page number at the
    // bottom. Throws Error when the device cannot be painted on. Returns the
    // number of pages.
    int paint(const QString& footer);

private:
    using Drawing = std::function<void(QPainter&)>;
    struct Page {
        std::vector<Drawing> drawings;
    };
    struct TableLayout;

    static double points(double value);
    QFont font(double pointSize, bool bold = false, bool italic = false) const;
    double textHeight(const QFont& font, const QString& text, double width) const;
    double textWidth(const QFont& font, const QString& text) const;
    void newPage();
    // Makes room for a unit `height` high, with the pending subheadings above
    // it, on this page or the next; returns the top of the unit.
    double place(double height);
    // The height the subheadings waiting for the next unit take above it.
    double pendingSubheadingsHeight() const;
    void add(Drawing drawing);
    // The columns' widths in one type size; with `spread` the room left on the
    // line widens the columns whose captions would wrap.
    TableLayout layoutTable(const ReportTable& table, const std::vector<int>& columns, double pointSize,
                            bool spread) const;
    // The first of the table type sizes these columns fit the page width in;
    // the smallest when they fit in none.
    double tableTypeSize(const ReportTable& table, const std::vector<int>& columns) const;
    // The header and the rows of a table part in its layout, from `top` down.
    static void paintTableGrid(QPainter& painter, const TableLayout& layout, const QStringList& headers,
                               const std::vector<QStringList>& rows, int labelColumns, double top);
    // Prints these columns of the table under the title, split across pages by rows.
    void tableColumns(const ReportTable& table, const std::vector<int>& columns, const QString& title, bool withNote);

    QPagedPaintDevice& device_;
    double deviceScaleX_;  // device pixels per dot of the layout
    double deviceScaleY_;
    // In dots of the layout, from the top left of the text area.
    double width_;               // of the text area
    double bottom_;              // of the text area, above the footer
    double y_ = 0;               // where the next block begins
    double headingBottom_ = -1;  // where the last section heading ends, on its page
    std::vector<Page> pages_;
    std::vector<QString> pendingSubheadings_;
    std::map<QString, int> headingPages_;  // page (from 1) each heading begins on
    std::deque<ChartModel> keptCharts_;
    bool fullPrecision_ = false;
    std::vector<PlacedChart> placedCharts_;
};

}  // namespace hullcalc
