#include "report/workbook_export.h"

#include "common/display_precision.h"
#include "common/error.h"
#include "common/file_io.h"
#include "common/number_text.h"
#include "common/utf8_text.h"
#include "presentation/trim_window_pages.h"
#include "report/save_failure.h"
#include "report/strength_tables.h"
#include "report/trim_tables.h"
#include "report/vibration_tables.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <optional>

namespace hullcalc {

namespace {

// A workbook larger than this is not one of ours: reading it back stops.
constexpr std::size_t maxWorkbookBytes = 256u << 20;

// The decimals a fixed-point text shows ("-3,72": 2), or nothing for a text in
// exponent form.
std::optional<int> decimalsOf(std::string_view text)
{
    if (text.find_first_of("Ee") != std::string_view::npos)
        return std::nullopt;
    const auto comma = text.find(',');
    return comma == std::string_view::npos ? 0 : static_cast<int>(text.size() - comma - 1);
}

// The formats of one workbook, made once each.
class Formats {
public:
    Formats(lxw_workbook* workbook, bool fullPrecision) : fullPrecision(fullPrecision), workbook_(workbook)
    {
        title = workbook_add_format(workbook);
        format_set_bold(title);
        format_set_font_size(title, 13);
        heading = workbook_add_format(workbook);
        format_set_bold(heading);
        note = workbook_add_format(workbook);
        format_set_italic(note);
        header = workbook_add_format(workbook);
        format_set_bold(header);
        format_set_text_wrap(header);
        format_set_align(header, LXW_ALIGN_CENTER);
        format_set_align(header, LXW_ALIGN_VERTICAL_CENTER);
        format_set_bg_color(header, 0xE2E7EE);
        format_set_border(header, LXW_BORDER_THIN);
    }

    // Numbers with this many decimals; nullptr (general) for none given.
    lxw_format* number(std::optional<int> decimals)
    {
        if (!decimals)
            return nullptr;
        auto [place, inserted] = numbers_.try_emplace(*decimals, nullptr);
        if (inserted) {
            place->second = workbook_add_format(workbook_);
            const std::string code = *decimals > 0 ? "0." + std::string(static_cast<std::size_t>(*decimals), '0') : "0";
            format_set_num_format(place->second, code.c_str());
        }
        return place->second;
    }

    // Every stored digit shown, not the rounding for the reader.
    const bool fullPrecision;
    lxw_format* title;
    lxw_format* heading;
    lxw_format* note;
    lxw_format* header;

private:
    lxw_workbook* workbook_;
    std::map<int, lxw_format*> numbers_;
};

// Writes blocks one under another on a sheet and sizes its columns to them.
class SheetWriter {
public:
    SheetWriter(lxw_workbook* workbook, Formats& formats, const char* name)
        : sheet_(workbook_add_worksheet(workbook, name)), formats_(formats)
    {
        if (!sheet_)
            throw Error(std::string("Не удалось добавить лист «") + name + "» в книгу");
    }
    SheetWriter(const SheetWriter&) = delete;
    SheetWriter& operator=(const SheetWriter&) = delete;
    ~SheetWriter()
    {
        for (const auto& [column, width] : widths_)
            worksheet_set_column(sheet_, column, column, width, nullptr);
    }

    void text(const std::string& value, lxw_format* format = nullptr)
    {
        if (!value.empty())
            worksheet_write_string(sheet_, row_, 0, value.c_str(), format);
        ++row_;
    }

    void skip() { ++row_; }

    void captionedValues(const std::vector<CaptionedValue>& lines)
    {
        for (const CaptionedValue& line : lines) {
            worksheet_write_string(sheet_, row_, 0, line.caption.c_str(), nullptr);
            widen(0, line.caption, 60);
            cell(1, line.value, line.fixedDecimals, false, line.precision);
            ++row_;
        }
    }

    // The title, the note, the header row and the rows; with `freeze` the
    // header and the labels stay in sight when scrolling.
    void table(const ReportTable& table, bool freeze)
    {
        text(table.title, formats_.heading);
        if (!table.note.empty())
            text(table.note, formats_.note);
        const lxw_row_t headerRow = row_;
        const ReportTable shown = shownTable(table, formats_.fullPrecision);
        for (std::size_t i = 0; i < shown.rows.size(); ++i)
            for (std::size_t column = 0; column < shown.header.size(); ++column)
                widen(static_cast<lxw_col_t>(column), std::string(trimmed(shown.rows[i][column])), 30);
        std::size_t lines = 1;
        for (std::size_t column = 0; column < table.header.size(); ++column) {
            const std::string& caption = table.header[column];
            worksheet_write_string(sheet_, row_, static_cast<lxw_col_t>(column), caption.c_str(), formats_.header);
            const double width = widen(static_cast<lxw_col_t>(column), std::string(8, ' '), 30);
            lines = std::max(lines, static_cast<std::size_t>(std::ceil(characterCount(caption) / (width - 1))));
        }
        worksheet_set_row(sheet_, row_, 15.0 * static_cast<double>(lines), nullptr);
        ++row_;
        for (const std::vector<std::string>& cells : table.rows) {
            for (std::size_t column = 0; column < cells.size(); ++column)
                cell(static_cast<lxw_col_t>(column), cells[column], table.fixedDecimals,
                     static_cast<int>(column) < table.labelColumns,
                     column < table.precision.size() ? table.precision[column] : DisplayPrecision::asStored);
            ++row_;
        }
        if (freeze)
            worksheet_freeze_panes(sheet_, headerRow + 1, static_cast<lxw_col_t>(table.labelColumns));
    }

private:
    // A number where the text is one, else the text; nothing for an empty text.
    // The number is written with every stored digit; its format shows it as
    // rounded for the reader, unless every digit is to be seen.
    void cell(lxw_col_t column, std::string_view value, bool fixedDecimals, bool label, DisplayPrecision precision)
    {
        const std::string text(trimmed(value));
        if (text.empty())
            return;
        const std::optional<double> number = label ? std::nullopt : numberOrNothing(text);
        const bool rounded = precision != DisplayPrecision::asStored && !formats_.fullPrecision;
        const std::string shown = rounded ? displayText(text, precision) : text;
        if (number)
            worksheet_write_number(sheet_, row_, column, *number,
                                   formats_.number(fixedDecimals || rounded ? decimalsOf(shown) : std::nullopt));
        else
            worksheet_write_string(sheet_, row_, column, text.c_str(), nullptr);
        widen(column, shown, 30);
    }

    // Widens the column to the text (up to `most` characters); returns the width.
    double widen(lxw_col_t column, const std::string& text, double most)
    {
        double& width = widths_.try_emplace(column, 8.0).first->second;
        width = std::max(width, std::min(most, static_cast<double>(characterCount(text)) + 2));
        return width;
    }

    lxw_worksheet* sheet_;
    Formats& formats_;
    lxw_row_t row_ = 0;
    std::map<lxw_col_t, double> widths_;
};

// A sheet holding one table under its header.
void tableSheet(lxw_workbook* workbook, Formats& formats, const char* name, const ReportTable& table)
{
    SheetWriter(workbook, formats, name).table(table, true);
}

void summarySheet(lxw_workbook* workbook, Formats& formats, const ReportContent& content)
{
    SheetWriter sheet(workbook, formats, "Сводка");
    const bool vibration = content.vibration || !content.tones.empty();
    sheet.text(
        vibration ? "Расчет удифферентовки и общей вибрации корпуса судна" : "Расчет удифферентовки корпуса судна",
        formats.title);
    sheet.captionedValues({{"Файл", content.fileName}, {"Дата", content.date}});
    sheet.skip();
    sheet.text("Главные размерения и тип судна", formats.heading);
    sheet.captionedValues(particularLines(content.particulars));
    sheet.skip();
    sheet.text("Результаты удифферентовки", formats.heading);
    if (!content.trim.complete)
        sheet.text("Расчет удифферентовки не завершен.", formats.note);
    sheet.captionedValues(summaryLines(content.trim));
    sheet.captionedValues(initialStabilityLines(content.trim.stability));
    if (vibration) {
        sheet.skip();
        sheet.text("Вибрация корпуса", formats.heading);
        if (content.vibration)
            sheet.captionedValues(vibrationResultLines(*content.vibration));
        sheet.captionedValues(kumaiLines(content.kumaiPerMinute, content.vibration, content.tones));
    }
    sheet.skip();
    sheet.text("Замечания", formats.heading);
    if (content.warnings.empty())
        sheet.text("Замечаний нет");
    for (const std::string& warning : content.warnings)
        sheet.text(warning);
}

void vibrationSheets(lxw_workbook* workbook, Formats& formats, const ReportContent& content)
{
    const VibrationSheet* vibration = content.vibration;
    if (!vibration && content.tones.empty())
        return;
    {
        SheetWriter sheet(workbook, formats, "Вибрация");
        if (vibration) {
            sheet.text("Частота свободных колебаний (энергетический метод)", formats.heading);
            sheet.captionedValues(vibrationResultLines(*vibration));
            sheet.skip();
        }
        if (!content.tones.empty()) {
            sheet.table(toneComparisonTable(content.tones), false);
            sheet.skip();
        }
        const std::vector<CaptionedValue> kumai = kumaiLines(content.kumaiPerMinute, vibration, content.tones);
        if (!kumai.empty()) {
            sheet.text("Сравнение с оценкой частоты по Кумаи", formats.heading);
            sheet.captionedValues(kumai);
            sheet.skip();
        }
        if (vibration) {
            sheet.table(modeShapeTable(*vibration), false);
            sheet.skip();
        }
        if (!content.tones.empty()) {
            sheet.table(beamShapesTable(content.tones), false);
            sheet.skip();
        }
        if (vibration)
            sheet.table(sectionInertiaTable(*vibration), false);
    }
    // The three methods side by side with the result to take, the models'
    // settings and the resonance margins, as the report's section shows them.
    if (!content.tones.empty()) {
        SheetWriter sheet(workbook, formats, "Тоны и резонанс");
        sheet.table(methodComparisonTable(content.tones), false);
        sheet.skip();
        sheet.captionedValues(beamModelLines(content.tones, content.shearAreaNote));
        if (!content.resonance.empty()) {
            sheet.skip();
            sheet.table(resonanceTable(content.resonance, content.resonanceLimitPercent), false);
            for (const std::string& warning : resonanceWarnings(content.resonance, content.resonanceLimitPercent))
                sheet.text(warning);
        }
    }
    if (vibration)
        tableSheet(workbook, formats, "Таблица вибрации", vibrationCalculationTable(*vibration));
}

void approximationsSheet(SheetWriter& sheet, Formats& formats, const TrimSheet& trim)
{
    sheet.text("Начальное и последнее приближения", formats.heading);
    sheet.captionedValues(iterationLines(trim.iteration));
    sheet.skip();
    sheet.table(approximationsTable(trim.iteration), false);
}

// A sheet no table below lays out: the grids of every page that names it, one
// under another, as they stand.
void pageGridsSheet(SheetWriter& sheet, std::string_view name, const TrimSheet& trim)
{
    bool first = true;
    for (const TrimWindowPage& page : trimWindowPages()) {
        if (std::ranges::find(page.workbookSheets, name) == page.workbookSheets.end())
            continue;
        for (const PageGrid& grid : page.grids) {
            if (!first)
                sheet.skip();
            sheet.table(gridTable(std::string(page.caption), grid.in(trim)), false);
            first = false;
        }
    }
}

// One sheet of the trim calculation's pages.
void trimSheet(lxw_workbook* workbook, Formats& formats, const TrimSheet& trim, std::string_view name)
{
    using TableOf = ReportTable (*)(const TrimSheet&);
    const std::pair<std::string_view, TableOf> tables[] = {
        {workbookSheet::offsets, [](const TrimSheet& t) { return offsetsTable(t.input); }},
        {workbookSheet::masses, [](const TrimSheet& t) { return massesTable(t.input); }},
        {workbookSheet::sectionAreas, [](const TrimSheet& t) { return sectionAreasTable(t.bonjean); }},
        {workbookSheet::sectionMoments, [](const TrimSheet& t) { return sectionMomentsTable(t.bonjean); }},
        {workbookSheet::hydrostatics, [](const TrimSheet& t) { return hydrostaticsTable(t.bonjean, t.hydrostatics); }},
        {workbookSheet::curvesOfForm, [](const TrimSheet& t) { return curvesOfFormTable(t.curvesOfForm); }},
        {workbookSheet::designWaterline, [](const TrimSheet& t) { return designWaterlineTable(t.iteration); }},
        {workbookSheet::trimTable, [](const TrimSheet& t) { return trimCalculationTable(t.results); }},
        {workbookSheet::loads, [](const TrimSheet& t) { return loadsTable(t.results); }},
        {workbookSheet::shearForce, [](const TrimSheet& t) { return shearForceTable(t.results); }},
        {workbookSheet::bendingMoment, [](const TrimSheet& t) { return bendingMomentTable(t.results); }},
    };
    const std::string sheetName(name);
    const auto* table = std::ranges::find(tables, name, &std::pair<std::string_view, TableOf>::first);
    if (table != std::end(tables)) {
        tableSheet(workbook, formats, sheetName.c_str(), table->second(trim));
        return;
    }
    SheetWriter sheet(workbook, formats, sheetName.c_str());
    if (name == workbookSheet::approximations)
        approximationsSheet(sheet, formats, trim);
    else
        pageGridsSheet(sheet, name, trim);
}

// The sheets of the trim window's pages, in the order of their report
// sections; a step's sheet gives one workbook sheet to each of its tables,
// when the run holds its values.
void trimSheets(lxw_workbook* workbook, Formats& formats, const ReportContent& content)
{
    std::vector<std::string_view> written;
    for (std::string_view section : trimReportSections()) {
        if (const TrimWindowPage* page = sheetPageOf(section)) {
            const StepSheet* sheet = content.sheet(page->sheet);
            if (sheet && sheet->computed())
                for (const SheetGrid& grid : sheet->grids)
                    tableSheet(workbook, formats, std::string(grid.workbookSheet).c_str(),
                               gridTable(grid.title, grid.grid, grid.note, true));
            continue;
        }
        for (std::string_view name : workbookSheetsOf(section))
            if (std::ranges::find(written, name) == written.end()) {
                written.push_back(name);
                trimSheet(workbook, formats, content.trim, name);
            }
    }
}

// The sheets of the ship on a wave, in the order its page names them; the
// girder's only when its members were given.
void strengthSheets(lxw_workbook* workbook, Formats& formats, const StrengthSheet& strength)
{
    for (std::string_view name : trimWorkbookSheets(ReportPart::afterVibration)) {
        const std::string sheetName(name);
        if (name == workbookSheet::hogging || name == workbookSheet::sagging) {
            const WaveCase waveCase = name == workbookSheet::hogging ? WaveCase::hogging : WaveCase::sagging;
            tableSheet(workbook, formats, sheetName.c_str(), waveCaseTable(strength, waveCase));
        } else if (name == workbookSheet::girder) {
            if (!strength.girder.present)
                continue;
            SheetWriter sheet(workbook, formats, sheetName.c_str());
            sheet.table(girderSumsTable(strength), false);
            sheet.skip();
            sheet.captionedValues(girderLines(strength));
            sheet.skip();
            sheet.table(stressesTable(strength), false);
        } else {
            SheetWriter sheet(workbook, formats, sheetName.c_str());
            sheet.text(std::string(reportSection::wave), formats.heading);
            sheet.captionedValues(waveLines(strength));
            sheet.captionedValues(ruleLoadLines(strength));
        }
    }
}

void writeSheets(lxw_workbook* workbook, const ReportContent& content)
{
    Formats formats(workbook, content.fullPrecision);
    summarySheet(workbook, formats, content);
    trimSheets(workbook, formats, content);
    vibrationSheets(workbook, formats, content);
    if (content.strength)
        strengthSheets(workbook, formats, *content.strength);
}

struct WorkbookDeleter {
    void operator()(lxw_workbook* workbook) const { lxw_workbook_free(workbook); }
};

}  // namespace

void saveWorkbook(const std::filesystem::path& path, const ReportContent& content)
{
    if (path.filename().empty())
        throw Error(saveFailure(path, "Invalid filename"));
    try {
        // The library writes to a file name: one in memory (or a temporary file
        // beside the target), whose bytes replace the target only once the
        // workbook is complete.
        const auto writeWorkbook = [&](const std::filesystem::path& temporary) {
            const std::u8string name = temporary.u8string();
            std::unique_ptr<lxw_workbook, WorkbookDeleter> workbook(
                workbook_new(reinterpret_cast<const char*>(name.c_str())));
            if (!workbook)
                throw Error(lxw_strerror(LXW_ERROR_MEMORY_MALLOC_FAILED));
            writeSheets(workbook.get(), content);
            // Closing writes the file and frees the workbook, also on failure.
            const lxw_error error = workbook_close(workbook.release());
            if (error != LXW_NO_ERROR)
                throw Error(lxw_strerror(error));
        };
        saveFileSafely(path, bytesWrittenToFile(path, writeWorkbook, maxWorkbookBytes));
    } catch (const Error& e) {
        throw Error(saveFailure(path, e.what()));
    }
}

}  // namespace hullcalc
