#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

namespace flenmark {

// Result codes of the simulator link, shown to the user in the connection failure box.
enum LinkResult : int {
    kLinkOk = 0,
    kLinkAlreadyOpen = 1,
    kLinkNoHost = 2,
    kLinkRegisterFailed = 3,
    kLinkAtomFailed = 4,
    kLinkMapCreateFailed = 5,
    kLinkMapViewFailed = 6,
    kLinkBadVersion = 7,
    kLinkWrongSimulator = 8,
    kLinkNotOpen = 9,
    kLinkNothingQueued = 10,
    kLinkTimeout = 11,
    kLinkSendFailed = 12,
    kLinkRejected = 13,
    kLinkBadVersionFallbackClass = 14,
    kLinkRequestTooLarge = 15,
};

// The FSUIPC request cycle: queue reads and writes of offset-table bytes, then exchange them
// with the simulator in one go. The real client talks to a host program; tests use an
// in-memory offset table.
class SimLink {
  public:
    virtual ~SimLink() = default;
    // Connects; requestedSim 0 accepts any simulator.
    virtual bool OpenLink(int requestedSim, int& result) = 0;
    // Releases everything; safe in any state.
    virtual void CloseLink() = 0;
    // After a successful ProcessRequests, `size` bytes from `offset` are copied to destination.
    virtual bool QueueRead(uint32_t offset, uint32_t size, void* destination, int& result) = 0;
    // Queues `size` bytes taken from source now, for `offset`.
    virtual bool QueueWrite(uint32_t offset, uint32_t size, const void* source, int& result) = 0;
    // Sends everything queued in one exchange and empties the queue.
    virtual bool ProcessRequests(int& result) = 0;
    // The simulator code kept by the last successful OpenLink (0 before).
    virtual int simVersion() const = 0;
    // No exchange waits past this moment (until cleared): one that would fails as a host that
    // did not answer (code 11), so a hung simulator cannot hold up a tick for long.
    virtual void setDeadline(std::optional<std::chrono::steady_clock::time_point> deadline) = 0;
    // Where OpenLink looks for the simulator, for the message when it finds none; empty when
    // the link cannot say.
    virtual std::string hostPlaces() const { return {}; }
};

}  // namespace flenmark
