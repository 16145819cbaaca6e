#pragma once

#include <functional>
#include <string>
#include <vector>

#include "base/link_protocol.h"
#include "platform/ipc_transport.h"

namespace flenmark::testing {

// A transport whose "host" is a function run on the shared block at each send.
class ScriptedTransport final : public IpcTransport {
  public:
    std::string hostPlace(const std::string& windowClass) const override {
        return "host " + windowClass;
    }
    bool findHost(const std::string& windowClass) override {
        classesAsked.push_back(windowClass);
        for (const auto& c : hostClasses)
            if (c == windowClass) return true;
        return false;
    }
    void releaseHost() override {}
    uint32_t registerMessage(const std::string& name) override { return RegisteredMessageId(name); }
    uint16_t addAtom(const std::string& name) override {
        atomName = name;
        return 0xC123;
    }
    void deleteAtom(uint16_t) override { atomName.clear(); }
    SharedMemoryStatus createSharedMemory(const std::string& name, uint32_t size) override {
        shmName = name;
        block.assign(size, 0xEE);
        return shmStatus;
    }
    uint8_t* mapSharedMemory() override { return block.data(); }
    void unmapSharedMemory() override {}
    void closeSharedMemory() override {}
    SendStatus send(uint32_t message, uint32_t wParam, uint32_t, int timeoutMs,
                    uint32_t& reply) override {
        ++sends;
        if (onSend) onSend(timeoutMs);
        lastMessage = message;
        lastAtom = wParam;
        lastTimeoutMs = timeoutMs;
        if (sendStatus != SendStatus::Replied) return sendStatus;
        if (host) host(block.data());
        reply = replyValue;
        return SendStatus::Replied;
    }
    void sleepMs(int ms) override {
        slept.push_back(ms);
        if (onSleep) onSleep(ms);
    }
    uint32_t processId() const override { return 0x1A2B; }

    std::vector<std::string> hostClasses{"UIPCMAIN"};
    std::vector<std::string> classesAsked;
    SharedMemoryStatus shmStatus = SharedMemoryStatus::Created;
    SendStatus sendStatus = SendStatus::Replied;
    uint32_t replyValue = 1;
    std::function<void(uint8_t*)> host;
    std::function<void(int)> onSend, onSleep;
    std::vector<uint8_t> block;
    std::string atomName, shmName;
    int sends = 0;
    uint32_t lastMessage = 0, lastAtom = 0;
    int lastTimeoutMs = 0;
    std::vector<int> slept;
};

// A host that answers reads of the version, the simulator word and the gear from a small table.
inline void AnswerReads(uint8_t* b, uint32_t version, uint32_t simWord) {
    for (uint32_t at = 0; at + 16 <= kRequestAreaLimit;) {
        const uint32_t kind = LoadU32(b + at), offset = LoadU32(b + at + 4),
                       size = LoadU32(b + at + 8);
        if (kind == 0 || size > kRequestAreaLimit) return;
        if (kind == kReadRecordKind) {
            if (offset == 0x3304) StoreU32(b + at + 16, version);
            if (offset == 0x3308) StoreU32(b + at + 16, simWord);
            if (offset == 0x0BEC) StoreU32(b + at + 16, 16383);
        }
        at += (kind == kReadRecordKind ? kReadHeaderSize : kWriteHeaderSize) + size;
    }
}

inline std::function<void(uint8_t*)> AnsweringHost(uint32_t version, uint32_t simWord) {
    return [=](uint8_t* b) { AnswerReads(b, version, simWord); };
}

}  // namespace flenmark::testing
