// The report's content from a run, the same for the windows and the command
// line: references to the run's sheets, copies of what the report lists besides.
#include "report/report_content.h"

#include "common/error.h"
#include "run/step_sheets.h"
#include "vibration/vibration_sheet.h"

#include <QDate>

#include <utility>

namespace hullcalc {

namespace {

// What a step that did not complete says in the remarks: its failure with the
// place of the cause, or why it was not computed.
std::optional<std::string> stepRemark(RunStep step, const StepRecord& record)
{
    const std::string heading = "Шаг «" + std::string(stepCaption(step)) + "»";
    if (record.failed()) {
        std::string remark = heading + " не выполнен: " + firstLine(userMessage(record.failure->message));
        if (!record.failure->place.label.empty())
            remark += "; место: " + record.failure->place.label;
        return remark;
    }
    if (!record.computed() && !record.why.empty())
        return heading + ": " + record.why;
    return std::nullopt;
}

}  // namespace

std::vector<std::string> reportRemarks(const ShipRun& run)
{
    std::vector<std::string> remarks;
    for (const Warning& warning : run.warnings())
        remarks.push_back(warning.message);
    if (run.kumai && !run.kumai->note.empty())
        remarks.push_back("Оценка по Кумаи: " + run.kumai->note);
    for (const ToneRun& tone : run.tones)
        if (tone.beamError)
            remarks.push_back("Балочная модель, тон " + toneNumeral(tone.sheet.tone) + ": " + *tone.beamError);
    for (const RunStep step : runSteps)
        if (std::optional<std::string> remark = stepRemark(step, run.step(step)))
            remarks.push_back(std::move(*remark));
    return remarks;
}

ReportContent reportContentOf(const ShipRun& run, std::string fileName, std::string date, int shownTone)
{
    // Without a tone chosen the report details the lowest one computed, as
    // the vibration window opens on tone I and the dump holds it.
    const ToneRun* tone = shownTone > 0 ? run.toneRun(shownTone) : nullptr;
    if (!tone && !run.tones.empty())
        tone = &run.tones.front();
    ReportContent content{run.ship.particulars,
                          run.trim.sheet,
                          tone ? &tone->sheet : nullptr,
                          run.comparedTones(),
                          run.kumai ? std::optional(run.kumai->perMinute) : std::nullopt,
                          reportRemarks(run),
                          std::move(fileName),
                          std::move(date)};
    if (run.strength && run.strength->complete)
        content.strength = &*run.strength;
    content.title = run.ship.title;
    for (const SheetStep& step : sheetSteps())
        content.sheets.emplace_back(step.key, step.sheetOf(run));
    content.shearAreaNote = run.shearAreaNote;
    content.resonance = run.resonance;
    content.resonanceLimitPercent = run.resonanceLimitPercent;
    content.campbell = campbellDiagramOf(run);
    return content;
}

const StepSheet* ReportContent::sheet(std::string_view key) const
{
    for (const auto& [sheetKey, sheet] : sheets)
        if (sheetKey == key)
            return &sheet;
    return nullptr;
}

std::string todayText() { return QDate::currentDate().toString("dd.MM.yyyy").toStdString(); }

}  // namespace hullcalc
