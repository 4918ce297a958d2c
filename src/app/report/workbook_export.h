// The Excel workbook of a calculation: the summary first, then a sheet per
// table, every number stored as a number in the format it is shown in.
#pragma once

#include "report/report_content.h"

#include <filesystem>

namespace hullcalc {

// Writes the workbook: "Сводка" (the particulars, the ship type, the summary,
// the vibration results, the remarks), then "Ординаты", "Массы", "Площади
// Бонжана", "Статические моменты", "Кривые элементов", "Приближения",
// "Расчетная ватерлиния", "Таблица удифферентовки", "Нагрузка",
// "Перерезывающая сила", "Изгибающий момент", and with vibration results
// "Вибрация" and "Таблица вибрации". A cell text that is a number becomes a
// number, shown with as many decimals as its text for the fixed-point results
// and in the general format for the 15-digit ones; an empty text stays blank,
// any other text stays text. The workbook is written beside the target and
// replaces it only once complete, so a failure keeps the old file; throws
// Error with a message naming the file.
void saveWorkbook(const std::filesystem::path& path, const ReportContent& content);

}  // namespace hullcalc
