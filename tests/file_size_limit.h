// A limit on the size of the files the process writes, for as long as the
// object lives: a write beyond it fails half-way as on a full disk, also for
// root. The signal the kernel raises for it is ignored, so that the write
// reports the failure instead of ending the test. POSIX only.
#pragma once

#ifndef _WIN32
#include <sys/resource.h>

#include <csignal>

namespace hullcalc {

class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) : oldHandler_(std::signal(SIGXFSZ, SIG_IGN))
    {
        getrlimit(RLIMIT_FSIZE, &old_);
        rlimit small = old_;
        small.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit old_{};
    void (*oldHandler_)(int);
};

}  // namespace hullcalc
#endif
