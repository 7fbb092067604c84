#include "support/ordinary_user.h"

#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

namespace kov::test {

namespace {

// work's result in a child process that prepare made ready; failed when prepare could not.
int inChild(const std::function<bool()>& prepare, const std::function<int()>& work, int failed) {
    const pid_t child = fork();
    if (child < 0)
        return -1;
    if (child == 0)
        _exit(prepare() ? work() : 100);
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status) == 100 ? failed : WEXITSTATUS(status);
}

} // namespace

int runAsOrdinaryUser(const std::function<int()>& work) {
    constexpr uid_t nobody = 65534;
    return inChild([] { return geteuid() != 0 || (setgid(nobody) == 0 && setuid(nobody) == 0); },
                   work, -1);
}

int runWithOwnMounts(const std::function<int()>& work) {
    return inChild(
        [] {
            return unshare(CLONE_NEWNS) == 0 &&
                   mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
        },
        work, noOwnMounts);
}

} // namespace kov::test
