// The calculation report: a Russian A4 document of everything the trim and
// vibration calculations computed, for the print preview and as a PDF file.
#pragma once

#include "report/report_chart.h"
#include "report/report_content.h"

#include <filesystem>
#include <vector>

class QPagedPaintDevice;

namespace hullcalc {

// Lays the report out on A4 pages of the device (a QPrinter from the print
// preview, a QPdfWriter) and paints them: the title page with the particulars
// and the contents, the input tables, the Bonjean tables, the hydrostatic
// curves, the approximations, the trim table, the loads, shear force and
// bending moment, the summary, the remarks and the vibration results, tables
// and charts. Needs a Qt application (charts are widgets). Throws Error when
// the device cannot be painted on. Returns the number of pages; the charts it
// placed, when asked for.
int renderReport(QPagedPaintDevice& device, const ReportContent& content,
                 std::vector<PlacedChart>* placedCharts = nullptr);

// Renders the report into a PDF file. The old file is replaced only once the
// whole document is written (saveFileSafely). Makes the Qt application it
// needs when there is none, without a display. Throws Error with a message
// naming the file on failure.
void saveReportPdf(const std::filesystem::path& path, const ReportContent& content);

}  // namespace hullcalc
