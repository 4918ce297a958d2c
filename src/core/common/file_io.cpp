// Whole-file reading and safe saving over C stdio, so that every failure carries
// the system's error code and the file's name; on Windows the paths are opened as
// wide strings.
#include "common/file_io.h"

#include "common/error.h"
#include "common/utf8_text.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <ostream>
#include <random>
#include <streambuf>
#include <system_error>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace hullcalc {

namespace fs = std::filesystem;

namespace {

constexpr const char* fileNotFound = "File not found";
constexpr const char* accessDenied = "File access denied";
constexpr const char* diskFull = "Disk full";
constexpr const char* invalidFilename = "Invalid filename";
constexpr const char* tooManyOpenFiles = "Too many open files";

// A message quotes at most this much of a name, whatever was given.
constexpr std::size_t maxFileNameCharacters = 100;

struct FileCloser {
    void operator()(std::FILE* file) const { static_cast<void>(std::fclose(file)); }
};
// Closes the file on every path out of a function, errors included.
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// "\nФайл: <name>", the second line of a message about `file`; nothing for an
// empty path. The name is the path's bytes as the system has them (UTF-8 from
// UTF-16 on Windows) with its control characters escaped, and of a long one
// "…" and its last 100 characters.
std::string nameLine(const fs::path& file)
{
    if (file.empty())
        return {};
    std::string name;
    try {
        const std::u8string utf8 = file.u8string();
        name.assign(reinterpret_cast<const char*>(utf8.data()), utf8.size());
    } catch (const std::exception&) {
        name = "?";  // a Windows name that is no valid UTF-16
    }
    // The end of a long path says which file it is; its start is cut.
    const std::string shown = messageExcerpt(name, std::string::npos);
    const std::string_view end = lastCharacters(shown, maxFileNameCharacters);
    return std::string("\nФайл: ") + (end.size() < shown.size() ? "…" : "") + std::string(end);
}

// The error the last C library call reported; a call that failed without
// setting errno is an unspecified input/output error.
std::error_code lastError()
{
    const int code = errno;
    return code != 0 ? std::error_code(code, std::generic_category()) : std::make_error_code(std::errc::io_error);
}

// The steps below report a failure with its code alone; saveFileSafely and
// readFileBytes turn it into the message that names their file.
[[noreturn]] void fail(std::error_code error) { throw std::system_error(error); }

template<typename Operation>
auto namingTheFile(const fs::path& file, Operation&& operation)
{
    try {
        return operation();
    } catch (const std::system_error& e) {
        throw Error(fileErrorMessage(e.code(), file));
    }
}

// Opens `path` with a C stdio mode ("rb", "wb", "ab", "wbx"); null and `error`
// set on failure.
FileHandle openFile(const fs::path& path, const char* mode, std::error_code& error)
{
#ifdef _WIN32
    const std::wstring wideMode(mode, mode + std::strlen(mode));
    std::FILE* file = nullptr;
    const errno_t code = _wfopen_s(&file, path.c_str(), wideMode.c_str());
    if (code != 0 || file == nullptr) {
        error = code != 0 ? std::error_code(code, std::generic_category()) : std::make_error_code(std::errc::io_error);
        return nullptr;
    }
    return FileHandle(file);
#else
    errno = 0;
    FileHandle file(std::fopen(path.c_str(), mode));
    if (!file)
        error = lastError();
    return file;
#endif
}

FileHandle openOrFail(const fs::path& path, const char* mode)
{
    std::error_code error;
    FileHandle file = openFile(path, mode, error);
    if (!file)
        fail(error);
    return file;
}

void closeOrFail(FileHandle& file)
{
    errno = 0;
    if (std::fclose(file.release()) != 0)
        fail(lastError());
}

// Every temporary file of the program is named ".hullcalc-" + 16 hex digits
// + ".tmp" beside its target.
constexpr std::string_view temporaryPrefix = ".hullcalc-";
constexpr std::string_view temporarySuffix = ".tmp";
constexpr std::size_t temporaryDigits = 16;
// A save takes seconds at most; a temporary file this old was left by a run
// that was killed, never by one still writing.
constexpr auto staleTemporaryAge = std::chrono::minutes(10);

bool isTemporaryName(const std::string& name)
{
    if (name.size() != temporaryPrefix.size() + temporaryDigits + temporarySuffix.size()
        || !name.starts_with(temporaryPrefix) || !name.ends_with(temporarySuffix))
        return false;
    const std::string digits = name.substr(temporaryPrefix.size(), temporaryDigits);
    return digits.find_first_not_of("0123456789abcdef") == std::string::npos;
}

// Removes the program's temporary files in `folder` that a killed run left
// behind. Nothing here may stop the save: a folder that cannot be listed is left alone.
void removeStaleTemporaryFiles(const fs::path& folder)
{
    std::error_code error;
    const fs::path listed = folder.empty() ? fs::path(".") : folder;
    fs::directory_iterator entries(listed, error);
    const auto now = fs::file_time_type::clock::now();
    for (; !error && entries != fs::directory_iterator(); entries.increment(error)) {
        std::error_code ignored;
        const fs::directory_entry& entry = *entries;
        if (!isTemporaryName(entry.path().filename().string()) || !entry.is_regular_file(ignored)
            || entry.is_symlink(ignored))
            continue;
        const auto written = entry.last_write_time(ignored);
        if (!ignored && now - written > staleTemporaryAge)
            fs::remove(entry.path(), ignored);
    }
}

// A new file beside the one it will replace, removed again unless kept.
class TemporaryFile {
public:
    explicit TemporaryFile(const fs::path& destination)
    {
        removeStaleTemporaryFiles(destination.parent_path());
        std::random_device random;
        std::error_code error;
        for (int attempt = 0; attempt < 16; ++attempt) {
            char name[40];
            std::snprintf(name, sizeof name, ".hullcalc-%08x%08x.tmp", random(), random());
            path_ = destination.parent_path() / name;
            // "x": created here or not at all, never an existing file reused.
            file_ = openFile(path_, "wbx", error);
            if (file_)
                return;
            if (error != std::errc::file_exists)
                break;
        }
        path_.clear();
        fail(error);
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    ~TemporaryFile()
    {
        file_.reset();
        if (!kept_) {
            std::error_code ignored;
            fs::remove(path_, ignored);
        }
    }

    const fs::path& path() const { return path_; }
    FileHandle& file() { return file_; }
    void keep() { kept_ = true; }

private:
    fs::path path_;
    FileHandle file_;
    bool kept_ = false;
};

// The replacement keeps the owner and group of the file it replaces, as far as
// the system lets this user: another user's file rewritten by its group
// stays that user's only where the process may give it away (root); the
// group is kept where the user belongs to it. Windows files keep no such owner.
void keepOwner([[maybe_unused]] const fs::path& original, [[maybe_unused]] const fs::path& replacement)
{
#ifndef _WIN32
    struct stat old {};
    if (::stat(original.c_str(), &old) != 0)
        return;
    if (::chown(replacement.c_str(), old.st_uid, old.st_gid) != 0)
        static_cast<void>(::chown(replacement.c_str(), static_cast<uid_t>(-1), old.st_gid));
#endif
}

// An output stream over an open C file. A failed write is remembered rather
// than thrown in the middle of the writer's work; finish() reports it.
class FileStreamBuffer : public std::streambuf {
public:
    explicit FileStreamBuffer(std::FILE* file) : file_(file) {}

    // Pushes the bytes out of the stdio buffer, so that a full disk is reported
    // here rather than lost in a close nobody checks.
    void finish()
    {
        if (!error_) {
            errno = 0;
            if (std::fflush(file_) != 0)
                error_ = lastError();
        }
        if (error_)
            fail(error_);
    }

protected:
    std::streamsize xsputn(const char* bytes, std::streamsize count) override
    {
        if (error_)
            return 0;
        errno = 0;
        const std::size_t written = std::fwrite(bytes, 1, static_cast<std::size_t>(count), file_);
        if (written != static_cast<std::size_t>(count))
            error_ = lastError();
        return static_cast<std::streamsize>(written);
    }

    int_type overflow(int_type c) override
    {
        if (traits_type::eq_int_type(c, traits_type::eof()))
            return traits_type::not_eof(c);
        const char byte = traits_type::to_char_type(c);
        return xsputn(&byte, 1) == 1 ? c : traits_type::eof();
    }

private:
    std::FILE* file_;
    std::error_code error_;
};

void writeContent(std::FILE* file, const FileContentWriter& write)
{
    FileStreamBuffer buffer(file);
    std::ostream out(&buffer);
    write(out);
    buffer.finish();
}

void writeDirectly(const fs::path& target, const FileContentWriter& write)
{
    FileHandle file = openOrFail(target, "wb");
    writeContent(file.get(), write);
    closeOrFail(file);
}

void saveFile(const fs::path& target, const FileContentWriter& write)
{
    if (target.empty())
        fail(std::make_error_code(std::errc::invalid_argument));
    std::error_code error;
    const fs::file_status status = fs::status(target, error);
    if (fs::is_directory(status))
        fail(std::make_error_code(std::errc::is_a_directory));
    if (status.type() == fs::file_type::none)
        fail(error);
    if (!target.has_filename())
        fail(std::make_error_code(std::errc::invalid_argument));
    std::error_code linkError;
    if (status.type() == fs::file_type::not_found && fs::is_symlink(fs::symlink_status(target, linkError)))
        // Writing a new file in its place would turn the link into a plain file.
        throw Error("Не записано: это символическая ссылка на несуществующий файл" + nameLine(target));
    if (fs::exists(status) && !fs::is_regular_file(status)) {
        // A device or a pipe is the file itself: renaming over it would put a
        // plain file in its place.
        writeDirectly(target, write);
        return;
    }

    fs::path destination = target;
    if (fs::is_regular_file(status)) {
        // Refuse a file the user may not write, as writing in place would;
        // appending nothing leaves it untouched.
        static_cast<void>(openOrFail(target, "ab"));
        if (fs::is_symlink(fs::symlink_status(target, error))) {
            destination = fs::canonical(target, error);
            if (error)
                fail(error);
        }
    }

    TemporaryFile temporary(destination);
    writeContent(temporary.file().get(), write);
    closeOrFail(temporary.file());
    if (fs::is_regular_file(status)) {
        // The replacement keeps the old file's permissions; failing to copy them
        // does not make the new content any less saved.
        std::error_code ignored;
        fs::permissions(temporary.path(), status.permissions(), ignored);
        keepOwner(destination, temporary.path());
    }
    fs::rename(temporary.path(), destination, error);
    if (error)
        fail(error);
    temporary.keep();
}

// "16 МБ", "4096 байт".
std::string sizeText(std::size_t bytes)
{
    if (bytes >= (1u << 20) && bytes % (1u << 20) == 0)
        return std::to_string(bytes >> 20) + " МБ";
    return std::to_string(bytes) + " байт";
}

std::string readFile(const fs::path& path, std::size_t maxBytes)
{
    if (path.empty())
        fail(std::make_error_code(std::errc::invalid_argument));
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (status.type() == fs::file_type::not_found || status.type() == fs::file_type::none)
        fail(error ? error : std::make_error_code(std::errc::no_such_file_or_directory));
    // A directory, device or pipe is no data file, and is never opened: a pipe
    // without a writer would keep the open waiting for ever.
    if (fs::is_directory(status))
        fail(std::make_error_code(std::errc::is_a_directory));
    if (!fs::is_regular_file(status))
        fail(std::make_error_code(std::errc::permission_denied));
    FileHandle file = openOrFail(path, "rb");

    std::string bytes;
    char chunk[65536];
    for (;;) {
        // One byte more than allowed is enough to tell that the file is too long.
        const std::size_t room = maxBytes - bytes.size();
        const std::size_t wanted = room >= sizeof chunk ? sizeof chunk : room + 1;
        errno = 0;
        const std::size_t got = std::fread(chunk, 1, wanted, file.get());
        bytes.append(chunk, got);
        if (bytes.size() > maxBytes)
            throw Error("Файл слишком большой: в нем больше " + sizeText(maxBytes) + nameLine(path));
        if (got < wanted) {
            if (std::ferror(file.get()))
                fail(lastError());
            return bytes;
        }
    }
}

}  // namespace

fs::path pathFromUtf8(std::string_view utf8) { return fs::path(std::u8string(utf8.begin(), utf8.end())); }

std::string utf8Of(const fs::path& path)
{
    try {
        const std::u8string utf8 = path.u8string();
        return std::string(utf8.begin(), utf8.end());
    } catch (const std::exception&) {
        return "?";  // a Windows name that is no valid UTF-16
    }
}

std::string fileErrorMessage(std::error_code error)
{
    using std::errc;
    if (error == errc::no_such_file_or_directory || error == errc::not_a_directory)
        return fileNotFound;
    if (error == errc::permission_denied || error == errc::operation_not_permitted
        || error == errc::read_only_file_system || error == errc::is_a_directory)
        return accessDenied;
    if (error == errc::no_space_on_device)
        return diskFull;
    if (error == errc::invalid_argument || error == errc::filename_too_long)
        return invalidFilename;
    if (error == errc::too_many_files_open || error == errc::too_many_files_open_in_system)
        return tooManyOpenFiles;
    return "I/O error " + std::to_string(error.value());
}

std::string fileErrorMessage(std::error_code error, const fs::path& file)
{
    return fileErrorMessage(error) + nameLine(file);
}

void saveFileSafely(const fs::path& target, std::string_view bytes)
{
    saveFileSafely(target,
                   [&](std::ostream& out) { out.write(bytes.data(), static_cast<std::streamsize>(bytes.size())); });
}

void saveFileSafely(const fs::path& target, const FileContentWriter& write)
{
    namingTheFile(target, [&] { saveFile(target, write); });
}

std::string readFileBytes(const fs::path& path, std::size_t maxBytes)
{
    return namingTheFile(path, [&] { return readFile(path, maxBytes); });
}

std::string bytesWrittenBeside(const fs::path& target, const std::function<void(const fs::path&)>& write,
                               std::size_t maxBytes)
{
    std::optional<TemporaryFile> temporary;
    namingTheFile(target, [&] {
        if (!target.has_filename())
            fail(std::make_error_code(std::errc::invalid_argument));
        temporary.emplace(target);
        closeOrFail(temporary->file());
    });
    write(temporary->path());
    return namingTheFile(target, [&] { return readFile(temporary->path(), maxBytes); });
}

}  // namespace hullcalc
