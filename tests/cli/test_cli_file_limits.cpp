// The real hullcalc-cli under a file-size limit and with standard output on a
// full device: a failed write exits 1, names the file and leaves the old one
// byte for byte. POSIX only: the limit and the device are what make writes fail.
#include "cli_process.h"
#include "test_directory.h"

#include <gtest/gtest.h>

#if !defined(_WIN32)

#include <filesystem>
#include <fstream>

namespace hullcalc {
namespace {

namespace fs = std::filesystem;

struct Exit {
    int status;
    std::string err;
};

// The tool's exit status and standard error, run by startCli.
Exit runLimited(const std::vector<std::string>& args, rlim_t maxFileBytes, const fs::path& errFile,
                const char* stdoutFile = "/dev/null")
{
    const int status = waitStatusOf(startCli(args, stdoutFile, errFile.c_str(), maxFileBytes));
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, bytesOf(errFile)};
}

class CliFileLimits : public testing::Test {
protected:
    TestDirectory directory;
    const fs::path& dir = directory.path();
    const fs::path errFile = dir / "stderr.txt";

    // The files of `folder` other than the standard error's.
    std::vector<fs::path> filesIn(const fs::path& folder) const
    {
        std::vector<fs::path> files;
        for (const fs::directory_entry& entry : fs::directory_iterator(folder))
            if (entry.path() != errFile)
                files.push_back(entry.path().filename());
        return files;
    }
};

// The result is some 30 KB, the dump 33 KB, each chart 12 KB or more, the
// report and the workbook more still: a limit of 4 KB stops every one of them
// part-way.
TEST_F(CliFileLimits, WriteCutShortKeepsTheOldFile)
{
    struct Case {
        const char* name;
        std::vector<std::string> options;
        fs::path file;
        std::string cause = "Файл слишком большой для этого диска или превышен предел размера файла";
    };
    const Case cases[] = {
        {"json", {"--json", (dir / "r.json").string()}, dir / "r.json"},
        {"dump", {"--tone", "1", "--dump", (dir / "d.json").string()}, dir / "d.json"},
        {"pdf", {"--print-pdf", dir.string()}, dir / "1.pdf"},
        {"report", {"--report", (dir / "r.pdf").string()}, dir / "r.pdf"},
        // The workbook's library writes the file and names the failure itself.
        {"workbook", {"--tone", "1", "--xlsx", (dir / "r.xlsx").string()}, dir / "r.xlsx", "Zip generic error"},
    };
    for (const Case& c : cases) {
        std::ofstream(c.file, std::ios::binary) << "old bytes";
        const Exit r = runLimited(c.options, 4096, errFile);
        EXPECT_EQ(r.status, 1) << c.name;
        EXPECT_TRUE(r.err.find("hullcalc-cli: не удалось записать «" + c.file.string() + "»: " + c.cause)
                    != std::string::npos)
            << c.name << ": " << r.err;
        EXPECT_EQ(r.err.find("[ERROR]"), std::string::npos) << c.name << ": a library printed " << r.err;
        EXPECT_EQ(bytesOf(c.file), "old bytes") << c.name;
        EXPECT_EQ(filesIn(dir), std::vector<fs::path>{c.file.filename()}) << c.name << ": a temporary file is left";
        fs::remove(c.file);
    }
}

TEST_F(CliFileLimits, FullStandardOutputExitsWithOne)
{
    if (!fs::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full";
    for (const std::vector<std::string>& args : {std::vector<std::string>{"--version"}, {"--json", "-"}}) {
        const Exit r = runLimited(args, RLIM_INFINITY, errFile, "/dev/full");
        EXPECT_EQ(r.status, 1) << args[0];
        EXPECT_EQ(r.err, "hullcalc-cli: не удалось записать в стандартный вывод\n") << args[0];
    }
}

}  // namespace
}  // namespace hullcalc

#endif
