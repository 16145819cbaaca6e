#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <ctime>
#include <filesystem>

#include "base/os_files.h"
#include "platform/trash.h"
#include "platform/xdg_trash.h"

extern char** environ;

namespace flenmark {
namespace {

// GLib's "gio trash" knows the trash folders of other disks as well; true when it moved `path`.
bool TrashWithGio(const std::string& path) {
    std::string program = "gio", command = "trash", end = "--", target = path;
    char* const argv[] = {program.data(), command.data(), end.data(), target.data(), nullptr};
    // Its complaints (no trash on that disk, say) are ours to report, not the terminal's.
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, "gio", &quiet, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&quiet);
    if (spawned != 0) return false;
    int status = 0;
    if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return false;
    std::error_code ec;
    return !std::filesystem::exists(std::filesystem::symlink_status(path, ec));
}

DateTime LocalNow() {
    const std::tm t = os::LocalTime(std::time(nullptr));
    return {t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec};
}

}  // namespace

bool MoveToTrash(const std::string& path) {
    return TrashWithGio(path) || MoveToTrashFolder(path, HomeTrashFolder(), LocalNow());
}

}  // namespace flenmark
