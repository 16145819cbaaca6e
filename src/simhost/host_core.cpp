#include "simhost/host_core.h"

namespace flenmark::simhost {
namespace {

constexpr uint32_t kTickOffset = 0x0560;

// True when a well-formed block holds a read of `offset`.
bool ReadsOffset(const uint8_t* block, uint32_t offset) {
    for (uint32_t at = 0; at + kReadHeaderSize <= kRequestAreaLimit;) {
        const uint32_t kind = LoadU32(block + at), size = LoadU32(block + at + 8);
        if (kind == kReadRecordKind && LoadU32(block + at + 4) == offset) return true;
        if (kind != kReadRecordKind && kind != kWriteRecordKind) return false;
        const uint32_t header = kind == kReadRecordKind ? kReadHeaderSize : kWriteHeaderSize;
        if (size > kRequestAreaLimit - at - header) return false;
        at += header + size;
    }
    return false;
}

}  // namespace

void HostCore::setIdentity(uint32_t version, uint32_t simulatorWord) {
    version_ = version;
    simulatorWord_ = simulatorWord;
    table_.poke<uint32_t>(0x3304, version_);
    table_.poke<uint32_t>(0x3308, simulatorWord_);
}

HostCore::Answer HostCore::handle(bool request, const Load& load, const Store& store,
                                  const Hooks& hooks) {
    const int number = exchanges_++;
    if (faults_.dropAfter >= 0 && number >= faults_.dropAfter) return {Turn::Drop, 0};
    if (!answering_ || (faults_.hangAfter >= 0 && number >= faults_.hangAfter))
        return {Turn::Silent, 0};
    const bool rejected = faults_.reply0After >= 0 && number >= faults_.reply0After;
    if (rejected || !request) return {Turn::Reply, 0};
    if (hooks.beforeExchange) hooks.beforeExchange();
    const bool oversize = faults_.oversizeAfter >= 0 && number >= faults_.oversizeAfter;
    const uint32_t reply = exchange(load, store, oversize, hooks.beforeTick);
    // The client writes its library version inside the simulator word: the host keeps
    // answering its own values.
    table_.poke<uint32_t>(0x3304, version_);
    table_.poke<uint32_t>(0x3308, simulatorWord_);
    return {Turn::Reply, reply};
}

uint32_t HostCore::exchange(const Load& load, const Store& store, bool oversize,
                            const std::function<void()>& beforeTick) {
    if (!load(work_.data())) return 0;
    if (beforeTick && ReadsOffset(work_.data(), kTickOffset)) beforeTick();
    uint32_t end = 0;
    if (carryOut(end) != 1) return 0;
    if (oversize) StoreU32(work_.data() + 8, 256);
    return store(work_.data(), end) ? 1 : 0;
}

uint32_t HostCore::carryOut(uint32_t& end) {
    uint8_t* block = work_.data();
    uint32_t at = 0;
    while (at + 4 <= kRequestAreaLimit) {
        const uint32_t kind = LoadU32(block + at);
        if (kind == 0) {
            end = at;
            return 1;
        }
        if (kind != kReadRecordKind && kind != kWriteRecordKind) return 0;
        const uint32_t header = kind == kReadRecordKind ? kReadHeaderSize : kWriteHeaderSize;
        if (at + header > kRequestAreaLimit) return 0;
        const uint32_t offset = LoadU32(block + at + 4);
        const uint32_t size = LoadU32(block + at + 8);
        if (size > kRequestAreaLimit - at - header) return 0;
        uint8_t* data = block + at + header;
        const bool ok = kind == kReadRecordKind ? table_.read(offset, size, data)
                                                : table_.write(offset, size, data);
        if (!ok) return 0;
        at += header + size;
    }
    return 0;
}

}  // namespace flenmark::simhost
