#pragma once

// Faults a test puts on the files the program writes, for as long as the object lives.
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

namespace testsupport {

// Root may write any file: a test run as root acts as "nobody", so that a file or folder made
// read-only is refused to it too. `ok` says whether that could be done.
struct AsNobody {
    const bool ok = geteuid() != 0 || (setegid(65534) == 0 && seteuid(65534) == 0);
    ~AsNobody() { // back to the real user and group (nothing changes for one not root)
        [[maybe_unused]] const int u = seteuid(getuid());
        [[maybe_unused]] const int g = setegid(getgid());
    }
};

// A full disk: no file may grow past `bytes`; a write that would fails instead of ending the
// test with SIGXFSZ.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &limit_);
        const rlimit small{bytes, limit_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &limit_);
        std::signal(SIGXFSZ, handler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    decltype(SIG_IGN) handler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit_{};
};

} // namespace testsupport
