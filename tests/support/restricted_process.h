#pragma once

#include <functional>
#include <string>

namespace flenmark::testing {

// Runs `body` in a child process and returns its result (-1 when the child did not end by
// itself): for a test that changes what only a process of its own should (its user, its
// mounts).
int InChildProcess(const std::function<int()>& body);

// In such a child: from root on, the process continues as "nobody", so that a folder without
// write permission is read-only for it too. True when it is no longer privileged.
bool DropPrivileges();

// In such a child: `folder` becomes a small file system of its own that is full. True when it
// could be made (it needs root, or user namespaces).
bool MountFullDisk(const std::string& folder);

}  // namespace flenmark::testing
