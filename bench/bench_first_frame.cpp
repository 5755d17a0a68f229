// The first frame as a person sees it. Starts a private Xvfb with a black root window, then takes
// turns starting whole processes: the bare Qt window (first_frame_baseline) and each Kelvora
// binary named on the command line. Each run is timed from fork() until the pixel 6 px inside the
// bottom-right corner of the program's top-level window, read with XGetImage from this process (a
// second X client), is no longer black; at that moment the program's resident set is read and
// the program is killed. Every run gets a fresh HOME and runtime folder, as on a first start, so
// no update reminder shows and no lock is left behind.
//
//   bench_first_frame [--pairs N] [--baseline PROGRAM] [KELVORA...]
//
// Prints, for each Kelvora, the median of the pairwise ratios to the baseline run of the same
// round, for the time and for the resident set, with the load average before and after. Run it
// under `taskset -c 0` for the figures of a one-core machine (Xvfb inherits the restriction).
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sched.h>
#include <string>
#include <sys/select.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;

// The pixel that is watched: this far inside the window's right and bottom edges.
constexpr int Inset = 6;
constexpr auto Patience = std::chrono::seconds(10);

struct Run {
    double ms = 0;
    double rssMb = 0;
};

int IgnoreXError(Display*, XErrorEvent*) {
    return 0;
}

// A private X server with a black root window (-br), on the first free display.
class PrivateXvfb {
public:
    PrivateXvfb() {
        int fds[2];
        if (pipe(fds) != 0) {
            return;
        }
        pid_ = fork();
        if (pid_ == 0) {
            close(fds[0]);
            const int devNull = open("/dev/null", O_WRONLY);
            dup2(devNull, STDERR_FILENO);
            const std::string fd = std::to_string(fds[1]);
            execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-br", "-screen", "0", "1280x1024x24",
                   "-nolisten", "tcp", "-noreset", static_cast<char*>(nullptr));
            _exit(127);
        }
        close(fds[1]);
        // Xvfb writes the number and then a newline, and closes its end once ready: read to the
        // end, since closing ours early would make its second write fail.
        std::string number;
        char buffer[16];
        ssize_t got = 0;
        while ((got = read(fds[0], buffer, sizeof buffer)) > 0) {
            number.append(buffer, static_cast<std::size_t>(got));
        }
        close(fds[0]);
        number.erase(std::min(number.size(), number.find('\n')));
        if (!number.empty()) {
            display_ = ":" + number;
        }
    }
    ~PrivateXvfb() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
    }
    const std::string& Name() const { return display_; }

private:
    pid_t pid_ = -1;
    std::string display_;
};

class Watcher {
public:
    explicit Watcher(Display* display) : display_(display), root_(DefaultRootWindow(display)) {
        XSelectInput(display_, root_, SubstructureNotifyMask);
        int error = 0;
        ok_ = XDamageQueryExtension(display_, &damageEvent_, &error) != 0;
    }
    bool Ok() const { return ok_; }

    // Starts `program` with `environment` and waits for its first frame.
    std::optional<Run> Time(const std::string& program,
                            const std::vector<std::string>& environment) {
        std::vector<char*> env;
        for (const std::string& variable : environment) {
            env.push_back(const_cast<char*>(variable.c_str()));
        }
        env.push_back(nullptr);
        char* args[] = {const_cast<char*>(program.c_str()), nullptr};
        XSync(display_, True);

        const Clock::time_point start = Clock::now();
        const pid_t pid = fork();
        if (pid == 0) {
            const int devNull = open("/dev/null", O_WRONLY);
            dup2(devNull, STDOUT_FILENO);
            dup2(devNull, STDERR_FILENO);
            execve(args[0], args, env.data());
            _exit(127);
        }
        if (pid < 0) {
            return std::nullopt;
        }
        std::optional<Run> run;
        window_ = None;
        while (!run && Clock::now() - start < Patience) {
            if (!XPending(display_) && !WaitForEvents(std::chrono::milliseconds(50))) {
                if (waitpid(pid, nullptr, WNOHANG) == pid) {
                    return std::nullopt; // ended without a frame
                }
                continue;
            }
            XEvent event;
            XNextEvent(display_, &event);
            bool check = false;
            if (event.type == MapNotify && window_ == None && event.xmap.event == root_ &&
                !event.xmap.override_redirect) {
                window_ = event.xmap.window;
                XDamageCreate(display_, window_, XDamageReportNonEmpty);
                check = true; // it may have been drawn before the damage was watched
            } else if (event.type == damageEvent_ + XDamageNotify) {
                const auto& damage = reinterpret_cast<const XDamageNotifyEvent&>(event);
                if (damage.drawable == window_) {
                    XDamageSubtract(display_, damage.damage, None, None);
                    check = true;
                }
            }
            if (check && Drawn()) {
                run = Run{std::chrono::duration<double, std::milli>(Clock::now() - start).count(),
                          ResidentMb(pid)};
            }
        }
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        WaitUntilGone();
        return run;
    }

private:
    bool WaitForEvents(std::chrono::milliseconds timeout) {
        fd_set fds;
        FD_ZERO(&fds);
        FD_SET(ConnectionNumber(display_), &fds);
        timeval tv{0, static_cast<suseconds_t>(timeout.count() * 1000)};
        return select(ConnectionNumber(display_) + 1, &fds, nullptr, nullptr, &tv) > 0;
    }

    bool Drawn() {
        XWindowAttributes attributes;
        if (!XGetWindowAttributes(display_, window_, &attributes) ||
            attributes.map_state != IsViewable || attributes.width <= Inset ||
            attributes.height <= Inset) {
            return false;
        }
        XImage* image = XGetImage(display_, window_, attributes.width - Inset,
                                  attributes.height - Inset, 1, 1, AllPlanes, ZPixmap);
        if (!image) {
            return false;
        }
        const unsigned long pixel = XGetPixel(image, 0, 0) & 0xffffff;
        XDestroyImage(image);
        return pixel != 0;
    }

    // The killed program's window is gone and the root shows black again before the next run.
    void WaitUntilGone() {
        const Clock::time_point start = Clock::now();
        while (window_ != None && Clock::now() - start < std::chrono::seconds(2)) {
            if (!XPending(display_) && !WaitForEvents(std::chrono::milliseconds(50))) {
                continue;
            }
            XEvent event;
            XNextEvent(display_, &event);
            if (event.type == DestroyNotify && event.xdestroywindow.window == window_) {
                window_ = None;
            }
        }
        XSync(display_, True);
    }

    static double ResidentMb(pid_t pid) {
        std::ifstream status("/proc/" + std::to_string(pid) + "/status");
        std::string line;
        while (std::getline(status, line)) {
            if (line.rfind("VmRSS:", 0) == 0) {
                return std::atof(line.c_str() + 6) / 1024.0;
            }
        }
        return 0;
    }

    Display* display_;
    Window root_;
    Window window_ = None;
    int damageEvent_ = 0;
    bool ok_ = false;
};

// The environment of one run: the bench's own, with a fresh HOME and runtime folder and no
// XDG folder of the user's, so the program starts as on its first run.
std::vector<std::string> FreshEnvironment(const fs::path& home, const fs::path& runtime) {
    std::vector<std::string> environment;
    for (char** variable = environ; *variable; ++variable) {
        const std::string entry = *variable;
        const std::string name = entry.substr(0, entry.find('='));
        if (name != "HOME" && name.rfind("XDG_", 0) != 0 && name.rfind("QT_", 0) != 0) {
            environment.push_back(entry);
        }
    }
    environment.push_back("HOME=" + home.string());
    environment.push_back("XDG_RUNTIME_DIR=" + runtime.string());
    environment.push_back("QT_QPA_PLATFORM=xcb");
    return environment;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

std::string Load() {
    double load[3] = {};
    getloadavg(load, 3);
    char text[64];
    std::snprintf(text, sizeof text, "%.2f %.2f %.2f", load[0], load[1], load[2]);
    return text;
}

} // namespace

int main(int argc, char** argv) {
    int pairs = 101;
    std::string baseline = KELVORA_FIRST_FRAME_BASELINE;
    std::vector<std::string> programs;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--pairs" && i + 1 < argc) {
            pairs = std::max(1, std::atoi(argv[++i]));
        } else if (arg == "--baseline" && i + 1 < argc) {
            baseline = argv[++i];
        } else {
            programs.push_back(fs::absolute(arg).string());
        }
    }
    if (programs.empty()) {
        programs.push_back(KELVORA_PROGRAM);
    }
    cpu_set_t cpus;
    sched_getaffinity(0, sizeof cpus, &cpus);

    const PrivateXvfb xvfb;
    Display* display = xvfb.Name().empty() ? nullptr : XOpenDisplay(xvfb.Name().c_str());
    if (!display) {
        std::fputs("cannot start Xvfb\n", stderr);
        return 1;
    }
    XSetErrorHandler(IgnoreXError);
    setenv("DISPLAY", xvfb.Name().c_str(), 1);
    Watcher watcher(display);
    if (!watcher.Ok()) {
        std::fputs("the X server has no DAMAGE extension\n", stderr);
        return 1;
    }
    // HOME on the disk, as a user's is; the runtime folder in memory, as a session's is.
    char homes[] = "/tmp/kelvora-first-frame-XXXXXX";
    char runtimes[] = "/dev/shm/kelvora-first-frame-XXXXXX";
    if (!mkdtemp(homes) || !mkdtemp(runtimes)) {
        std::perror("mkdtemp");
        return 1;
    }

    const std::string loadBefore = Load();
    // Column 0 is the baseline, then the programs; a few rounds first to warm the caches.
    const std::size_t columns = programs.size() + 1;
    std::vector<std::vector<Run>> runs(columns);
    constexpr int WarmUp = 3;
    bool failed = false;
    for (int round = 0; round < WarmUp + pairs && !failed; ++round) {
        for (std::size_t k = 0; k < columns; ++k) {
            // Each round starts with the next column, so no program always comes first.
            const std::size_t column = (k + static_cast<std::size_t>(round)) % columns;
            const fs::path home = fs::path(homes) / std::to_string(round * columns + column);
            const fs::path runtime = fs::path(runtimes) / std::to_string(round * columns + column);
            fs::create_directories(home);
            fs::create_directory(runtime);
            fs::permissions(runtime, fs::perms::owner_all);
            const std::string& program = column == 0 ? baseline : programs[column - 1];
            const std::optional<Run> run = watcher.Time(program, FreshEnvironment(home, runtime));
            fs::remove_all(home);
            fs::remove_all(runtime);
            if (!run) {
                std::fprintf(stderr, "%s showed no frame\n", program.c_str());
                failed = true;
                break;
            }
            if (round >= WarmUp) {
                runs[column].push_back(*run);
            }
        }
    }
    fs::remove_all(homes);
    fs::remove_all(runtimes);
    XCloseDisplay(display);
    if (failed) {
        return 1;
    }

    std::printf("%d pairs on %d CPU(s); load average %s before, %s after\n", pairs,
                CPU_COUNT(&cpus), loadBefore.c_str(), Load().c_str());
    std::vector<double> baseMs, baseMb;
    for (const Run& run : runs[0]) {
        baseMs.push_back(run.ms);
        baseMb.push_back(run.rssMb);
    }
    std::printf("%-40s %9s %9s %9s %9s\n", "program", "ms", "ratio", "RSS MB", "ratio");
    std::printf("%-40s %9.1f %9s %9.1f %9s\n", "baseline (bare window)", Median(baseMs), "",
                Median(baseMb), "");
    for (std::size_t p = 0; p < programs.size(); ++p) {
        std::vector<double> ms, mb, msRatio, mbRatio;
        for (std::size_t i = 0; i < runs[p + 1].size(); ++i) {
            const Run& run = runs[p + 1][i];
            ms.push_back(run.ms);
            mb.push_back(run.rssMb);
            msRatio.push_back(run.ms / runs[0][i].ms);
            mbRatio.push_back(run.rssMb / runs[0][i].rssMb);
        }
        std::string name = programs[p];
        if (name.size() > 40) {
            name = "..." + name.substr(name.size() - 37);
        }
        std::printf("%-40s %9.1f %8.3fx %9.1f %8.3fx\n", name.c_str(), Median(ms), Median(msRatio),
                    Median(mb), Median(mbRatio));
    }
    return 0;
}
