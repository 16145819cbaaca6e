#pragma once

#include <memory>

#include "platform/folders.h"
#include "platform/ipc_transport.h"

namespace flenmark {

// This system's implementations: the transport under the FSUIPC client (window messages and a
// named file mapping on Windows, a local socket and shared memory elsewhere) and the user's
// folders.
std::unique_ptr<IpcTransport> MakeIpcTransport();
std::unique_ptr<Folders> MakeFolders();

}  // namespace flenmark
