// Start-up measured from outside: the time from fork() until the window is mapped and until the
// X server holds its first frame, and the peak memory at that moment, for KOV and for the floor
// programs, alternately. The window is
// found by its title when it is mapped, and is taken as shown once the pixels where the first
// card lies match the finished frame, which a first run of each program records.
#include "bench_util.h"
#include "version.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace {

using kov::bench::fixed;
using kov::bench::monotonicNs;

constexpr int cardLeft = 0, cardTop = 0, cardWidth = 86, cardHeight = 129;
constexpr std::int64_t runTimeoutNs = 30'000'000'000;
constexpr std::int64_t settledNs = 1'500'000'000;

int ignoreXError(Display*, XErrorEvent*) {
    return 0;
}

struct Target {
    std::string label;
    std::string program; // file name in the folder
    std::vector<std::string> arguments;
    std::string title;
    bool dealsCards;    // rewrites card.txt, which is put back before every run
    bool reportsStamps; // prints "stamp NAME NS" lines
    std::optional<std::uint64_t> finishedFrame;
    std::vector<double> mappedMs, shownMs, peakMiB;
    std::map<std::string, std::vector<double>> stampMs;
};

struct Run {
    std::optional<double> mappedMs, shownMs, peakMiB;
    std::map<std::string, double> stampMs;
};

// The process's peak resident memory (VmHWM) so far, in MiB.
std::optional<double> peakMiBOf(pid_t process) {
    std::ifstream status("/proc/" + std::to_string(process) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0)
            return static_cast<double>(std::stol(line.substr(6))) / 1024.0;
    }
    return std::nullopt;
}

// The card's pixels, hashed; nothing while the window cannot be read.
std::optional<std::uint64_t> cardPixels(Display* display, Window window, bool* uniform) {
    XImage* image =
        XGetImage(display, window, cardLeft, cardTop, cardWidth, cardHeight, AllPlanes, ZPixmap);
    if (!image)
        return std::nullopt;
    std::uint64_t hash = 1469598103934665603ull;
    const unsigned long first = XGetPixel(image, 0, 0);
    bool same = true;
    for (int y = 0; y < cardHeight; ++y) {
        for (int x = 0; x < cardWidth; ++x) {
            const unsigned long pixel = XGetPixel(image, x, y);
            same = same && pixel == first;
            hash = (hash ^ pixel) * 1099511628211ull;
        }
    }
    XDestroyImage(image);
    if (uniform)
        *uniform = same;
    return hash;
}

std::string windowName(Display* display, Window window) {
    char* name = nullptr;
    if (!XFetchName(display, window, &name) || !name)
        return {};
    std::string text = name;
    XFree(name);
    return text;
}

void readStamps(int fd, std::string& buffer) {
    char chunk[4096];
    for (;;) {
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got <= 0)
            return;
        buffer.append(chunk, static_cast<std::size_t>(got));
    }
}

std::map<std::string, double> parseStamps(const std::string& text, std::int64_t startNs) {
    std::map<std::string, double> stamps;
    std::size_t at = 0;
    while ((at = text.find("stamp ", at)) != std::string::npos) {
        char name[64] = {};
        long long ns = 0;
        if (std::sscanf(text.c_str() + at, "stamp %63s %lld", name, &ns) == 2)
            stamps[name] = static_cast<double>(ns - startNs) / 1e6;
        at += 6;
    }
    return stamps;
}

Run runOnce(Display* display, const std::filesystem::path& folder, Target& target,
            const std::string& cardFileBytes) {
    if (target.dealsCards) {
        // Every run deals from the same order, so every run shows the same frame.
        const auto cardFile = folder / "card.txt";
        {
            std::ofstream out(cardFile, std::ios::binary | std::ios::trunc);
            out << cardFileBytes;
        }
        const int fd = ::open(cardFile.c_str(), O_RDONLY);
        if (fd >= 0) {
            ::fsync(fd);
            ::close(fd);
        }
    }
    XSync(display, False);
    while (XPending(display)) {
        XEvent stale;
        XNextEvent(display, &stale);
    }

    int pipeFds[2];
    if (::pipe(pipeFds) != 0)
        std::exit(2);
    const std::string program = (folder / target.program).string();
    const std::int64_t startNs = monotonicNs();
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(pipeFds[1], 1);
        const int devNull = ::open("/dev/null", O_RDWR);
        ::dup2(devNull, 0);
        ::dup2(devNull, 2);
        ::close(pipeFds[0]);
        if (::chdir(folder.c_str()) != 0)
            ::_exit(127);
        std::vector<char*> argv{const_cast<char*>(program.c_str())};
        for (const std::string& argument : target.arguments)
            argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        ::execv(program.c_str(), argv.data());
        ::_exit(127);
    }
    ::close(pipeFds[1]);
    ::fcntl(pipeFds[0], F_SETFL, O_NONBLOCK);

    Run run;
    std::string output;
    Window window = 0;
    std::optional<std::uint64_t> lastFrame;
    std::int64_t lastChangeNs = 0;
    for (;;) {
        const std::int64_t nowNs = monotonicNs();
        if (nowNs - startNs > runTimeoutNs) {
            std::fprintf(stderr, "kov_bench_startup: %s showed nothing within 30 s\n",
                         target.label.c_str());
            break;
        }
        while (!window && XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && windowName(display, event.xmap.window) == target.title) {
                window = event.xmap.window;
                run.mappedMs = static_cast<double>(monotonicNs() - startNs) / 1e6;
            }
        }
        readStamps(pipeFds[0], output);
        if (window && !run.shownMs) {
            bool uniform = true;
            const auto frame = cardPixels(display, window, &uniform);
            const std::int64_t seenNs = monotonicNs();
            if (target.finishedFrame) {
                if (frame == target.finishedFrame)
                    run.shownMs = static_cast<double>(seenNs - startNs) / 1e6;
            } else if (frame != lastFrame) {
                lastFrame = frame;
                lastChangeNs = seenNs;
            } else if (frame && !uniform && seenNs - lastChangeNs > settledNs) {
                target.finishedFrame = frame; // this first run only records the frame
                break;
            }
        }
        const bool stampsDone =
            !target.reportsStamps || output.find("stamp painted") != std::string::npos;
        if (run.shownMs && stampsDone)
            break;
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    if (run.shownMs)
        run.peakMiB = peakMiBOf(child);
    ::kill(child, SIGTERM);
    ::waitpid(child, nullptr, 0);
    readStamps(pipeFds[0], output);
    ::close(pipeFds[0]);
    run.stampMs = parseStamps(output, startNs);
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
    return run;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: kov_bench_startup FOLDER [RUNS]\n"
                             "FOLDER holds kov, card.txt, the pictures and the bench programs.\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    const int runs = argc > 2 ? std::atoi(argv[2]) : 21;
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "kov_bench_startup: no X display (run it under xvfb-run)\n");
        return 2;
    }
    XSetErrorHandler(ignoreXError);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    ::setenv("QT_QPA_PLATFORM", "xcb", 1);

    std::string cardFileBytes;
    {
        std::ifstream in(folder / "card.txt", std::ios::binary);
        cardFileBytes.assign(std::istreambuf_iterator<char>(in), {});
    }

    auto makeTarget = [](std::string label, std::string program, std::vector<std::string> arguments,
                         std::string title, bool dealsCards, bool reportsStamps) {
        Target made;
        made.label = std::move(label);
        made.program = std::move(program);
        made.arguments = std::move(arguments);
        made.title = std::move(title);
        made.dealsCards = dealsCards;
        made.reportsStamps = reportsStamps;
        return made;
    };
    std::vector<Target> targets = {
        makeTarget("KOV (build/program/kov)", "kov", {}, KOV_WINDOW_TITLE, true, false),
        makeTarget("floor: 1 picture", "kov_bench_floor", {"1"}, "KOV floor", false, true),
        makeTarget("floor with text", "kov_bench_floor", {"1", "text"}, "KOV floor", false, true),
        makeTarget("KOV, stamped copy", "kov_bench_kov_phases", {}, KOV_WINDOW_TITLE, true, true),
        makeTarget("floor, text, 15 pictures, write", "kov_bench_floor", {"15", "text", "write"},
                   "KOV floor", false, true),
    };
    for (Target& target : targets) {
        runOnce(display, folder, target, cardFileBytes);
        if (!target.finishedFrame) {
            std::fprintf(stderr, "kov_bench_startup: %s never settled on a frame\n",
                         target.label.c_str());
            return 1;
        }
    }
    for (int round = 0; round < runs; ++round) {
        for (Target& target : targets) {
            Run run = runOnce(display, folder, target, cardFileBytes);
            if (run.mappedMs)
                target.mappedMs.push_back(*run.mappedMs);
            if (run.shownMs)
                target.shownMs.push_back(*run.shownMs);
            if (run.peakMiB)
                target.peakMiB.push_back(*run.peakMiB);
            for (const auto& [name, ms] : run.stampMs)
                target.stampMs[name].push_back(ms);
        }
    }
    // Put the card file back as it was.
    {
        std::ofstream out(folder / "card.txt", std::ios::binary | std::ios::trunc);
        out << cardFileBytes;
    }

    using kov::bench::median;
    const Target& kov = targets[0];
    const Target& floor = targets[1];
    const Target& floorWithText = targets[2];
    const Target& floorWithWork = targets[4];
    const std::string medians = ", median of " + std::to_string(kov.shownMs.size());
    auto compare = [](const std::string& measure, double value, double baseline, const char* unit,
                      const std::string& target, double limit) {
        const double ratio = value / baseline;
        kov::bench::printRow(measure, fixed(value, 1, unit), fixed(baseline, 1, unit),
                             fixed(ratio, 2, " x"), target, ratio <= limit, limit <= 0);
    };
    compare("Start-up to window mapped" + medians, median(kov.mappedMs),
            median(floorWithText.mappedMs), " ms", "(floor with text)", 0);
    compare("Start-up to first frame" + medians, median(kov.shownMs), median(floorWithWork.shownMs),
            " ms", "<= 1.05 x floor+work", 1.05);
    // From QApplication's start to the first frame, in each program's own stamps, run by run:
    // the same work without the start of the process and of Qt, which both pay alike.
    const auto sinceApp = [](const Target& target) {
        const std::vector<double>& painted = target.stampMs.at("painted");
        const std::vector<double>& app = target.stampMs.at("app");
        std::vector<double> spans;
        for (std::size_t i = 0; i < std::min(painted.size(), app.size()); ++i)
            spans.push_back(painted[i] - app[i]);
        return median(spans);
    };
    compare("  the same from the application's start", sinceApp(targets[3]),
            sinceApp(floorWithWork), " ms", "(stamped copies)", 0);
    compare("  against the floor with text", median(kov.shownMs), median(floorWithText.shownMs),
            " ms", "(for comparison)", 0);
    compare("  against the floor without text", median(kov.shownMs), median(floor.shownMs), " ms",
            "(for comparison)", 0);
    compare("Peak memory (VmHWM) after start-up", median(kov.peakMiB),
            median(floorWithText.peakMiB), " MiB", "<= 1.10 x floor+text", 1.10);
    compare("  against the floor without text", median(kov.peakMiB), median(floor.peakMiB), " MiB",
            "(for comparison)", 0);

    std::printf("\nStart-up detail, ms from fork() (medians; min-max of the first frame):\n");
    const char* order[] = {"main",   "app",   "located", "built",  "dealt",
                           "window", "shown", "exposed", "painted"};
    for (const Target& target : targets) {
        std::printf("  %-31s runs %2zu  window mapped %6.1f  first frame %6.1f (%.1f-%.1f)  "
                    "VmHWM %.1f MiB\n",
                    target.label.c_str(), target.shownMs.size(), median(target.mappedMs),
                    median(target.shownMs), kov::bench::percentile(target.shownMs, 0.0),
                    kov::bench::percentile(target.shownMs, 1.0), median(target.peakMiB));
        if (target.stampMs.empty())
            continue;
        std::printf("  %-31s", "  inside the program:");
        for (const char* name : order) {
            auto found = target.stampMs.find(name);
            if (found != target.stampMs.end())
                std::printf(" %s %.1f", name, median(found->second));
        }
        std::printf("\n");
    }
    XCloseDisplay(display);
    return 0;
}
