// Whole-file reading and safe saving over C stdio, so that every failure carries
// the system's error code and the file's name; on Windows the paths are opened as
// wide strings. On Linux a file being written has no name until it is complete
// (O_TMPFILE), so a killed process leaves nothing behind.
#include "common/file_io.h"

#include "common/error.h"
#include "common/file_error.h"
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
#ifdef __linux__
#include <fcntl.h>
#include <sys/mman.h>
#endif

namespace hullcalc {

namespace fs = std::filesystem;

namespace {

constexpr const char* fileNotFound = "File not found";
constexpr const char* accessDenied = "File access denied";
constexpr const char* diskFull = "Disk full";
constexpr const char* invalidFilename = "Invalid filename";
constexpr const char* tooManyOpenFiles = "Too many open files";
constexpr const char* isADirectory = "Is a directory";
constexpr const char* isAPipe = "Is a pipe";
constexpr const char* pipeWithoutReader = "Pipe has no reader";
constexpr const char* notARegularFile = "Not a regular file";
constexpr const char* fileExists = "File exists";
constexpr const char* fileTooLarge = "File too large";

// Causes the program finds itself, where no system call failed.
enum class FileCause { pipe = 1, notRegularFile };

class FileCauseCategory : public std::error_category {
public:
    const char* name() const noexcept override { return "hullcalc-file"; }
    std::string message(int cause) const override
    {
        return cause == static_cast<int>(FileCause::pipe) ? isAPipe : notARegularFile;
    }
};

const std::error_category& fileCauseCategory()
{
    static const FileCauseCategory category;
    return category;
}

std::error_code causeCode(FileCause cause) { return {static_cast<int>(cause), fileCauseCategory()}; }

// Why a path that exists is not read as a file: a folder, a pipe, a device.
std::error_code notAFileCause(const std::filesystem::file_status& status)
{
    if (std::filesystem::is_directory(status))
        return std::make_error_code(std::errc::is_a_directory);
    return causeCode(status.type() == std::filesystem::file_type::fifo ? FileCause::pipe : FileCause::notRegularFile);
}

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
        throw FileError(fileErrorMessage(e.code(), file), e.code());
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

// ".hullcalc-" + 16 random hex digits + ".tmp".
fs::path randomTemporaryName(std::random_device& random)
{
    char name[40];
    std::snprintf(name, sizeof name, ".hullcalc-%08x%08x.tmp", random(), random());
    return name;
}

// A new file in the folder of the one it will replace, removed again unless
// kept. On Linux it is made without a name where the file system allows
// (O_TMPFILE): a process killed while writing leaves nothing, and the file
// gets its name only once complete, just before it replaces the target.
// Elsewhere it is a named file from the start, removed on every way out but a
// kill, which the stale-file clean-up takes care of.
class TemporaryFile {
public:
    explicit TemporaryFile(const fs::path& destination) : folder_(destination.parent_path())
    {
        removeStaleTemporaryFiles(folder_);
#ifdef __linux__
        if (openWithoutName())
            return;
#endif
        std::error_code error;
        for (int attempt = 0; attempt < 16; ++attempt) {
            path_ = folder_ / randomTemporaryName(random_);
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
        if (!kept_ && !path_.empty()) {
            std::error_code ignored;
            fs::remove(path_, ignored);
        }
    }

    // The file's name in the folder; a file without one is given one now
    // (the bytes written so far stay).
    const fs::path& name()
    {
#ifdef __linux__
        if (path_.empty())
            linkIntoFolder();
#endif
        return path_;
    }
    FileHandle& file() { return file_; }
    void keep() { kept_ = true; }

    // Gives the file the permissions, owner and group of the file it will
    // replace; a file without a name gets them before it has one, so that the
    // moment between naming it and the replacement is as short as it can be.
    // Failing to copy them does not make the new content any less saved.
    void takeAccessOf(const fs::path& original, fs::perms permissions)
    {
#ifdef __linux__
        if (path_.empty()) {
            const int descriptor = ::fileno(file_.get());
            static_cast<void>(::fchmod(descriptor, static_cast<mode_t>(permissions & fs::perms::mask)));
            struct stat old {};
            if (::stat(original.c_str(), &old) == 0 && ::fchown(descriptor, old.st_uid, old.st_gid) != 0)
                static_cast<void>(::fchown(descriptor, static_cast<uid_t>(-1), old.st_gid));
            return;
        }
#endif
        std::error_code ignored;
        fs::permissions(path_, permissions, ignored);
        keepOwner(original, path_);
    }

private:
#ifdef __linux__
    // False where the file system or the kernel has no files without a name,
    // or /proc (through which one is linked) is missing: then a named file is
    // made. Any other failure (no folder, no permission) is the save's.
    bool openWithoutName()
    {
        if (::access("/proc/self/fd", X_OK) != 0)
            return false;
        const fs::path folder = folder_.empty() ? fs::path(".") : folder_;
        errno = 0;
        const int descriptor = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
        if (descriptor < 0) {
            if (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL)
                return false;
            fail(lastError());
        }
        file_.reset(::fdopen(descriptor, "wb"));
        if (!file_) {
            const std::error_code error = lastError();
            ::close(descriptor);
            fail(error);
        }
        return true;
    }

    void linkIntoFolder()
    {
        const std::string self = "/proc/self/fd/" + std::to_string(::fileno(file_.get()));
        for (int attempt = 0; attempt < 16; ++attempt) {
            const fs::path name = folder_ / randomTemporaryName(random_);
            errno = 0;
            if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
                path_ = name;
                return;
            }
            if (errno != EEXIST)
                fail(lastError());
        }
        fail(std::make_error_code(std::errc::file_exists));
    }
#endif

    fs::path folder_;
    fs::path path_;
    FileHandle file_;
    bool kept_ = false;
    std::random_device random_;
};

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

// Opens a pipe for writing without waiting for a reader: a pipe nobody reads
// would keep the open waiting for ever. Elsewhere than Linux it opens as a file.
FileHandle openPipe([[maybe_unused]] const fs::path& pipe)
{
#ifdef __linux__
    errno = 0;
    const int descriptor = ::open(pipe.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        fail(errno == ENXIO ? std::make_error_code(std::errc::no_such_device_or_address) : lastError());
    // With a reader there, the writes may wait for it as any pipe's do.
    const int flags = ::fcntl(descriptor, F_GETFL);
    FileHandle file(flags < 0 || ::fcntl(descriptor, F_SETFL, flags & ~O_NONBLOCK) < 0 ? nullptr
                                                                                       : ::fdopen(descriptor, "wb"));
    if (!file) {
        const std::error_code error = lastError();
        ::close(descriptor);
        fail(error);
    }
    return file;
#else
    return openOrFail(pipe, "wb");
#endif
}

void writeDirectly(const fs::path& target, const fs::file_status& status, const FileContentWriter& write)
{
    FileHandle file = status.type() == fs::file_type::fifo ? openPipe(target) : openOrFail(target, "wb");
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
        writeDirectly(target, status, write);
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
    // Every byte is out of the buffer before the file gets a name: a run
    // killed after that leaves at worst a complete copy beside the target.
    errno = 0;
    if (std::fflush(temporary.file().get()) != 0)
        fail(lastError());
    if (fs::is_regular_file(status))
        temporary.takeAccessOf(destination, status.permissions());
    const fs::path written = temporary.name();
    closeOrFail(temporary.file());
    fs::rename(written, destination, error);
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

#ifdef __linux__
// Standard error goes to /dev/null while this lives, and comes back after.
class StandardErrorSilenced {
public:
    StandardErrorSilenced()
    {
        std::fflush(stderr);
        saved_ = ::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0);
        const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (saved_ >= 0 && null >= 0)
            static_cast<void>(::dup2(null, STDERR_FILENO));
        if (null >= 0)
            ::close(null);
    }
    ~StandardErrorSilenced()
    {
        std::fflush(stderr);
        if (saved_ >= 0) {
            static_cast<void>(::dup2(saved_, STDERR_FILENO));
            ::close(saved_);
        }
    }
    StandardErrorSilenced(const StandardErrorSilenced&) = delete;
    StandardErrorSilenced& operator=(const StandardErrorSilenced&) = delete;

private:
    int saved_ = -1;
};
#endif

// `shownName` is the file a refusal names: the target of a file in memory.
std::string readFile(const fs::path& path, std::size_t maxBytes, const fs::path& shownName)
{
    if (path.empty())
        fail(std::make_error_code(std::errc::invalid_argument));
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (status.type() == fs::file_type::not_found || status.type() == fs::file_type::none)
        fail(error ? error : std::make_error_code(std::errc::no_such_file_or_directory));
    // A directory, device or pipe is no data file, and is never opened: a pipe
    // without a writer would keep the open waiting for ever.
    if (!fs::is_regular_file(status))
        fail(notAFileCause(status));
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
            throw FileError("Файл слишком большой: в нем больше " + sizeText(maxBytes) + nameLine(shownName),
                            std::make_error_code(std::errc::file_too_large));
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

bool isSameFile(const fs::path& first, const fs::path& second)
{
    std::error_code error;
    const fs::path a = fs::absolute(first, error).lexically_normal();
    const fs::path b = fs::absolute(second, error).lexically_normal();
    return a == b || fs::equivalent(a, b, error);
}

std::string fileErrorMessage(std::error_code error)
{
    using std::errc;
    if (error == errc::no_such_file_or_directory || error == errc::not_a_directory)
        return fileNotFound;
    if (error.category() == fileCauseCategory())
        return error.message();
    if (error == errc::permission_denied || error == errc::operation_not_permitted
        || error == errc::read_only_file_system)
        return accessDenied;
    if (error == errc::is_a_directory)
        return isADirectory;
    if (error == errc::no_such_device_or_address)
        return pipeWithoutReader;
    if (error == errc::file_exists)
        return fileExists;
    if (error == errc::file_too_large)
        return fileTooLarge;
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
    return namingTheFile(path, [&] { return readFile(path, maxBytes, path); });
}

std::string bytesWrittenToFile(const fs::path& target, const std::function<void(const fs::path&)>& write,
                               std::size_t maxBytes)
{
    namingTheFile(target, [&] {
        if (!target.has_filename())
            fail(std::make_error_code(std::errc::invalid_argument));
    });
#ifdef __linux__
    // A file in memory, named through /proc: nothing on disk while the library
    // writes, so neither a kill nor a full disk leaves anything behind.
    const int memory = ::memfd_create("hullcalc-output", MFD_CLOEXEC);
    if (memory >= 0 && ::access("/proc/self/fd", X_OK) == 0) {
        struct Closer {
            int descriptor;
            ~Closer() { ::close(descriptor); }
        } closer{memory};
        const fs::path name = "/proc/self/fd/" + std::to_string(memory);
        {
            // What the library would print of a failure (English, naming the
            // file in memory) the caller reports from its return in the
            // user's words.
            const StandardErrorSilenced silenced;
            write(name);
        }
        return namingTheFile(target, [&] { return readFile(name, maxBytes, target); });
    }
    if (memory >= 0)
        ::close(memory);
#endif
    std::optional<TemporaryFile> temporary;
    fs::path name;
    namingTheFile(target, [&] {
        temporary.emplace(target);
        name = temporary->name();
        closeOrFail(temporary->file());
    });
    write(name);
    return namingTheFile(target, [&] { return readFile(name, maxBytes, target); });
}

}  // namespace hullcalc
