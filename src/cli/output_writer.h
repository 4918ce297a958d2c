// Every output of hullcalc-cli goes through one writer: files saved safely (the
// old file stays until the new one is complete), never over an input that
// failed to load, standard output checked at the end, each failure reported.
#pragma once

#include <filesystem>
#include <functional>
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

    // Writes the file `target` (not "-") by `saveTo`, which saves it safely on
    // its own, as the report and the workbook libraries do, throwing Error on
    // failure. The same refusal of a protected file and the same report of a
    // failure as write(); returns whether the file was written.
    bool save(const std::string& target, const std::function<void(const std::filesystem::path&)>& saveTo);

    // Writes the file `target`, or standard output for "-", by `produce`, which
    // writes its content piece by piece to the stream it is given; the file is
    // replaced only once `produce` has finished. `produce` runs in any case,
    // into nothing when the file cannot be written. The same refusal of a
    // protected file (checked once the content is complete) and the same report
    // of a failure as write(); returns whether the file was written.
    bool stream(const std::string& target, const std::function<void(std::ostream&)>& produce);

    // Creates `directory` and its parents when missing; reports a failure.
    bool makeDirectory(const std::string& directory);

    // Flushes standard output and tells whether all that went there arrived
    // (a closed pipe, a full disk); a failure is reported.
    bool finishStandardOutput();

private:
    std::ostream& out_;
    std::ostream& err_;
    bool isProtected(const std::string& target) const;
    bool mayWrite(const std::string& target);
    void reportFailure(const std::string& target, const std::string& message);

    std::vector<std::string> protected_;
};

}  // namespace hullcalc
