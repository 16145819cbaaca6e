#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "platform/desktop_open.h"

extern char** environ;

namespace flenmark {
namespace {

// How long xdg-open is given to say that it failed (it ends at once when nothing can open the
// file, and hands the file over within moments when something can).
constexpr auto kVerdictWindow = std::chrono::milliseconds(1500);
constexpr auto kPoll = std::chrono::milliseconds(20);

}  // namespace

bool OpenWithDesktop(const std::string& pathOrAddress) {
    std::string program = "xdg-open";
    std::string target = pathOrAddress;
    char* const argv[] = {program.data(), target.data(), nullptr};
    pid_t pid = 0;
    if (posix_spawnp(&pid, "xdg-open", nullptr, nullptr, argv, environ) != 0) return false;
    const auto until = std::chrono::steady_clock::now() + kVerdictWindow;
    while (std::chrono::steady_clock::now() < until) {
        int status = 0;
        const pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid) return WIFEXITED(status) && WEXITSTATUS(status) == 0;
        if (done < 0) return true;  // reaped elsewhere: nothing more to learn
        std::this_thread::sleep_for(kPoll);
    }
    // Still running: it opened something in the foreground. Reap it whenever it ends.
    std::thread([pid] { waitpid(pid, nullptr, 0); }).detach();
    return true;
}

}  // namespace flenmark
