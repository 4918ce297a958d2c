// "Файл → Отчет…" and "Файл → Экспорт в Excel…": the document's last run,
// shown in a print preview or written as a workbook.
#pragma once

#include "report/report_content.h"
#include "shell/document.h"

#include <QString>

#include <functional>

class QWidget;

namespace hullcalc {

class ErrorDisplay;

// The report's content from the document's last run, as the command line
// makes it from its own: the tone chosen in the vibration window (tone I
// before any is chosen), the project's file name, today's date and the
// precision the windows show.
ReportContent reportContentOf(const Document& document, const QString& fileName);

// The print preview, from which the user prints or saves a PDF. A page that
// cannot be drawn is reported on `errors`.
void showReportPreview(QWidget* parent, const ReportContent& content, const ErrorDisplay& errors);

// Asks for a file name (tests answer without a dialog) and writes the
// workbook; a failed write is reported on `errors`.
using WorkbookFileChooser = std::function<QString(QWidget* parent)>;
void exportWorkbook(QWidget* parent, const ReportContent& content, const WorkbookFileChooser& choose,
                    const ErrorDisplay& errors);
QString chooseWorkbookFile(QWidget* parent);

}  // namespace hullcalc
