#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "base/link_protocol.h"
#include "simhost/offset_table.h"

namespace flenmark::simhost {

// Faults a test can ask of the host, each counted in exchanges answered so far.
struct HostFaults {
    int hangAfter = -1;      // stop replying
    int reply0After = -1;    // reply 0 (request rejected)
    int dropAfter = -1;      // close the connection (on Windows: the window goes away)
    int oversizeAfter = -1;  // claim 256 bytes in the reply's first record (a hostile host)
};

// What a host does with one message of a client, whatever carries it: the faults a test asked
// for, the identity words, and the request block carried out against the offset table. The
// block is worked on in a copy of the host's own: a client that shrinks or rewrites its shared
// memory meanwhile cannot make the host read or write outside it.
class HostCore {
  public:
    HostCore(OffsetTable& table, HostFaults faults) : table_(table), faults_(faults) {}

    enum class Turn { Reply, Silent, Drop };
    struct Answer {
        Turn turn = Turn::Reply;
        uint32_t reply = 0;
    };
    // Copies the client's request area (kRequestAreaLimit bytes) into the buffer; false when
    // it cannot.
    using Load = std::function<bool(uint8_t* into)>;
    // Writes the first `size` bytes of the answer back into the client's block.
    using Store = std::function<bool(const uint8_t* from, uint32_t size)>;
    struct Hooks {
        const std::function<void()>& beforeExchange;
        const std::function<void()>& beforeTick;
    };

    // One message; `request` is true when it is the protocol's message and the client's block
    // could be opened.
    Answer handle(bool request, const Load& load, const Store& store, const Hooks& hooks);

    void setAnswering(bool answering) { answering_ = answering; }
    void setIdentity(uint32_t version, uint32_t simulatorWord);
    int exchanges() const { return exchanges_; }

  private:
    uint32_t exchange(const Load& load, const Store& store, bool oversize,
                      const std::function<void()>& beforeTick);
    uint32_t carryOut(uint32_t& end);

    std::vector<uint8_t> work_ = std::vector<uint8_t>(kSharedBlockSize);
    OffsetTable& table_;
    HostFaults faults_;
    int exchanges_ = 0;
    bool answering_ = true;
    uint32_t version_ = 0;
    uint32_t simulatorWord_ = 0;
};

}  // namespace flenmark::simhost
