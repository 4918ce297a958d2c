// Printing a chart alone on one landscape page, as a document of its own.
#pragma once

#include "widgets/chart_view.h"

#include <string>
#include <vector>

class QPagedPaintDevice;
class QPrinter;

namespace hullcalc {

// A chart to print: what it shows and how it looks.
struct PrintedChart {
    const ChartModel& model;
    ChartLook look;
};

// Whether the system has a printer to print on. Qt's default printer object
// stays "valid" without any printer installed, so the list is what tells.
bool printerInstalled();

// Prints the chart on one landscape page of `printer` (a printer or a PDF
// writer), laid out at the page's size (not copied from the screen), as one
// document. The printer's orientation is restored afterwards, also when
// printing fails; a failure throws Error with the message the user sees.
void printChartLandscape(const PrintedChart& chart, QPagedPaintDevice& printer);

// Each chart as the bytes of a PDF document of its own: one landscape A4 page,
// printed as printChartLandscape prints it, in memory, so that the caller can
// save the documents safely. Creates the Qt application the charts need when
// there is none, without a display. Throws Error when printing fails.
std::vector<std::string> chartsAsPdf(const std::vector<PrintedChart>& charts);

// Prints each chart in turn, each alone on a landscape page as a document of
// its own, on the system's default printer. Throws Error("Принтер не
// установлен") when there is no printer.
void printOnDefaultPrinter(const std::vector<PrintedChart>& charts);

}  // namespace hullcalc
