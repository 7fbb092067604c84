#include "support/ordinary_user.h"

#include <sys/wait.h>
#include <unistd.h>

namespace kov::test {

int runAsOrdinaryUser(const std::function<int()>& work) {
    constexpr uid_t nobody = 65534;
    const pid_t child = fork();
    if (child < 0)
        return -1;
    if (child == 0) {
        if (geteuid() == 0 && (setgid(nobody) != 0 || setuid(nobody) != 0))
            _exit(100);
        _exit(work());
    }
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) == 100)
        return -1;
    return WEXITSTATUS(status);
}

} // namespace kov::test
