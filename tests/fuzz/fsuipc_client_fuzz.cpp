// The FSUIPC client facing a host that rewrites the reply block as it likes: nothing is ever
// written outside the destinations of the reads, and a reply that does not match the request
// fails with code 13.
#include <algorithm>
#include <cstring>
#include <vector>

#include "base/link_protocol.h"
#include "fuzz_support.h"
#include "simlink/fsuipc_client.h"

namespace {

using namespace flenmark;

// The host answers honestly, then applies the input's patches: (u16 position, u8 length, bytes).
class PatchingTransport final : public IpcTransport {
  public:
    PatchingTransport(const uint8_t* data, size_t size) : patches_(data, data + size) {}
    bool findHost(const std::string&) override { return true; }
    void releaseHost() override {}
    uint32_t registerMessage(const std::string& name) override { return RegisteredMessageId(name); }
    uint16_t addAtom(const std::string&) override { return 0xC001; }
    void deleteAtom(uint16_t) override {}
    SharedMemoryStatus createSharedMemory(const std::string&, uint32_t size) override {
        block_.assign(size, 0);
        return SharedMemoryStatus::Created;
    }
    uint8_t* mapSharedMemory() override { return block_.data(); }
    void unmapSharedMemory() override {}
    void closeSharedMemory() override {}
    SendStatus send(uint32_t, uint32_t, uint32_t, int, uint32_t& reply) override {
        answer();
        size_t at = 0;
        while (at + 3 <= patches_.size()) {
            const size_t position = (patches_[at] | patches_[at + 1] << 8) % block_.size();
            size_t length = patches_[at + 2];
            at += 3;
            length = std::min({length, patches_.size() - at, block_.size() - position});
            std::memcpy(block_.data() + position, patches_.data() + at, length);
            at += length;
        }
        reply = 1;
        return SendStatus::Replied;
    }
    void sleepMs(int) override {}
    uint32_t processId() const override { return 42; }

  private:
    void answer() {
        for (uint32_t at = 0; at + 16 <= block_.size();) {
            const uint32_t kind = LoadU32(block_.data() + at),
                           size = LoadU32(block_.data() + at + 8);
            if (kind == 0 || size > block_.size()) return;
            if (kind == 1) {
                if (LoadU32(block_.data() + at + 4) == 0x3304)
                    StoreU32(&block_[at + 16], 0x19980005);
                if (LoadU32(block_.data() + at + 4) == 0x3308)
                    StoreU32(&block_[at + 16], 0xFADE0008);
                at += 16 + size;
            } else {
                at += 12 + size;
            }
        }
    }
    std::vector<uint8_t> patches_;
    std::vector<uint8_t> block_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    PatchingTransport transport(data, size);
    FsuipcClient client(transport, {2000, 0, 1, 0});
    int result = -1;
    if (!client.OpenLink(0, result)) {
        fuzz::Require(result == kLinkRejected || result == kLinkBadVersion,
                      "open fails as 13 or 7");
        return 0;
    }
    struct Guarded {
        uint8_t before[8];
        uint8_t value[8];
        uint8_t after[256];
    } a, b;
    std::memset(&a, 0xAA, sizeof a);
    std::memset(&b, 0xAA, sizeof b);
    client.QueueRead(0x0560, 8, a.value, result);
    const uint16_t word = 7;
    client.QueueWrite(0x330A, 2, &word, result);
    client.QueueRead(0x0BEC, 4, b.value, result);
    const bool ok = client.ProcessRequests(result);
    fuzz::Require(ok ? result == kLinkOk : result == kLinkRejected, "a bad reply is code 13");
    for (const Guarded* g : {&a, &b}) {
        for (uint8_t x : g->before) fuzz::Require(x == 0xAA, "nothing written before a read");
        for (uint8_t x : g->after) fuzz::Require(x == 0xAA, "nothing written after a read");
    }
    fuzz::Require(ok || (a.value[0] == 0xAA && b.value[0] == 0xAA),
                  "a refused reply copies nothing");
    for (int i = 4; i < 8; ++i) fuzz::Require(b.value[i] == 0xAA, "a four-byte read writes four");
    return 0;
}
