#include "shell/report_requests.h"

#include "report/calculation_report.h"
#include "report/workbook_export.h"
#include "widgets/error_display.h"
#include "widgets/full_precision_action.h"
#include "widgets/window_placement.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScreen>

#include <filesystem>

namespace hullcalc {

ReportContent reportContentOf(const Document& document, const QString& fileName)
{
    const int tone = document.vibration.tone > 0 ? document.vibration.tone : lowestTone;
    ReportContent content = reportContentOf(document.run, fileName.toStdString(), todayText(), tone);
    content.fullPrecision = fullPrecisionSetting();
    return content;
}

void showReportPreview(QWidget* parent, const ReportContent& content, const ErrorDisplay& errors)
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle("Отчет о расчете");
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, parent,
                     [&](QPrinter* device) { errors.run(parent, [&] { renderReport(*device, content); }); });
    // Large enough for the whole toolbar, the print button included, and the
    // pages at the width of the window rather than at a quarter of their size.
    if (const QScreen* screen = preview.screen()) {
        const QSize area = screen->availableGeometry().size();
        preview.resize(area.width() * 9 / 10, area.height() * 9 / 10);
    }
    keepOnScreen(&preview);
    if (auto* pages = preview.findChild<QPrintPreviewWidget*>())
        pages->fitToWidth();
    preview.exec();
}

QString chooseWorkbookFile(QWidget* parent)
{
    QString name = QFileDialog::getSaveFileName(parent, "Экспорт в Excel", {}, "Книги Excel (*.xlsx);;Все файлы (*)");
    if (!name.isEmpty() && QFileInfo(name).suffix().isEmpty())
        name += ".xlsx";
    return name;
}

void exportWorkbook(QWidget* parent, const ReportContent& content, const WorkbookFileChooser& choose,
                    const ErrorDisplay& errors)
{
    const QString name = choose(parent);
    if (!name.isEmpty())
        errors.run(parent, [&] { saveWorkbook(std::filesystem::path(name.toStdU16String()), content); });
}

}  // namespace hullcalc
