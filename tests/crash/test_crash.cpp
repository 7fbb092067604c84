// Kills a dealing process at random moments: card.txt is always one whole order of the deck, on
// Linux no temporary file outlives the next start, and the next run still deals.
#include "support/card_files.h"
#include "support/scratch_folder.h"
#include "support/table_rules.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <random>
#include <stdexcept>
#include <string>
#include <thread>

#include <csignal>
#include <poll.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace kov;
using namespace kov::test;

namespace {

constexpr int kills = 200;
constexpr int longestDelayMicroseconds = 20000;
constexpr int readyTimeoutMilliseconds = 20000;
constexpr int cycle = 96; // deals before a file of 108 different cards is back in its first order
constexpr int dealsAtTheEnd = 5;
constexpr mode_t cardFileMode = 0640; // not the usual mode, so that losing it shows

// Thrown rather than exiting, so that the dealer is killed and the folder removed on the way out.
[[noreturn]] void fail(const std::string& what) {
    throw std::runtime_error(what);
}

// The deal program, started with its output on a pipe; killed if the test leaves it running.
class Dealer {
public:
    Dealer(const std::string& program, const std::filesystem::path& folder,
           std::optional<int> deals) {
        int fds[2];
        if (::pipe(fds) != 0)
            fail("cannot make a pipe");
        const std::string folderText = folder.string();
        const std::string dealsText = deals ? std::to_string(*deals) : std::string();
        pid_ = ::fork();
        if (pid_ < 0)
            fail("cannot fork");
        if (pid_ == 0) {
            ::dup2(fds[1], STDOUT_FILENO);
            ::close(fds[0]);
            ::close(fds[1]);
            // Without a count, the null in its place ends the arguments.
            ::execl(program.c_str(), program.c_str(), folderText.c_str(),
                    deals ? dealsText.c_str() : nullptr, static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::close(fds[1]);
        out_ = fds[0];
    }
    Dealer(const Dealer&) = delete;
    Dealer& operator=(const Dealer&) = delete;
    ~Dealer() {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
        ::close(out_);
    }

    // Waits for the byte the program writes just before its first deal.
    void waitUntilDealing() {
        pollfd ready{out_, POLLIN, 0};
        if (::poll(&ready, 1, readyTimeoutMilliseconds) != 1)
            fail("the deal program did not start in time");
        char byte = 0;
        if (::read(out_, &byte, 1) != 1 || byte != 'R')
            fail("the deal program stopped before dealing");
    }

    // Kills it and returns the signal that ended it, 0 when it had already exited.
    int killNow() { return ::kill(pid_, SIGKILL), reap(); }

    // The exit status, or -1 when a signal ended it.
    int waitForExit() { return reap() == 0 ? exitStatus_ : -1; }

private:
    int reap() {
        int status = 0;
        if (::waitpid(pid_, &status, 0) != pid_)
            fail("waitpid failed");
        pid_ = -1;
        if (WIFSIGNALED(status))
            return WTERMSIG(status);
        exitStatus_ = WEXITSTATUS(status);
        return 0;
    }

    pid_t pid_ = -1;
    int out_ = -1;
    int exitStatus_ = 0;
};

int killRepeatedly(const std::string& program) {
    const char* seedText = std::getenv("KOV_CRASH_SEED");
    const auto seed =
        static_cast<std::uint32_t>(seedText ? std::strtoul(seedText, nullptr, 10) : 1);
    std::mt19937 random(seed);
    const auto started = std::chrono::steady_clock::now();

    // Every order the file can hold, each mapped to the number of deals that make it.
    std::map<std::string, int> dealsTo;
    std::string order = numberedCardFile() + "  ";
    for (int deals = 0; deals < cycle; ++deals, order = nextOrder(order))
        dealsTo.emplace(order, deals);

    const ScratchFolder folder("kov-crash");
    if (!folder.isValid())
        fail("cannot make a temporary folder");
    const auto cardFile = folder.path() / "card.txt";
    writeBytes(cardFile, numberedCardFile() + "  ");
    if (::chmod(cardFile.c_str(), cardFileMode) != 0)
        fail("cannot set the card file's mode");
    // What killed writes left beside card.txt.
    const auto leftovers = [&] {
        return static_cast<int>(folderEntries(folder.path()).size()) - 1;
    };

    int position = 0; // deals made so far, modulo the cycle
    long dealsSeen = 0;
    int killsMidWrite = 0;
    int leftBefore = 0;
    for (int attempt = 1; attempt <= kills; ++attempt) {
        const auto where =
            "kill " + std::to_string(attempt) + " (KOV_CRASH_SEED=" + std::to_string(seed) + "): ";
        const int delay = std::uniform_int_distribution<int>(0, longestDelayMicroseconds)(random);
        {
            Dealer dealer(program, folder.path(), std::nullopt);
            dealer.waitUntilDealing();
            std::this_thread::sleep_for(std::chrono::microseconds(delay));
            if (dealer.killNow() != SIGKILL)
                fail(where + "the deal program ended before it was killed");
        }

        const std::string bytes = readBytes(cardFile);
        const auto found = dealsTo.find(bytes);
        if (found == dealsTo.end())
            fail(where + "card.txt (" + std::to_string(bytes.size()) +
                 " bytes) is not an order any number of deals makes");
        struct stat status {};
        if (::stat(cardFile.c_str(), &status) != 0 || (status.st_mode & 07777) != cardFileMode)
            fail(where + "card.txt lost its permissions");
        dealsSeen += (found->second - position + cycle) % cycle;
        position = found->second;

        const int now = leftovers();
#ifdef __linux__
        // The new file has a name only for an instant, and each start sweeps what a kill left.
        if (now > 1)
            fail(where + std::to_string(now) + " temporary files are left behind");
#endif
        killsMidWrite += now > leftBefore ? 1 : 0;
        leftBefore = now;
    }

    // The files a killed write leaves behind must not stop the next run from dealing.
    Dealer last(program, folder.path(), dealsAtTheEnd);
    last.waitUntilDealing();
    if (last.waitForExit() != 0)
        fail("the deal program could not deal after the kills");
    const auto after = dealsTo.find(readBytes(cardFile));
    if (after == dealsTo.end() || after->second != (position + dealsAtTheEnd) % cycle)
        fail("the deals after the kills did not continue from the order left behind");

#ifdef __linux__
    if (leftovers() != 0)
        fail("a temporary file is left behind after the last run");
#endif
    const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started);
    std::printf("%d kills, seed %u: at least %ld deals completed, %d kills during a write, "
                "%d temporary files left behind, %.1f s\n",
                kills, seed, dealsSeen, killsMidWrite, leftovers(), seconds.count());
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <deal program>\n", argv[0]);
        return 2;
    }
    try {
        return killRepeatedly(argv[1]);
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "FAIL: %s\n", failure.what());
        return 1;
    }
}
