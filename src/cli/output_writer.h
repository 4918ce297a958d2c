// Every output of hullcalc-cli goes through one writer: files saved safely (the
// old file stays until the new one is complete), never over an input that
// failed to load, standard output checked at the end, each failure reported.
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace hullcalc {

class OutputWriter {
public:
    OutputWriter(std::ostream& out, std::ostream& err) : out_(out), err_(err) {}

    // Outputs are refused for this file from now on: an input file that could
    // not be read still holds the user's data, whatever this run made of it.
    void protect(const std::string& file);

    // Writes `bytes` to the file `target`, or to standard output for "-". A
    // failure is reported on the error stream naming the file; returns whether
    // the bytes were written.
    bool write(const std::string& target, std::string_view bytes);

    // Creates `directory` and its parents when missing; reports a failure.
    bool makeDirectory(const std::string& directory);

    // Flushes standard output and tells whether all that went there arrived
    // (a closed pipe, a full disk); a failure is reported.
    bool finishStandardOutput();

private:
    std::ostream& out_;
    std::ostream& err_;
    std::vector<std::string> protected_;
};

}  // namespace hullcalc
