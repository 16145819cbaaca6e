#include "simlink/fsuipc_client.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "base/link_protocol.h"

namespace flenmark {

FsuipcClient::FsuipcClient(IpcTransport& transport, FsuipcTiming timing)
    : transport_(transport), timing_(timing) {}

FsuipcClient::~FsuipcClient() {
    CloseLink();
}

std::string FsuipcClient::sharedMemoryName() const {
    char buffer[24];  // the name is built in a fixed field of 24 characters
    std::snprintf(buffer, sizeof buffer, "%s:%X:1", kIpcMessageName, transport_.processId());
    return buffer;
}

std::string FsuipcClient::hostPlaces() const {
    return transport_.hostPlace(kMainWindowClass) + " and " +
           transport_.hostPlace(kFallbackWindowClass);
}

bool FsuipcClient::OpenLink(int requestedSim, int& result) {
    if (view_) {
        result = kLinkAlreadyOpen;
        return false;
    }
    FSUIPCVersion = 0;
    SimVersion = 0;
    bool fallback = false;
    if (!transport_.findHost(kMainWindowClass)) {
        fallback = true;
        if (!transport_.findHost(kFallbackWindowClass)) {
            result = kLinkNoHost;
            return false;
        }
    }
    hostFound_ = true;
    auto fail = [&](int code) {
        CloseLink();
        result = code;
        return false;
    };
    ipcMessage_ = transport_.registerMessage(kIpcMessageName);
    if (ipcMessage_ == 0) return fail(kLinkRegisterFailed);
    const std::string name = sharedMemoryName();
    atom_ = transport_.addAtom(name);
    if (atom_ == 0) return fail(kLinkAtomFailed);
    const SharedMemoryStatus created = transport_.createSharedMemory(name, kSharedBlockSize);
    if (created != SharedMemoryStatus::Created) return fail(kLinkMapCreateFailed);
    mapped_ = true;
    view_ = transport_.mapSharedMemory();
    if (!view_) return fail(kLinkMapViewFailed);
    next_ = 0;
    if (!handshake(result)) return fail(result);
    if (FSUIPCVersion < 0x19980005 || (static_cast<uint32_t>(SimVersion) >> 16) != 0xFADE)
        return fail(fallback ? kLinkBadVersionFallbackClass : kLinkBadVersion);
    SimVersion &= 0xFFFF;
    if (requestedSim != 0 && requestedSim != SimVersion) return fail(kLinkWrongSimulator);
    result = kLinkOk;
    return true;
}

bool FsuipcClient::handshake(int& result) {
    // A host that has not filled in its version yet is given a pause before each new attempt;
    // a complete first answer needs none.
    for (int attempt = 0; attempt < 5 && (FSUIPCVersion == 0 || SimVersion == 0); ++attempt) {
        if (attempt > 0) pause(timing_.handshakePauseMs);
        if (!QueueRead(0x3304, 4, &FSUIPCVersion, result) ||
            !QueueRead(0x3308, 4, &SimVersion, result))
            return false;
        if (!QueueWrite(0x330A, 2, &LibVersion, result) && attempt == 0) return false;
        if (!ProcessRequests(result)) return false;
    }
    return true;
}

void FsuipcClient::CloseLink() {
    if (hostFound_) transport_.releaseHost();
    hostFound_ = false;
    ipcMessage_ = 0;
    next_ = 0;
    queued_.clear();
    if (atom_ != 0) transport_.deleteAtom(atom_);
    atom_ = 0;
    if (view_) transport_.unmapSharedMemory();
    view_ = nullptr;
    if (mapped_) transport_.closeSharedMemory();
    mapped_ = false;
}

bool FsuipcClient::QueueRead(uint32_t offset, uint32_t size, void* destination, int& result) {
    if (!view_) {
        result = kLinkNotOpen;
        return false;
    }
    if (static_cast<uint64_t>(next_) + 4 + size + kReadHeaderSize > kRequestAreaLimit) {
        result = kLinkRequestTooLarge;
        return false;
    }
    queued_.push_back({kReadRecordKind, offset, size, next_, destination});
    uint8_t* record = view_ + next_;
    StoreU32(record, kReadRecordKind);
    StoreU32(record + 4, offset);
    StoreU32(record + 8, size);
    StoreU32(record + 12, static_cast<uint32_t>(queued_.size()));
    std::memset(record + kReadHeaderSize, 0, size);
    next_ += kReadHeaderSize + size;
    result = kLinkOk;
    return true;
}

bool FsuipcClient::QueueWrite(uint32_t offset, uint32_t size, const void* source, int& result) {
    if (!view_) {
        result = kLinkNotOpen;
        return false;
    }
    if (static_cast<uint64_t>(next_) + 4 + size + kWriteHeaderSize > kRequestAreaLimit) {
        result = kLinkRequestTooLarge;
        return false;
    }
    queued_.push_back({kWriteRecordKind, offset, size, next_, nullptr});
    uint8_t* record = view_ + next_;
    StoreU32(record, kWriteRecordKind);
    StoreU32(record + 4, offset);
    StoreU32(record + 8, size);
    std::memcpy(record + kWriteHeaderSize, source, size);
    next_ += kWriteHeaderSize + size;
    result = kLinkOk;
    return true;
}

bool FsuipcClient::ProcessRequests(int& result) {
    if (!view_) {
        result = kLinkNotOpen;
        return false;
    }
    if (next_ == 0) {
        result = kLinkNothingQueued;
        return false;
    }
    StoreU32(view_ + next_, 0);
    next_ = 0;
    uint32_t reply = 0;
    SendStatus status = SendStatus::Failed;
    for (int send = 0; send < timing_.maxSends; ++send) {
        if (send > 0) pause(timing_.retryPauseMs);
        const int timeoutMs = msBeforeDeadline(timing_.sendTimeoutMs);
        if (timeoutMs <= 0) {
            status = SendStatus::TimedOut;  // the tick's time is up: as a host that is silent
            break;
        }
        status = transport_.send(ipcMessage_, atom_, 0, timeoutMs, reply);
        if (status == SendStatus::Replied) break;
    }
    const bool answered = status == SendStatus::Replied && reply == 1;
    const bool matches = answered && replyMatchesRequest();
    if (matches) copyAnswers();
    queued_.clear();
    if (status != SendStatus::Replied) {
        result = status == SendStatus::TimedOut ? kLinkTimeout : kLinkSendFailed;
        return false;
    }
    // A refusal, or a reply that does not carry back exactly the records that were sent, is
    // the host rejecting the request: nothing of it is taken.
    result = matches ? kLinkOk : kLinkRejected;
    return matches;
}

int FsuipcClient::msBeforeDeadline(int atMostMs) const {
    if (!deadline_) return atMostMs;
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(*deadline_ - timing_.now()).count();
    return static_cast<int>(std::clamp<int64_t>(left, 0, atMostMs));
}

void FsuipcClient::pause(int ms) {
    const int within = msBeforeDeadline(ms);
    if (within > 0) transport_.sleepMs(within);
}

bool FsuipcClient::replyMatchesRequest() const {
    // The host may only fill data areas: every header, and the terminator behind the last
    // record, must read as they were written.
    uint32_t end = 0;
    for (size_t i = 0; i < queued_.size(); ++i) {
        const Queued& q = queued_[i];
        const uint8_t* record = view_ + q.position;
        if ((LoadU32(record) & 0xFFFF) != q.kind || LoadU32(record + 4) != q.offset ||
            LoadU32(record + 8) != q.size)
            return false;
        if (q.kind == kReadRecordKind && LoadU32(record + 12) != i + 1) return false;
        end =
            q.position + (q.kind == kReadRecordKind ? kReadHeaderSize : kWriteHeaderSize) + q.size;
    }
    return (LoadU32(view_ + end) & 0xFFFF) == 0;
}

void FsuipcClient::copyAnswers() const {
    for (const Queued& q : queued_) {
        if (q.kind == kReadRecordKind && q.destination && q.size != 0)
            std::memcpy(q.destination, view_ + q.position + kReadHeaderSize, q.size);
    }
}

}  // namespace flenmark
