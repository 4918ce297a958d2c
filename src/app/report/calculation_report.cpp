#include "report/calculation_report.h"

#include "common/error.h"
#include "common/file_io.h"
#include "common/hull_frames.h"
#include "common/program_version.h"
#include "presentation/trim_window_pages.h"
#include "report/report_document.h"
#include "report/save_failure.h"
#include "report/strength_tables.h"
#include "report/trim_tables.h"
#include "report/vibration_tables.h"
#include "widgets/chart_looks.h"
#include "widgets/drawing_application.h"
#include "widgets/qt_text.h"
#include "widgets/results_charts.h"

#include <QBuffer>
#include <QPdfWriter>

#include <algorithm>

namespace hullcalc {

namespace {

// Points high: four rows of two curves of form fill one page with their captions.
constexpr double formChartHeight = 140;

// The sections after those of the trim calculation's pages.
const QString remarksSection = "Замечания";
const QString vibrationSection = "Вибрация корпуса";

bool hasVibration(const ReportContent& content) { return content.vibration || !content.tones.empty(); }

// The title block's date where the user typed one, else the day of printing.
std::string printedDate(const ReportContent& content)
{
    return content.title.date.empty() ? content.date : content.title.date;
}

// The headings in their order, numbered: the sections the still-water pages
// name, the remarks, the vibration when there is one, and the ship on a wave
// when it was calculated.
std::vector<QString> sectionHeadings(const ReportContent& content)
{
    std::vector<QString> headings;
    for (std::string_view section : trimReportSections())
        headings.push_back(toQString(section));
    headings.push_back(remarksSection);
    if (hasVibration(content))
        headings.push_back(vibrationSection);
    if (content.strength)
        for (std::string_view section : trimReportSections(ReportPart::afterVibration))
            headings.push_back(toQString(section));
    for (std::size_t i = 0; i < headings.size(); ++i)
        headings[i] = QString("%1. %2").arg(i + 1).arg(headings[i]);
    return headings;
}

// A chart as the windows draw it, its title left to the caption above it and
// its points marked.
ChartLook onPaper(ChartLook look)
{
    look.showTitle = false;
    look.pointMarks = true;
    look.markSize = 3;
    return look;
}

// A hydrostatic curve: the quantity's full name in the caption above, its
// symbol and unit along the axis, where a half-page chart has room for them.
ReportChart hydrostaticCurve(const HydrostaticCurve& curve, const QString& quantity, const QString& axis)
{
    return {curve.chart, onPaper(againstDraft(axis)), quantity};
}

// The symbols of a chart's curves with their one unit, "Zc, KM, м": an axis
// title a half-page chart has room for; the caption above names them in full.
QString curveSymbols(const ChartModel& chart)
{
    QStringList symbols;
    QString unit;
    for (const ChartSeries& series : chart.series) {
        const QString caption = toQString(series.title());
        const qsizetype comma = caption.indexOf(", ");
        symbols.append(caption.left(comma));
        if (comma >= 0)
            unit = caption.mid(comma + 2);
    }
    return symbols.join(", ") + (unit.isEmpty() ? QString() : ", " + unit);
}

// A table, or the words that its step has not run.
void tableOrNothing(ReportDocument& document, const ReportTable& table)
{
    if (hasValues(table)) {
        document.table(table);
    } else {
        document.subheading(toQString(table.title));
        document.paragraph("Не рассчитано.");
    }
}

void chartsWithPoints(ReportDocument& document, const std::vector<ReportChart>& charts, int perRow, double height)
{
    std::vector<ReportChart> drawn;
    for (const ReportChart& chart : charts)
        if (hasPoints(chart.model))
            drawn.push_back(chart);
    if (!drawn.empty())
        document.charts(drawn, perRow, height);
}

void titlePage(ReportDocument& document, const ReportContent& content)
{
    document.title(hasVibration(content) ? "Расчет удифферентовки и общей вибрации корпуса судна"
                                         : "Расчет удифферентовки корпуса судна");
    std::vector<CaptionedValue> block;
    for (const TitleField& field : titleFields)
        if (field.text != &TitleBlock::date && !(content.title.*field.text).empty())
            block.push_back({std::string(field.caption), content.title.*field.text, false});
    if (!content.fileName.empty())
        block.push_back({"Файл", content.fileName, false});
    const std::string date = printedDate(content);
    if (!date.empty())
        block.push_back({"Дата", date, false});
    document.captionedValues(block);
    document.subheading("Главные размерения и тип судна");
    document.captionedValues(particularLines(content.particulars));
    if (!content.trim.complete)
        document.paragraph(
            "Расчет удифферентовки не завершен: в отчете то, что успели записать выполненные шаги расчета.");
    document.contents(sectionHeadings(content));
}

void inputSection(ReportDocument& document, const TrimSheet& trim)
{
    document.table(offsetsTable(trim.input));
    document.table(massesTable(trim.input));
}

void bonjeanSection(ReportDocument& document, const TrimSheet& trim)
{
    tableOrNothing(document, sectionAreasTable(trim.bonjean));
    tableOrNothing(document, sectionMomentsTable(trim.bonjean));
    // The scale drawn as the Bonjean window draws it: each frame's curve from
    // its own station, the scale in the chart's title, the two on one page.
    ChartLook scale;
    scale.showTitle = true;
    scale.frameAxis = std::pair(0, frameCount);  // room for the stern frame's curve beyond frame 20
    scale.xTitle = "Шпангоут; кривая — от своего шпангоута в масштабе заголовка";
    scale.yTitle = "Высота от основной линии, м";
    chartsWithPoints(
        document,
        {{trim.bonjean.bonjeanCurves, scale, "Масштаб Бонжана: погруженные площади шпангоутов"},
         {trim.bonjean.bonjeanMomentCurves, scale, "Масштаб Бонжана: статические моменты площадей шпангоутов"}},
        1, 300);
}

void hydrostaticsSection(ReportDocument& document, const TrimSheet& trim)
{
    tableOrNothing(document, hydrostaticsTable(trim.bonjean, trim.hydrostatics));
    const HydrostaticCurves& curves = trim.hydrostatics;
    // The subheading waits for the charts, so that it goes to their page.
    if (hasPoints(curves.volume.chart))
        document.subheading("Графики кривых элементов (по горизонтали — величина, по вертикали — осадка z, м)");
    chartsWithPoints(
        document,
        {hydrostaticCurve(curves.volume, "Объемное водоизмещение V, куб. м", "V, куб. м"),
         hydrostaticCurve(curves.centreOfBuoyancy, "Абсцисса центра величины Xc от миделя, м", "Xc, м"),
         hydrostaticCurve(curves.waterplaneArea, "Площадь ватерлинии S, кв. м", "S, кв. м"),
         hydrostaticCurve(curves.centreOfFlotation, "Абсцисса центра тяжести ватерлинии Xf от миделя, м", "Xf, м"),
         hydrostaticCurve(curves.longitudinalInertia, "Момент инерции площади ватерлинии Iy (один борт, от 0 шп), м⁴",
                          "Iy, м⁴"),
         hydrostaticCurve(curves.transverseInertia, "Момент инерции площади ватерлинии Iz (один борт, от ДП), м⁴",
                          "Iz, м⁴"),
         hydrostaticCurve(curves.transverseRadius, "Поперечный метацентрический радиус r, м", "r, м"),
         hydrostaticCurve(curves.longitudinalRadius, "Продольный метацентрический радиус R, м", "R, м")},
        2, formChartHeight);

    tableOrNothing(document, curvesOfFormTable(trim.curvesOfForm));
    std::vector<ReportChart> formCharts;
    for (std::size_t i = 0; i < trim.curvesOfForm.charts.size(); ++i) {
        const ChartModel& chart = trim.curvesOfForm.charts[i];
        ChartLook formLook = onPaper(againstDraft(curveSymbols(chart), "Осадка T, м"));
        formLook.legend = chart.series.size() > 1;
        formCharts.push_back({chart, formLook, toQString(chart.title)});
    }
    chartsWithPoints(document, formCharts, 2, formChartHeight);
}

void waterlineSection(ReportDocument& document, const TrimSheet& trim)
{
    document.subheading("Начальное и последнее приближения");
    document.captionedValues(iterationLines(trim.iteration));
    tableOrNothing(document, approximationsTable(trim.iteration));
    tableOrNothing(document, designWaterlineTable(trim.iteration));
    ChartLook drafts = onPaper(alongFrameRows("Осадка, м"));
    drafts.yMinimum = 0.0;
    chartsWithPoints(document,
                     {{trim.iteration.frameDraftChart, drafts, "Осадки на шпангоутах 0–20, м"},
                      {trim.iteration.designSectionAreaChart, onPaper(alongFrameRows("Площадь шпангоута, кв. м")),
                       "Погруженные площади шпангоутов 0–20, кв. м"}},
                     1, 300);
}

void trimTableSection(ReportDocument& document, const TrimSheet& trim)
{
    tableOrNothing(document, trimCalculationTable(trim.results));
}

void strengthSection(ReportDocument& document, const TrimSheet& trim)
{
    const TrimTable& results = trim.results;
    tableOrNothing(document, loadsTable(results));
    tableOrNothing(document, internalForcesTable(results));
    std::vector<PrintedChart> printed =
        resultsCharts(results.loadChart, results.shearForceChart, results.bendingMomentChart);
    const char* captions[] = {"Нагрузка на шпацию, кН", "Перерезывающая сила, кН", "Изгибающий момент, кН·м"};
    std::vector<ReportChart> charts;
    for (std::size_t i = 0; i < printed.size(); ++i) {
        ChartLook chartLook = printed[i].look;
        chartLook.showTitle = false;
        charts.push_back({printed[i].model, chartLook, captions[i]});
    }
    chartsWithPoints(document, charts, 1, 205);
}

void summarySection(ReportDocument& document, const TrimSheet& trim)
{
    document.captionedValues(summaryLines(trim));
    const std::vector<CaptionedValue> stability = initialStabilityLines(trim.stability);
    if (!stability.empty()) {
        document.subheading("Начальная остойчивость при средней осадке");
        document.captionedValues(stability);
    }
}

// A section no writer above knows: the grids of every page that names it, as
// they stand.
void pageGridsSection(ReportDocument& document, const TrimSheet& trim, std::string_view section)
{
    for (const TrimWindowPage& page : trimWindowPages())
        if (std::ranges::find(page.reportSections, section) != page.reportSections.end())
            for (const PageGrid& grid : page.grids)
                tableOrNothing(document, gridTable(std::string(page.caption), grid.in(trim)));
}

void remarks(ReportDocument& document, const QString& heading, const std::vector<std::string>& warnings)
{
    document.heading(heading, false);
    if (warnings.empty())
        document.paragraph("Замечаний нет");
    for (const std::string& warning : warnings)
        document.paragraph("• " + toQString(warning));
}

void vibrationSections(ReportDocument& document, const QString& heading, const ReportContent& content)
{
    document.heading(heading);
    const VibrationSheet* vibration = content.vibration;
    if (vibration) {
        document.subheading("Частота свободных колебаний (энергетический метод)");
        document.captionedValues(vibrationResultLines(*vibration));
    }
    if (!content.tones.empty()) {
        document.subheading("Тоны по трем методам");
        document.table(methodComparisonTable(content.tones));
        document.captionedValues(beamModelLines(content.tones, content.shearAreaNote));
        document.table(toneComparisonTable(content.tones));
    }
    if (!content.resonance.empty()) {
        document.subheading("Проверка резонанса");
        document.table(resonanceTable(content.resonance, content.resonanceLimitPercent));
        for (const std::string& warning : resonanceWarnings(content.resonance, content.resonanceLimitPercent))
            document.paragraph("• " + toQString(warning));
        ChartLook look = onPaper(campbellLook());
        chartsWithPoints(
            document, {{content.campbell, look, "Диаграмма Кэмпбелла: частота, Гц, по частоте вращения вала, об/мин"}},
            1, 200);
    }
    const std::vector<CaptionedValue> kumai = kumaiLines(content.kumaiPerMinute, vibration, content.tones);
    if (!kumai.empty()) {
        document.subheading("Сравнение с оценкой частоты по Кумаи");
        document.captionedValues(kumai);
    }
    std::vector<ReportChart> charts;
    if (vibration)
        charts.push_back(
            {vibration->modeShape, onPaper(modeShapeLook()),
             "Форма колебаний, тон " + toQString(toneNumeral(vibration->tone)) + " (энергетический метод)"});
    if (!content.tones.empty()) {
        ChartLook look = onPaper(alongFrames("Прогиб, отн."));
        look.legend = true;
        charts.push_back(
            {document.keep(beamShapesChart(content.tones)), look, "Формы колебаний балочной модели по шпангоутам"});
    }
    chartsWithPoints(document, charts, 1, 200);
    if (vibration) {
        document.table(sectionInertiaTable(*vibration));
        tableOrNothing(document, vibrationCalculationTable(*vibration));
    }
}

// The ship on the wave, the rule's moments, the girder and the stresses, with
// still water, hogging and sagging on one chart each.
void waveSection(ReportDocument& document, const StrengthSheet& strength)
{
    document.captionedValues(waveLines(strength));
    if (strength.ruleLoads.applies)
        document.captionedValues(ruleLoadLines(strength));
    else
        document.paragraph(toQString(strength.ruleLoads.reason) + ".");
    ChartLook force = onPaper(alongFrames("N, кН"));
    ChartLook moment = onPaper(alongFrames("M, кН·м"));
    force.legend = moment.legend = true;
    chartsWithPoints(document,
                     {{strength.shearForceChart, force, "Перерезывающая сила: тихая вода, перегиб, прогиб, кН"},
                      {strength.bendingMomentChart, moment, "Изгибающий момент: тихая вода, перегиб, прогиб, кН·м"}},
                     1, 200);
    document.table(waveCaseTable(strength, WaveCase::hogging));
    document.table(waveCaseTable(strength, WaveCase::sagging));
    if (!strength.girder.present) {
        document.paragraph("Связи эквивалентного бруса не заданы: напряжения не рассчитаны.");
        return;
    }
    document.table(girderSumsTable(strength));
    document.captionedValues(girderLines(strength));
    document.table(stressesTable(strength));
}

// The charts of a step's sheet that follow `grid` (or the figures, for an
// empty name), those of one height drawn together so that they share pages.
void sheetCharts(ReportDocument& document, const StepSheet& sheet, std::string_view grid)
{
    std::vector<ReportChart> group;
    double height = 0.0;
    const auto draw = [&] {
        chartsWithPoints(document, group, 1, height);
        group.clear();
    };
    for (const SheetChart& chart : sheet.charts) {
        if (chart.underGrid != grid)
            continue;
        if (!group.empty() && chart.reportHeight != height)
            draw();
        ChartLook look = onPaper({});
        look.pointMarks = chart.markedOnPaper;
        look.xTitle = toQString(chart.xTitle);
        look.yTitle = toQString(chart.yTitle);
        look.legend = chart.legend;
        group.push_back({chart.chart, look, toQString(chart.caption)});
        height = chart.reportHeight;
    }
    if (!group.empty())
        draw();
}

ReportTable sheetTable(const SheetGrid& grid) { return gridTable(grid.title, grid.grid, grid.note, true); }

// A step's sheet: the model's note, the figures and the tables beside them,
// the charts, then each further table with its charts; or why the run holds
// none.
void stepSheetSection(ReportDocument& document, const StepSheet* sheet)
{
    if (!sheet || !sheet->computed()) {
        document.paragraph(!sheet || sheet->absence.empty() ? QString("Не рассчитано.") : toQString(sheet->absence));
        return;
    }
    if (!sheet->note.empty())
        document.paragraph(toQString(sheet->note));
    std::vector<CaptionedValue> figures;
    for (const SheetFigure& figure : sheet->figures)
        figures.push_back({figure.caption, figure.value, true});
    document.captionedValues(figures);
    for (const SheetGrid& grid : sheet->grids)
        if (grid.withFigures)
            document.table(sheetTable(grid));
    sheetCharts(document, *sheet, {});
    for (const SheetGrid& grid : sheet->grids)
        if (!grid.withFigures) {
            document.table(sheetTable(grid));
            sheetCharts(document, *sheet, grid.name);
        }
}

// The section a page names, under its heading.
void pageSection(ReportDocument& document, const QString& heading, std::string_view section,
                 const ReportContent& content)
{
    document.heading(heading);
    if (section == reportSection::wave) {
        waveSection(document, *content.strength);
        return;
    }
    if (const TrimWindowPage* page = sheetPageOf(section)) {
        stepSheetSection(document, content.sheet(page->sheet));
        return;
    }
    using SectionWriter = void (*)(ReportDocument&, const TrimSheet&);
    const std::pair<std::string_view, SectionWriter> writers[] = {
        {reportSection::input, &inputSection},
        {reportSection::bonjean, &bonjeanSection},
        {reportSection::hydrostatics, &hydrostaticsSection},
        {reportSection::waterline, &waterlineSection},
        {reportSection::trimTable, &trimTableSection},
        {reportSection::strength, &strengthSection},
        {reportSection::summary, &summarySection},
    };
    const auto* writer = std::ranges::find(writers, section, &std::pair<std::string_view, SectionWriter>::first);
    if (writer != std::end(writers))
        writer->second(document, content.trim);
    else
        pageGridsSection(document, content.trim, section);
}

}  // namespace

int renderReport(QPagedPaintDevice& device, const ReportContent& content, std::vector<PlacedChart>* placedCharts)
{
    ReportDocument document(device);
    document.setFullPrecision(content.fullPrecision);
    titlePage(document, content);
    const std::vector<QString> headings = sectionHeadings(content);
    std::size_t next = 0;
    for (std::string_view section : trimReportSections())
        pageSection(document, headings[next++], section, content);
    remarks(document, headings[next++], content.warnings);
    if (hasVibration(content))
        vibrationSections(document, headings[next++], content);
    if (content.strength)
        for (std::string_view section : trimReportSections(ReportPart::afterVibration))
            pageSection(document, headings[next++], section, content);
    // The title block on every page, so that a loose page still says whose it is.
    QString footer =
        content.title.shipName.empty() ? QString("Расчет корпуса судна") : "Судно " + toQString(content.title.shipName);
    for (const std::string& text : {content.title.author, content.title.group,
                                    content.title.variant.empty() ? std::string() : "вариант " + content.title.variant})
        if (!text.empty())
            footer += " · " + toQString(text);
    if (!content.fileName.empty())
        footer += " · " + toQString(content.fileName);
    if (!printedDate(content).empty())
        footer += " · " + toQString(printedDate(content));
    footer += " · hullcalc " + toQString(programVersion());
    if (placedCharts)
        *placedCharts = document.placedCharts();
    return document.paint(footer);
}

void saveReportPdf(const std::filesystem::path& path, const ReportContent& content)
{
    const std::unique_ptr<QApplication> application = applicationForDrawing();
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    try {
        QPdfWriter writer(&buffer);
        writer.setCreator("hullcalc");
        writer.setTitle("Расчет корпуса судна");
        renderReport(writer, content);
    } catch (const Error& e) {
        throw Error(saveFailure(path, e.what()));
    }
    buffer.close();
    const QByteArray& bytes = buffer.data();
    try {
        saveFileSafely(path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    } catch (const Error& e) {
        throw Error(saveFailure(path, e.what()));
    }
}

}  // namespace hullcalc
