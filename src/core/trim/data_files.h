// The data files of the trim window: the input file with the offsets and masses
// tables, written and read back, and the results file with the load, shear-force
// and bending-moment tables and the result summary, written only. Both hold the
// cell texts as they stand, tab-separated, in Windows-1251 with CR LF line ends.
#pragma once

#include "trim/input_tables.h"
#include "trim/trim_table.h"

#include <cstddef>
#include <filesystem>
#include <istream>
#include <string>

namespace hullcalc {

// A cell of at most this many bytes is read: a half-breadth or a mass is a
// short number, and a longer cell is refused rather than cut.
inline constexpr std::size_t maxCellBytes = 4096;

// The bytes of the input file: the title "Таблица ординат", one line per frame
// row of the offsets with its waterline cells, a separator line (CR CR LF), the
// title "Таблица масс" and one line per spacing row of the masses. A TAB follows
// every cell; a TAB, CR, LF or NUL inside a cell is written as a blank, since
// it would otherwise split the cell or the line when read back.
std::string inputFileBytes(const InputTables& input);

// The bytes of the results file: the loads, shear-force and bending-moment tables with their row
// labels, each under its title and followed by a separator line, then the eleven
// summary lines "caption TAB value" without a separator after them.
std::string resultsFileBytes(const TrimTable& results);

// Reads an input file into the data cells of the offsets and masses tables. The first
// line is skipped; each further line fills the next offsets row, one cell per
// TAB it holds, until the text after a line's last TAB is exactly
// "Таблица масс"; then as many lines as offsets lines were read (the separator
// and the title included) give the masses, line m to row m. Lines end at CR LF
// or at a lone LF; a lone CR is dropped. Text after a line's last TAB is not a
// cell. Lines still left after the masses read as further offsets rows. Cells
// outside a table are skipped and the table sizes never change; cells the file
// does not reach keep their texts. A ^Z (0x1A) as the very last byte ends the
// text, as DOS editors wrote it. A control character other than TAB, CR and
// LF marks a binary file; it, a NUL and a cell longer than maxCellBytes (both
// with their line and cell), and a stream that fails to read throw Error and
// leave both tables as they were.
// Returns how many cells of each table the file filled.
struct InputFileContents {
    int offsetCells = 0;
    int massCells = 0;
    bool utf8MassesTitle = false;  // the masses title was there, but in UTF-8
};
InputFileContents readInputFile(std::istream& in, InputTables& input);

// The three file operations on a path, for callers without a save of their own.
// Saving replaces the file only once it is complete (saveFileSafely); loading
// refuses a file longer than maxShipFileBytes, and a file that fills no cell
// of the offsets or of the masses (it is not a data file, or its masses are
// missing), saying which; the tables change only when it loads. Throw Error on
// failure.
void saveInputFile(const std::filesystem::path& path, const InputTables& input);
void saveResultsFile(const std::filesystem::path& path, const TrimTable& results);
void loadInputFile(const std::filesystem::path& path, InputTables& input);

// The same loading of a file's bytes already read, with the same refusals: what
// "Файл → Загрузить" accepts and nothing else.
void loadInputFileBytes(const std::string& bytes, InputTables& input);

}  // namespace hullcalc
