#include "platform/system_services.h"
#include "platform/win_folders.h"
#include "platform/win_ipc_transport.h"

namespace flenmark {

std::unique_ptr<IpcTransport> MakeIpcTransport() {
    return std::make_unique<WinIpcTransport>();
}

std::unique_ptr<Folders> MakeFolders() {
    return std::make_unique<WinFolders>();
}

}  // namespace flenmark
