#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/ipc_transport.h"
#include "simlink/sim_link.h"

namespace flenmark {

// Waits of the exchange; the defaults are the protocol's.
struct FsuipcTiming {
    int sendTimeoutMs = 2000;
    int retryPauseMs = 100;
    int maxSends = 10;
    int handshakePauseMs = 100;
    // The clock that deadlines are held against.
    std::function<std::chrono::steady_clock::time_point()> now = std::chrono::steady_clock::now;
};

// The program's FSUIPC client: request records packed into a shared 32 KiB block that the
// host fills in on one message per exchange.
class FsuipcClient final : public SimLink {
  public:
    explicit FsuipcClient(IpcTransport& transport, FsuipcTiming timing = {});
    ~FsuipcClient() override;
    FsuipcClient(const FsuipcClient&) = delete;
    FsuipcClient& operator=(const FsuipcClient&) = delete;

    bool OpenLink(int requestedSim, int& result) override;
    void CloseLink() override;
    bool QueueRead(uint32_t offset, uint32_t size, void* destination, int& result) override;
    bool QueueWrite(uint32_t offset, uint32_t size, const void* source, int& result) override;
    bool ProcessRequests(int& result) override;
    int simVersion() const override { return SimVersion; }
    std::string hostPlaces() const override;
    void setDeadline(std::optional<std::chrono::steady_clock::time_point> deadline) override {
        deadline_ = deadline;
    }

    int32_t FSUIPCVersion = 0;
    int32_t SimVersion = 0;
    uint16_t LibVersion = 0;

    // The shared-memory name this process uses: "FSASMLIB:IPC:" + hex process id + ":1".
    std::string sharedMemoryName() const;

  private:
    // A record as it was queued, to hold the host's reply against.
    struct Queued {
        uint32_t kind;
        uint32_t offset;
        uint32_t size;
        uint32_t position;  // from the start of the block
        void* destination;  // reads only
    };

    bool handshake(int& result);
    // Milliseconds left before the deadline, at most atMostMs (atMostMs without a deadline).
    int msBeforeDeadline(int atMostMs) const;
    void pause(int ms);
    bool replyMatchesRequest() const;
    void copyAnswers() const;

    IpcTransport& transport_;
    FsuipcTiming timing_;
    std::optional<std::chrono::steady_clock::time_point> deadline_;
    bool hostFound_ = false;
    uint32_t ipcMessage_ = 0;
    uint16_t atom_ = 0;
    bool mapped_ = false;
    uint8_t* view_ = nullptr;
    uint32_t next_ = 0;  // bytes queued from the start of the block
    // The records of the next exchange; a read record carries its index + 1 as its token.
    std::vector<Queued> queued_;
};

}  // namespace flenmark
