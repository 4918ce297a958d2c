// Entry point of hullcalc-cli. The arguments reach the tool as UTF-8 on every
// platform, so that file names and texts with Cyrillic letters survive.
#include "cli/cli.h"

#include <QString>
#include <QtGlobal>

#include <exception>
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

// Qt's own notes (a missing runtime folder when a chart is printed to PDF)
// concern the machine, not the ship, and would mix with the tool's messages on
// standard error; only its critical messages are kept.
void qtMessage(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::cerr << "hullcalc-cli: " << message.toStdString() << '\n';
}

}  // namespace

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    qInstallMessageHandler(qtMessage);
    // runCli ends every ship's failure on its own; this is the last resort for
    // what it cannot (no memory left), so that the tool still exits with a message.
    try {
        return hullcalc::runCli(arguments(argc, argv), std::cout, std::cerr);
    } catch (const std::exception& e) {
        std::cerr << "hullcalc-cli: " << e.what() << '\n';
        return 1;
    }
}
