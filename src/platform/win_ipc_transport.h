#pragma once

#include <windows.h>

#include "platform/ipc_transport.h"

namespace flenmark {

// The simulator link as FSUIPC speaks it on Windows: the host's window found by its class,
// the registered message, a global atom naming the shared block, a named file mapping, and
// SendMessageTimeout.
class WinIpcTransport final : public IpcTransport {
  public:
    WinIpcTransport() = default;
    ~WinIpcTransport() override;
    WinIpcTransport(const WinIpcTransport&) = delete;
    WinIpcTransport& operator=(const WinIpcTransport&) = delete;

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
    HWND host_ = nullptr;
    HANDLE mapping_ = nullptr;
    void* view_ = nullptr;
};

}  // namespace flenmark
