// Whole files read and written with the system's messages on failure, and saving
// that never destroys the old file: the new bytes replace it only once complete.
#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <string_view>
#include <system_error>

namespace hullcalc {

// The path of a file name given as UTF-8 text (the command line as main()
// converts it, the project's texts). Built from the UTF-8 code units, never from
// the narrow string as such: on Windows a narrow string means the ANSI code
// page, and a Cyrillic name such as "Судно 1.txt" would name another file.
std::filesystem::path pathFromUtf8(std::string_view utf8);

// The path as UTF-8 text, for messages and reports; "?" for a Windows name that
// is no valid UTF-16.
std::string utf8Of(const std::filesystem::path& path);

// The message the user sees for a failed file operation: "File not found",
// "File access denied", "Disk full", "Invalid filename", "Too many open files",
// "Is a directory", "Is a pipe", "Not a regular file" (a device), "Pipe has no
// reader", "File exists", "File too large", or "I/O error %d" with the
// system's code of any other failure. userMessage says each in Russian.
std::string fileErrorMessage(std::error_code error);

// The same message with the file it concerns on a second line, for example
// "File not found\nФайл: /home/user/ship.txt": the first line stays exactly the
// system's text, which callers compare. The name is the path as given, in UTF-8,
// control characters escaped; of a name longer than 100 characters only "…"
// and its last 100. An empty path gives the first line alone.
std::string fileErrorMessage(std::error_code error, const std::filesystem::path& file);

// Whether two paths name one file: the same file through links and other
// spellings where it exists (same device and file number), the same absolute,
// normalized path where it does not.
bool isSameFile(const std::filesystem::path& first, const std::filesystem::path& second);

// Creates or replaces the file `target` with `bytes`. The bytes go to a temporary
// file beside the target, which is renamed over it only when written and closed
// completely, so a full disk or a failed write leaves the old file as it was. A
// read-only target is refused as it would be when written in place; a symbolic
// link keeps pointing at its file, which is replaced, and a link to no file is
// refused. The replacement keeps the old file's permissions, and its owner and
// group where the system allows. A target that exists and is not a regular
// file (a device, a pipe) is written directly, never renamed over; a pipe
// nobody reads is refused rather than waited for (Linux). On Linux the
// temporary file has no name until it is complete, so a killed run leaves
// nothing; elsewhere, temporary files of the program's one pattern
// (".hullcalc-" + 16 hex digits + ".tmp") older than ten minutes in the
// target's folder, left by a killed run, are removed first. Throws FileError
// with fileErrorMessage's text naming `target`.
void saveFileSafely(const std::filesystem::path& target, std::string_view bytes);

// For a library that writes only to a file name: `write` fills a new, empty
// file named by the path it is given, and its bytes (at most `maxBytes`) are
// returned, so that saveFileSafely can then put them in place of `target`. On
// Linux the file is in memory (a path under /proc/self/fd), and what the
// library prints on standard error meanwhile is dropped (its failure reaches
// the caller as its return); elsewhere it is a temporary file beside
// `target`, removed in any case. Throws FileError with
// fileErrorMessage's text naming `target` when the file cannot be made or
// read, and what `write` throws.
std::string bytesWrittenToFile(const std::filesystem::path& target,
                               const std::function<void(const std::filesystem::path&)>& write, std::size_t maxBytes);

// Writes the content of a file to the stream it is given, piece by piece.
using FileContentWriter = std::function<void(std::ostream&)>;

// saveFileSafely for content too large to hold at once: `write` writes it to
// the temporary file as it goes. An exception from `write` leaves the old file
// as it was and passes on.
void saveFileSafely(const std::filesystem::path& target, const FileContentWriter& write);

// The whole content of the regular file at `path`. A directory, a device or a
// pipe is refused by its cause without being opened (a pipe with no writer
// would never answer). A file longer than `maxBytes` is refused with «Файл
// слишком большой» (with the limit and the name) after reading at most
// maxBytes + 1 bytes. Throws FileError with fileErrorMessage's text naming `path`.
std::string readFileBytes(const std::filesystem::path& path, std::size_t maxBytes);

}  // namespace hullcalc
