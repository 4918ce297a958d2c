// The real hullcalc-cli started as a child process with its standard streams
// on files and a limit on the size of the files it writes. POSIX only.
#pragma once

#if !defined(_WIN32)

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <string>
#include <vector>

namespace hullcalc {

// Starts the tool with standard output to `stdoutFile`, standard error to
// `errFile` and files limited to `maxFileBytes` (SIGXFSZ ignored, so that a
// write past the limit fails instead of killing it).
inline pid_t startCli(std::vector<std::string> args, const char* stdoutFile = "/dev/null",
                      const char* errFile = "/dev/null", rlim_t maxFileBytes = RLIM_INFINITY)
{
    args.insert(args.begin(), HULLCALC_CLI_PATH);
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        // Only async-signal-safe calls between fork and exec.
        const int out = open(stdoutFile, O_WRONLY);
        const int err = open(errFile, O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (out < 0 || err < 0 || dup2(out, 1) < 0 || dup2(err, 2) < 0)
            _exit(126);
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{maxFileBytes, maxFileBytes};
        if (maxFileBytes != RLIM_INFINITY && setrlimit(RLIMIT_FSIZE, &limit) != 0)
            _exit(126);
        execv(argv[0], argv.data());
        _exit(127);
    }
    return child;
}

// The wait status of a started tool once it has ended.
inline int waitStatusOf(pid_t child)
{
    int status = 0;
    waitpid(child, &status, 0);
    return status;
}

}  // namespace hullcalc

#endif
