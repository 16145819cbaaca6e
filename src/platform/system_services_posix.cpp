#include "platform/posix_ipc_transport.h"
#include "platform/system_services.h"
#include "platform/xdg_folders.h"

namespace flenmark {

std::unique_ptr<IpcTransport> MakeIpcTransport() {
    return std::make_unique<PosixIpcTransport>();
}

std::unique_ptr<Folders> MakeFolders() {
    return std::make_unique<XdgFolders>();
}

}  // namespace flenmark
