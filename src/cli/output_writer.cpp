// Safe saving of the tool's outputs and the report of each failure.
#include "cli/output_writer.h"

#include "cli/file_names.h"
#include "cli/ship_run.h"
#include "common/error.h"
#include "common/file_io.h"
#include "report/save_failure.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <ostream>

namespace hullcalc {

void OutputWriter::protect(const std::string& file) { protected_.push_back(file); }

bool OutputWriter::isProtected(const std::string& target) const
{
    return std::any_of(protected_.begin(), protected_.end(),
                       [&](const std::string& file) { return namesSameFile(file, target); });
}

bool OutputWriter::mayWrite(const std::string& target)
{
    if (!isProtected(target))
        return true;
    err_ << "hullcalc-cli: файл «" << target << "» не записан: это входной файл, который не удалось прочитать\n";
    return false;
}

// The target is named here: the message's own line naming it, and the report
// library's "Не удалось сохранить файл «…»: " before the cause, are left out.
void OutputWriter::reportFailure(const std::string& target, const std::string& message)
{
    std::string cause = firstLine(message);
    if (const std::string prefix = saveFailure(utf8Path(target), ""); cause.starts_with(prefix))
        cause.erase(0, prefix.size());
    cause = userMessage(cause);
    err_ << "hullcalc-cli: не удалось записать «" << target << "»: " << cause << '\n';
}

bool OutputWriter::write(const std::string& target, std::string_view bytes)
{
    if (target == "-") {
        out_.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return true;
    }
    return save(target, [&](const std::filesystem::path& path) { saveFileSafely(path, bytes); });
}

bool OutputWriter::save(const std::string& target, const std::function<void(const std::filesystem::path&)>& saveTo)
{
    if (!mayWrite(target))
        return false;
    try {
        saveTo(utf8Path(target));
        return true;
    } catch (const Error& e) {
        reportFailure(target, e.what());
        return false;
    }
}

bool OutputWriter::stream(const std::string& target, const std::function<void(std::ostream&)>& produce)
{
    if (target == "-") {
        produce(out_);
        return true;
    }
    bool produced = false;
    bool refused = false;
    std::optional<std::string> failure;
    try {
        saveFileSafely(utf8Path(target), [&](std::ostream& file) {
            produced = true;
            produce(file);
            // An input of this run that could not be read is never written
            // over; leaving here drops the new content and keeps the file.
            if (isProtected(target)) {
                refused = true;
                throw Error("refused");
            }
        });
    } catch (const Error& e) {
        if (!refused)
            failure = e.what();
    }
    if (!produced) {
        std::ostream nowhere(nullptr);
        produce(nowhere);
    }
    if (!mayWrite(target))
        return false;
    if (failure) {
        reportFailure(target, *failure);
        return false;
    }
    return true;
}

bool OutputWriter::makeDirectory(const std::string& directory)
{
    std::error_code error;
    const std::filesystem::path path = utf8Path(directory);
    std::filesystem::create_directories(path, error);
    // What counts is a folder to write into, whatever create_directories said
    // of one that was there already.
    std::error_code ignored;
    if (std::filesystem::is_directory(path, ignored))
        return true;
    err_ << "hullcalc-cli: не удалось создать папку «" << directory
         << "»: " << (error ? userMessage(fileErrorMessage(error)) : "на ее месте файл с тем же именем") << '\n';
    return false;
}

bool OutputWriter::finishStandardOutput()
{
    out_.flush();
    if (out_)
        return true;
    err_ << "hullcalc-cli: не удалось записать в стандартный вывод\n";
    return false;
}

}  // namespace hullcalc
