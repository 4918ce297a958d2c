// A fresh directory for one test: unique even when ctest runs the tests in
// parallel processes, removed with everything in it afterwards; and the bytes
// of a file in it.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace hullcalc {

class TestDirectory {
public:
    TestDirectory()
    {
        const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
        std::random_device random;
        const std::string name = std::string("hullcalc-") + test->test_suite_name() + "-" + test->name() + "-"
                                 + std::to_string(random()) + std::to_string(random());
        std::string safe;
        for (const char c : name)
            safe += std::isalnum(static_cast<unsigned char>(c)) || c == '-' ? c : '_';
        path_ = std::filesystem::temp_directory_path() / safe;
        std::filesystem::create_directories(path_);
    }
    ~TestDirectory()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TestDirectory(const TestDirectory&) = delete;
    TestDirectory& operator=(const TestDirectory&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// The bytes of a file; none when it cannot be read.
inline std::string bytesOf(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

}  // namespace hullcalc
