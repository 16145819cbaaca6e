// Where the socket stand-in for window messages lives on POSIX systems.
#include <unistd.h>

#include <cstdlib>

#include "base/link_protocol.h"

namespace flenmark {

std::string HostSocketDirectory() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && runtime[0] == '/') return std::string(runtime) + "/fsuipc";
    return "/tmp/fsuipc-" + std::to_string(getuid());
}

std::string HostSocketPath(const std::string& windowClass) {
    return HostSocketDirectory() + "/" + windowClass;
}

}  // namespace flenmark
