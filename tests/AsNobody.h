#pragma once

// Root may write any file. While an AsNobody lives, a test run as root acts as "nobody", so that
// a file or folder made read-only is refused to it too; `ok` says whether that could be done.
#include <unistd.h>

namespace testsupport {

struct AsNobody {
    const bool ok = geteuid() != 0 || (setegid(65534) == 0 && seteuid(65534) == 0);
    ~AsNobody() { // back to the real user and group (nothing changes for one not root)
        [[maybe_unused]] const int u = seteuid(getuid());
        [[maybe_unused]] const int g = setegid(getgid());
    }
};

} // namespace testsupport
