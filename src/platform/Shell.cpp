#include "platform/Shell.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <thread>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

// Starts xdg-open without a shell (the address is passed as one argument, never parsed),
// with its output discarded, and waits for it.
class XdgShell final : public Shell {
public:
    int execute(const QString &, const QString &file, const QString &, const QString &startDir, int timeoutMs) override
    {
        const QByteArray target = file.toLocal8Bit();
        const QByteArray dir = startDir.toLocal8Bit();
        char program[] = "xdg-open";
        char *argv[] = { program, const_cast<char *>(target.constData()), nullptr };

        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
        if (!dir.isEmpty())
            posix_spawn_file_actions_addchdir_np(&actions, dir.constData());
        pid_t pid = 0;
        const int failed = posix_spawnp(&pid, program, &actions, nullptr, argv, environ);
        posix_spawn_file_actions_destroy(&actions);
        if (failed)
            return -1;
        int status = 0;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        for (;;) {
            const pid_t done = waitpid(pid, &status, timeoutMs < 0 ? 0 : WNOHANG);
            if (done == pid)
                return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            if (done < 0 && errno != EINTR)
                return -1;
            if (timeoutMs >= 0) {
                if (std::chrono::steady_clock::now() >= deadline)
                    return -1; // the program runs on; only the wait ends
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            }
        }
    }
};

XdgShell xdgShell;
std::atomic<Shell *> current { &xdgShell };

} // namespace

Shell &shell()
{
    return *current.load();
}

void setShell(Shell *replacement)
{
    current.store(replacement ? replacement : &xdgShell);
}
