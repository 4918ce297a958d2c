// Whole-file reading and safe saving: the messages of each failure with the file
// they name, and that a failed save leaves the old file's bytes as they were.
#include "common/error.h"
#include "common/file_io.h"
#include "error_of.h"
#include "file_size_limit.h"
#include "test_directory.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <future>
#include <string>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace hullcalc {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

// A fresh directory per test, removed with everything in it afterwards.
class FileIo : public testing::Test {
protected:
    void put(const fs::path& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }
    // The system's text, then the file on a line of its own: of a long
    // (ASCII) path "…" and its last 100 characters.
    static std::string naming(const std::string& message, const fs::path& file)
    {
        const std::string name = file.string();
        return message + "\nФайл: " + (name.size() > 100 ? "…" + name.substr(name.size() - 100) : name);
    }
    std::size_t entries() const { return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), {})); }

    TestDirectory directory;
    const fs::path& dir = directory.path();
    // Bytes a text stream would mangle: NUL, CR, LF, a lone CR, the high half.
    const std::string binary{"a\0b\r\n\rc\xFF\xD2"s};
};

// A library that writes only to a file name gets a new, empty file and its
// bytes come back; nothing stays in the target's folder in any case.
TEST_F(FileIo, BytesWrittenToFileComeBackAndLeaveNothing)
{
    const fs::path target = dir / "книга.xlsx";
    const auto writeTwoBytes = [&](const fs::path& file) {
        EXPECT_TRUE(fs::is_regular_file(file));
        EXPECT_EQ(fs::file_size(file), 0u);
        put(file, "PK");
    };
    EXPECT_EQ(bytesWrittenToFile(target, writeTwoBytes, 100), "PK");
    EXPECT_EQ(entries(), 0u);

    EXPECT_EQ(errorOf([&] {
                  bytesWrittenToFile(
                      target, [](const fs::path&) { throw Error("library failed"); }, 100);
              }),
              "library failed");
    EXPECT_EQ(entries(), 0u);
    // The cause, then the file (its name cut to fit where the path is long).
    EXPECT_TRUE(errorOf([&] {
                    bytesWrittenToFile(target, writeTwoBytes, 1);
                }).starts_with("Файл слишком большой: в нем больше 1 байт\nФайл: "));
}

// A save creates the file, then replaces it whole, a shorter text too; content
// written piece by piece arrives whole; a writer that gives up half way leaves
// the old file and no temporary one.
TEST_F(FileIo, SaveReplacesTheFileWithEveryPieceOrNothing)
{
    const fs::path file = dir / "data.txt";
    saveFileSafely(file, "first version, longer than the second");
    saveFileSafely(file, binary);
    EXPECT_EQ(readFileBytes(file, 1000), binary);
    saveFileSafely(file, [&](std::ostream& out) {
        out << "a" << 'b';
        out.write(binary.data(), static_cast<std::streamsize>(binary.size()));
    });
    EXPECT_EQ(readFileBytes(file, 1000), "ab" + binary);
    EXPECT_EQ(errorOf([&] {
                  saveFileSafely(file, [](std::ostream& out) {
                      out << std::string(100000, 'x');
                      throw Error("stopped");
                  });
              }),
              "stopped");
    EXPECT_EQ(readFileBytes(file, 1000), "ab" + binary);
    EXPECT_EQ(entries(), 1u);
}

TEST_F(FileIo, FailuresNameTheCauseAndTheFileAndHarmNothing)
{
    const fs::path missing = dir / "missing" / "data.txt";
    EXPECT_EQ(errorOf([&] { saveFileSafely(missing, "x"); }), naming("File not found", missing));
    EXPECT_FALSE(fs::exists(dir / "missing"));
    EXPECT_EQ(errorOf([&] { saveFileSafely({}, "x"); }), "Invalid filename");
    fs::create_directory(dir / "folder");
    put(dir / "folder" / "inside.txt", "kept");
    EXPECT_EQ(errorOf([&] { saveFileSafely(dir / "folder", "x"); }), naming("Is a directory", dir / "folder"));
    EXPECT_EQ(readFileBytes(dir / "folder" / "inside.txt", 100), "kept");
    EXPECT_EQ(entries(), 1u) << "no temporary file left beside the directory";

    EXPECT_EQ(errorOf([&] { readFileBytes(dir / "missing.txt", 100); }), naming("File not found", dir / "missing.txt"));
    EXPECT_EQ(errorOf([&] { readFileBytes(dir, 100); }), naming("Is a directory", dir));
    // The limit is inclusive: a file of exactly maxBytes is read whole.
    put(dir / "ten.txt", "0123456789");
    EXPECT_EQ(readFileBytes(dir / "ten.txt", 10), "0123456789");
    EXPECT_EQ(errorOf([&] { readFileBytes(dir / "ten.txt", 9); }),
              naming("Файл слишком большой: в нем больше 9 байт", dir / "ten.txt"));
}

// The name line: Cyrillic names stay readable, a garbage name is not echoed
// whole, and a name's control characters cannot start a line of their own.
TEST(FileErrorMessage, NamesTheFileOnASecondLine)
{
    const auto notFound = std::make_error_code(std::errc::no_such_file_or_directory);
    EXPECT_EQ(fileErrorMessage(notFound, fs::path(u8"судно.txt")), "File not found\nФайл: судно.txt");
    EXPECT_EQ(fileErrorMessage(notFound, {}), "File not found");
    const std::string longName = std::string(4990, 'x') + "/ship.hullcalc";
    EXPECT_EQ(fileErrorMessage(std::make_error_code(std::errc::filename_too_long), longName),
              "Invalid filename\nФайл: …" + std::string(86, 'x') + "/ship.hullcalc");
    EXPECT_EQ(fileErrorMessage(notFound, fs::path("a\nhullcalc-cli: \x1B[2Jb")),
              "File not found\nФайл: a\\nhullcalc-cli: \\x1B[2Jb");
}

// A UTF-8 name is the path the u8 literal names, on Windows too, where the
// narrow string would be read in the ANSI code page; and it reads back as typed.
TEST(PathFromUtf8, NamesTheFileTyped)
{
    const std::string typed = "Мои суда/Судно 1.txt";
    EXPECT_EQ(pathFromUtf8(typed), fs::path(u8"Мои суда/Судно 1.txt"));
    EXPECT_EQ(pathFromUtf8(typed).filename(), fs::path(u8"Судно 1.txt"));
    EXPECT_EQ(utf8Of(pathFromUtf8(typed)), typed);
    EXPECT_EQ(pathFromUtf8(""), fs::path());
}

#ifndef _WIN32

TEST_F(FileIo, DeviceIsWrittenInPlaceNeverReplacedNorRead)
{
    if (!fs::exists("/dev/full") || !fs::exists("/dev/zero"))
        GTEST_SKIP() << "no /dev/full or /dev/zero";
    EXPECT_EQ(errorOf([] { saveFileSafely("/dev/full", "x"); }), naming("Disk full", "/dev/full"));
    EXPECT_TRUE(fs::is_character_file("/dev/full"));
    EXPECT_EQ(errorOf([] { readFileBytes("/dev/zero", 1 << 20); }), naming("Not a regular file", "/dev/zero"));
}

// Opening a pipe that has no writer waits until one comes: reading must refuse
// it without opening it. Should it open the pipe, the test opens the writing
// end itself after a while to set it free.
TEST_F(FileIo, PipeIsRefusedWithoutWaitingForAWriter)
{
    const fs::path pipe = dir / "pipe";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    auto reading = std::async(std::launch::async, [&] { return errorOf([&] { readFileBytes(pipe, 100); }); });
    if (reading.wait_for(std::chrono::seconds(10)) == std::future_status::timeout) {
        std::ofstream writer(pipe);
        FAIL() << "readFileBytes waited for a writer";
    }
    EXPECT_EQ(reading.get(), naming("Is a pipe", pipe));
    // Nor does writing wait for a reader that never comes.
    auto writing = std::async(std::launch::async, [&] { return errorOf([&] { saveFileSafely(pipe, "x"); }); });
    if (writing.wait_for(std::chrono::seconds(10)) == std::future_status::timeout) {
        std::ifstream reader(pipe);
        FAIL() << "saveFileSafely waited for a reader";
    }
    EXPECT_EQ(writing.get(), naming("Pipe has no reader", pipe));
    EXPECT_TRUE(fs::is_fifo(pipe));
}

TEST_F(FileIo, FailedWriteKeepsTheOldBytesAndClosesEveryFile)
{
    // A file size limit makes the write fail after a few blocks, as a full disk
    // would, also for root; the signal it raises is ignored so write() reports it.
    const fs::path file = dir / "data.txt";
    put(file, binary);
    const auto openFiles = [] { return std::distance(fs::directory_iterator("/dev/fd"), {}); };
    const auto openBefore = openFiles();
    const std::string message = [&] {
        const FileSizeLimit limit(4096);
        return errorOf([&] { saveFileSafely(file, std::string(1 << 20, 'x')); });
    }();

    EXPECT_EQ(message, naming("File too large", file));
    EXPECT_EQ(readFileBytes(file, 1000), binary);
    EXPECT_EQ(entries(), 1u) << "the temporary file is removed";
    EXPECT_NE(errorOf([&] { readFileBytes(file, 1); }), "no error");
    EXPECT_EQ(openFiles(), openBefore) << "a failed save or read leaves no file open";
}

// A link stays a link to the file it names, and the file keeps its
// permissions; a file the user may not write is refused as writing in place
// would refuse it (root is not held back by permissions).
TEST_F(FileIo, ExistingFileKeepsItsLinkAndPermissions)
{
    const fs::path file = dir / "data.txt";
    const auto perms = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    put(file, "old");
    fs::permissions(file, perms);
    fs::create_symlink("data.txt", dir / "link.txt");
    saveFileSafely(dir / "link.txt", "new");
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(dir / "link.txt")));
    EXPECT_EQ(readFileBytes(file, 100), "new");
    EXPECT_EQ(fs::status(file).permissions(), perms);
    EXPECT_EQ(entries(), 2u);
    if (geteuid() != 0) {
        fs::permissions(file, fs::perms::owner_read);
        EXPECT_EQ(errorOf([&] { saveFileSafely(file, "newer"); }), naming("File access denied", file));
        EXPECT_EQ(readFileBytes(file, 100), "new");
        // A read-only folder takes no temporary file, so its file stays as it was.
        fs::permissions(file, perms);
        fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
        EXPECT_EQ(errorOf([&] { saveFileSafely(file, "newer"); }), naming("File access denied", file));
        fs::permissions(dir, fs::perms::owner_all);
        EXPECT_EQ(readFileBytes(file, 100), "new");
    }
}

// A link to no file stays a link: writing a plain file in its place is refused.
TEST_F(FileIo, DanglingLinkIsRefusedAndStaysALink)
{
    fs::create_symlink("nowhere.txt", dir / "link.txt");
    EXPECT_EQ(errorOf([&] { saveFileSafely(dir / "link.txt", "x"); }),
              naming("Не записано: это символическая ссылка на несуществующий файл", dir / "link.txt"));
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(dir / "link.txt")));
    EXPECT_EQ(entries(), 1u);
}

// What a run killed while saving leaves: temporary files of the program's own
// pattern. A save into the folder removes those older than ten minutes and
// nothing else: not a fresh one (a save in progress), not a look-alike.
TEST_F(FileIo, SaveRemovesStaleTemporaryFilesOfItsOwnPattern)
{
    const auto hourAgo = fs::file_time_type::clock::now() - std::chrono::hours(1);
    for (const char* name : {".hullcalc-0123456789abcdef.tmp", ".hullcalc-0123456789abcdeg.tmp",
                             ".hullcalc-fedcba9876543210.tmp", "hullcalc-0123456789abcdef.tmp"}) {
        put(dir / name, "left");
        fs::last_write_time(dir / name, hourAgo);
    }
    put(dir / ".hullcalc-00000000000000ff.tmp", "being written");
    saveFileSafely(dir / "data.txt", "new");
    EXPECT_FALSE(fs::exists(dir / ".hullcalc-0123456789abcdef.tmp"));
    EXPECT_FALSE(fs::exists(dir / ".hullcalc-fedcba9876543210.tmp"));
    for (const char* kept : {".hullcalc-0123456789abcdeg.tmp", "hullcalc-0123456789abcdef.tmp",
                             ".hullcalc-00000000000000ff.tmp", "data.txt"})
        EXPECT_TRUE(fs::exists(dir / kept)) << kept;
}

// Rewriting another user's file (as root may) keeps its owner and group.
TEST_F(FileIo, RewriteKeepsOwnerAndGroup)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "only root may give a file away";
    const fs::path file = dir / "data.txt";
    put(file, "old");
    ASSERT_EQ(chown(file.c_str(), 4321, 8765), 0);
    saveFileSafely(file, "new");
    struct stat after {};
    ASSERT_EQ(stat(file.c_str(), &after), 0);
    EXPECT_EQ(after.st_uid, 4321u);
    EXPECT_EQ(after.st_gid, 8765u);
    EXPECT_EQ(readFileBytes(file, 100), "new");
}

#endif

}  // namespace
}  // namespace hullcalc
