// The FSUIPC client facing a host that rewrites the reply block as it likes: nothing is ever
// written outside the destinations of the reads, and a reply that does not match the request
// fails with code 13.
#include <algorithm>
#include <cstring>

#include "base/link_protocol.h"
#include "fuzz_support.h"
#include "simlink/fsuipc_client.h"
#include "support/scripted_transport.h"

namespace {

using namespace flenmark;

// The host answers honestly, then applies the input's patches: (u16 position, u8 length, bytes).
void Patch(uint8_t* block, const uint8_t* patches, size_t size) {
    for (size_t at = 0; at + 3 <= size;) {
        const size_t position = (patches[at] | patches[at + 1] << 8) % kSharedBlockSize;
        size_t length = patches[at + 2];
        at += 3;
        length = std::min({length, size - at, kSharedBlockSize - position});
        std::memcpy(block + position, patches + at, length);
        at += length;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    testing::ScriptedTransport transport;
    transport.host = [&](uint8_t* block) {
        testing::AnswerReads(block, 0x19980005, 0xFADE0008);
        Patch(block, data, size);
    };
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
