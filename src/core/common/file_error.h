// A failed file operation: the message the user sees, naming the file, and the
// system's cause behind it, for callers that report the code itself (Python's
// errno).
#pragma once

#include "common/error.h"

#include <string>
#include <system_error>

namespace hullcalc {

class FileError : public Error {
public:
    FileError(const std::string& message, std::error_code cause) : Error(message), cause_(cause) {}

    // The system's error (generic category: an errno value), or the program's
    // own cause (fileCauseCategory) where the system reports none.
    std::error_code cause() const { return cause_; }

private:
    std::error_code cause_;
};

}  // namespace hullcalc
