// Printing a chart alone on one landscape page, as a document of its own.
#pragma once

#include "widgets/chart_view.h"

#include <functional>
#include <string>
#include <vector>

class QPagedPaintDevice;
class QPrinter;
class QWidget;

namespace hullcalc {

// A chart to print: what it shows and how it looks.
struct PrintedChart {
    const ChartModel& model;
    ChartLook look;
};

// The title block's line ("Судно: …; Выполнил: …") printed under every chart
// printed from now on; empty prints none.
void setPrintedTitleLine(const QString& line);

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

// Lets the user choose where the charts go: the standard print dialog, which
// offers printing to a PDF file as well as the installed printers (so it also
// serves where no printer is installed). Returns false when the user cancels.
using PrinterChoice = std::function<bool(QPrinter& printer, QWidget* parent)>;
bool choosePrinterInDialog(QPrinter& printer, QWidget* parent);

// Prints each chart in turn, each alone on a landscape page, on the printer or
// PDF file the user chooses with `choose`; nothing when the user cancels.
// Throws Error when printing fails.
void printCharts(const std::vector<PrintedChart>& charts, QWidget* parent,
                 const PrinterChoice& choose = choosePrinterInDialog);

}  // namespace hullcalc
