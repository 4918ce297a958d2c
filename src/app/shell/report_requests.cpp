#include "shell/report_requests.h"

#include "report/calculation_report.h"
#include "report/workbook_export.h"
#include "run/ship_run.h"
#include "vibration/kumai_estimate.h"
#include "vibration/tone_comparison.h"
#include "widgets/error_display.h"
#include "widgets/file_dialogs.h"
#include "widgets/full_precision_action.h"
#include "widgets/status_message.h"
#include "widgets/window_placement.h"

#include <QDate>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScreen>

#include <filesystem>

namespace hullcalc {

ReportExtras reportExtrasOf(const Document& document)
{
    ReportExtras extras;
    for (const Warning& warning : checkShip(document.particulars, document.trim))
        extras.warnings.push_back(warning.message);
    if (!document.trim.complete)
        return extras;
    // The comparison is part of the report where it can be made; where it
    // cannot (an inertia that is not a number), the report goes without it.
    try {
        const TrimmedHull hull = trimmedHull(document.trim);
        const ParticularValues particulars = readParticularValues(document.particulars);
        extras.tones = compareTones(hull, particulars, document.vibration);
        const TwoNodeEstimate kumai = kumaiTwoNodeFrequency(document.trim, particulars, document.vibration);
        extras.kumaiPerMinute = kumai.perMinute;
        if (!kumai.note.empty())
            extras.warnings.push_back("Оценка по Кумаи: " + kumai.note);
    } catch (const Error&) {
        extras.tones.clear();
        extras.kumaiPerMinute.reset();
    }
    for (std::string& warning : toneDifferenceWarnings(extras.tones))
        extras.warnings.push_back(std::move(warning));
    return extras;
}

ReportContent reportContentOf(const Document& document, const ReportExtras& extras, const QString& fileName)
{
    const VibrationSheet* vibration = document.vibration.frequency.empty() ? nullptr : &document.vibration;
    ReportContent content{document.particulars,
                          document.trim,
                          vibration,
                          extras.tones,
                          extras.kumaiPerMinute,
                          extras.warnings,
                          fileName.toStdString(),
                          QDate::currentDate().toString("dd.MM.yyyy").toStdString()};
    if (document.strength.complete)
        content.strength = &document.strength;
    content.title = document.title;
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
    return chooseFileToSave(parent, "Экспорт в Excel", "Книги Excel (*.xlsx);;Все файлы (*)", "xlsx");
}

void exportWorkbook(QWidget* parent, const ReportContent& content, const WorkbookFileChooser& choose,
                    const ErrorDisplay& errors)
{
    const QString name = choose(parent);
    if (!name.isEmpty()
        && errors.run(parent, [&] { saveWorkbook(std::filesystem::path(name.toStdU16String()), content); }))
        tellInStatusLine(parent, "Книга Excel сохранена: " + name);
}

}  // namespace hullcalc
