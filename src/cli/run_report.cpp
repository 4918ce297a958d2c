// The report's content from a run: references to its sheets, copies of what
// the report lists besides.
#include "cli/run_report.h"

#include "cli/file_names.h"
#include "common/file_io.h"

#include <QDate>

#include <optional>
#include <utility>
#include <vector>

namespace hullcalc {

ReportContent reportContentOf(const ShipRun& run, std::string date)
{
    std::vector<ToneSummary> tones;
    for (const ToneRun& tone : run.tones)
        if (tone.beam)
            tones.push_back(*tone.beam);
    std::vector<std::string> warnings;
    for (const Warning& warning : run.trim.warnings)
        warnings.push_back(warning.message);
    if (run.kumai && !run.kumai->note.empty())
        warnings.push_back("Оценка по Кумаи: " + run.kumai->note);
    std::string fileName;
    if (run.inputFile)
        fileName = utf8Of(pathFromUtf8(*run.inputFile).filename());
    ReportContent content{run.ship.particulars,
                          run.trim.sheet,
                          run.tones.empty() ? nullptr : &run.tones.back().sheet,
                          std::move(tones),
                          run.kumai ? std::optional(run.kumai->perMinute) : std::nullopt,
                          std::move(warnings),
                          std::move(fileName),
                          std::move(date)};
    if (run.strength && run.strength->complete)
        content.strength = &*run.strength;
    content.title = run.ship.title;
    return content;
}

std::string todayText() { return QDate::currentDate().toString("dd.MM.yyyy").toStdString(); }

}  // namespace hullcalc
