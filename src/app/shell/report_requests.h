// "Файл → Отчет…" and "Файл → Экспорт в Excel…": the document as the windows
// hold it now, with the tones compared and the checks' remarks, shown in a
// print preview or written as a workbook.
#pragma once

#include "report/report_content.h"
#include "shell/document.h"

#include <QString>

#include <functional>
#include <vector>

class QWidget;

namespace hullcalc {

class ErrorDisplay;

// What the report needs beyond the document's own sheets.
struct ReportExtras {
    std::vector<ToneSummary> tones;
    std::optional<double> kumaiPerMinute;
    std::vector<std::string> warnings;
};

// The tones I–IV by both methods and the Kumai estimate when a trim run has
// completed (none where they cannot be computed), and the checks' remarks.
ReportExtras reportExtrasOf(const Document& document);

// The report's content, referring to the document and to `extras`.
ReportContent reportContentOf(const Document& document, const ReportExtras& extras, const QString& fileName);

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
