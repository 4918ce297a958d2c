// The real hullcalc-cli killed (SIGKILL) at random moments while it writes its
// JSON and its workbook over an older file: no temporary file is ever left
// beside the target, and the target holds either its old bytes or the whole
// new file, never a part. Linux only: elsewhere a killed run leaves its named
// temporary file to the next save's clean-up.
#include "cli_process.h"
#include "test_directory.h"

#include <gtest/gtest.h>

#if defined(__linux__)

#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <thread>

namespace hullcalc {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// Whether `bytes` are a whole zip archive: it ends with its end-of-central-
// directory record (22 bytes, no comment).
bool isWholeZip(const std::string& bytes)
{
    return bytes.size() > 22 && bytes.compare(bytes.size() - 22, 4, "PK\x05\x06") == 0;
}

TEST(CliKilledWrites, LeaveNoTemporaryFileAndNoTornTarget)
{
    struct Case {
        const char* option;
        const char* file;
    };
    constexpr int kills = 50;
    std::mt19937 random(20261207);
    for (const Case& c : {Case{"--json", "r.json"}, Case{"--xlsx", "r.xlsx"}}) {
        TestDirectory directory;
        const fs::path target = directory.path() / c.file;
        const std::vector<std::string> args = {c.option, target.string()};

        // One whole run: the new file, and how long the tool takes.
        const auto begin = Clock::now();
        ASSERT_EQ(waitStatusOf(startCli(args)), 0) << c.option;
        const auto runTime = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - begin);
        const std::string whole = bytesOf(target);
        ASSERT_TRUE(c.option == std::string("--json") ? whole.ends_with("}\n") : isWholeZip(whole)) << c.option;

        std::uniform_int_distribution<long> moment(0, runTime.count());
        int replaced = 0;
        for (int i = 0; i < kills; ++i) {
            std::ofstream(target, std::ios::binary | std::ios::trunc) << "old bytes";
            const pid_t child = startCli(args);
            std::this_thread::sleep_for(std::chrono::microseconds(moment(random)));
            kill(child, SIGKILL);
            waitStatusOf(child);

            // A kill in the moment between naming the complete new file and
            // putting it in place leaves that complete copy under a temporary
            // name (the next save clears it once stale); never a partial one.
            std::vector<fs::path> left;
            for (const fs::directory_entry& entry : fs::directory_iterator(directory.path())) {
                if (entry.path().filename() == c.file)
                    continue;
                left.push_back(entry.path().filename());
                const std::string copy = bytesOf(entry.path());
                EXPECT_TRUE(c.option == std::string("--json") ? copy == whole : isWholeZip(copy)) << "kill " << i;
                fs::remove(entry.path());
            }
            EXPECT_LE(left.size(), 1u) << c.option << ", kill " << i;
            const std::string bytes = bytesOf(target);
            if (bytes == "old bytes")
                continue;
            ++replaced;
            if (c.option == std::string("--json"))
                EXPECT_EQ(bytes, whole) << "kill " << i;
            else
                EXPECT_TRUE(isWholeZip(bytes)) << "kill " << i;
        }
        // Some kills came too late to stop the write, most in time; neither
        // extreme would test the moment in between.
        RecordProperty(std::string(c.option + 2) + "_replaced", replaced);
    }
}

}  // namespace
}  // namespace hullcalc

#endif
