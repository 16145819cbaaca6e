#pragma once

#include <cstdint>
#include <string>

namespace flenmark {

enum class SharedMemoryStatus { Created, AlreadyExisted, Failed };
enum class SendStatus { Replied, TimedOut, Failed };

// The system services under the FSUIPC client: finding the host, the registered message,
// the atom naming the shared memory, the shared memory itself and the blocking send.
class IpcTransport {
  public:
    virtual ~IpcTransport() = default;
    // True when a host of this window class is there and takes a connection.
    virtual bool findHost(const std::string& windowClass) = 0;
    virtual void releaseHost() = 0;
    // 0 when the message could not be registered.
    virtual uint32_t registerMessage(const std::string& name) = 0;
    // 0 when the atom could not be added.
    virtual uint16_t addAtom(const std::string& name) = 0;
    virtual void deleteAtom(uint16_t atom) = 0;
    virtual SharedMemoryStatus createSharedMemory(const std::string& name, uint32_t size) = 0;
    // The mapped block, or nullptr when it could not be mapped.
    virtual uint8_t* mapSharedMemory() = 0;
    virtual void unmapSharedMemory() = 0;
    virtual void closeSharedMemory() = 0;
    // Sends the message and waits up to timeoutMs for the host's reply value.
    virtual SendStatus send(uint32_t message, uint32_t wParam, uint32_t lParam, int timeoutMs,
                            uint32_t& reply) = 0;
    virtual void sleepMs(int ms) = 0;
    virtual uint32_t processId() const = 0;
    // Where a host of this window class is looked for, as a user can check it (a socket path).
    virtual std::string hostPlace(const std::string& windowClass) const = 0;
};

}  // namespace flenmark
