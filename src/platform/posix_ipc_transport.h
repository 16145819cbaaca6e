#pragma once

#include <map>
#include <string>

#include "platform/ipc_transport.h"

namespace flenmark {

// Removes the shared blocks ("FSASMLIB:IPC:<id>:<n>") of client processes that no longer run:
// a client killed before it closed its link leaves its block behind.
void RemoveDeadClientsBlocks();

// The simulator link over a Unix-domain socket per window class and POSIX shared memory.
class PosixIpcTransport final : public IpcTransport {
  public:
    // Clears the blocks that clients which died left behind.
    PosixIpcTransport();
    ~PosixIpcTransport() override;
    PosixIpcTransport(const PosixIpcTransport&) = delete;
    PosixIpcTransport& operator=(const PosixIpcTransport&) = delete;

    bool findHost(const std::string& windowClass) override;
    std::string hostPlace(const std::string& windowClass) const override;
    void releaseHost() override;
    uint32_t registerMessage(const std::string& name) override;
    uint16_t addAtom(const std::string& name) override;
    void deleteAtom(uint16_t atom) override;
    SharedMemoryStatus createSharedMemory(const std::string& name, uint32_t size) override;
    uint8_t* mapSharedMemory() override;
    void unmapSharedMemory() override;
    void closeSharedMemory() override;
    SendStatus send(uint32_t message, uint32_t wParam, uint32_t lParam, int timeoutMs,
                    uint32_t& reply) override;
    void sleepMs(int ms) override;
    uint32_t processId() const override;

  private:
    bool connectHost();
    void dropConnection();

    std::string hostPath_;
    int socket_ = -1;
    std::map<uint16_t, std::string> atoms_;
    uint16_t nextAtom_ = 0xC001;
    std::string shmName_;
    int shmFd_ = -1;
    uint32_t shmSize_ = 0;
    void* view_ = nullptr;
};

}  // namespace flenmark
