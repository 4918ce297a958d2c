// Entry point of hullcalc-cli. The arguments reach the tool as UTF-8 on every
// platform, so that file names and texts with Cyrillic letters survive.
#include "cli/cli.h"

#include <iostream>

#ifdef _WIN32
#include <windows.h>

#include <shellapi.h>
#endif

namespace {

std::vector<std::string> arguments(int argc, char** argv)
{
#ifdef _WIN32
    // argv is in the ANSI code page on Windows; the wide command line is not.
    static_cast<void>(argc);
    static_cast<void>(argv);
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> args;
    for (int i = 1; i < count; ++i) {
        const int bytes = WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
        std::string text(static_cast<std::size_t>(bytes > 0 ? bytes - 1 : 0), '\0');
        WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, text.data(), bytes, nullptr, nullptr);
        args.push_back(std::move(text));
    }
    LocalFree(wide);
    return args;
#else
    return std::vector<std::string>(argv + 1, argv + argc);
#endif
}

}  // namespace

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    return hullcalc::runCli(arguments(argc, argv), std::cout, std::cerr);
}
