// Whole files read and written with the system's messages on failure, and saving
// that never destroys the old file: the new bytes replace it only once complete.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace hullcalc {

// The message the user sees for a failed file operation: "File not found",
// "File access denied", "Disk full", "Invalid filename", "Too many open files",
// or "I/O error %d" with the system's code of any other failure.
std::string fileErrorMessage(std::error_code error);

// Creates or replaces the file `target` with `bytes`. The bytes go to a temporary
// file beside the target, which is renamed over it only when written and closed
// completely, so a full disk or a failed write leaves the old file as it was. A
// read-only target is refused as it would be when written in place; a symbolic
// link keeps pointing at its file, which is replaced. A target that exists and is
// not a regular file (a device, a pipe) is written directly, never renamed over.
// Throws Error with fileErrorMessage's text.
void saveFileSafely(const std::filesystem::path& target, std::string_view bytes);

// The whole content of the file at `path`. A file longer than `maxBytes` is
// refused with "I/O error %d" (the code for a file too large) after reading at
// most maxBytes + 1 bytes, so an endless device cannot exhaust the memory.
// Throws Error with fileErrorMessage's text.
std::string readFileBytes(const std::filesystem::path& path, std::size_t maxBytes);

}  // namespace hullcalc
