#include "simlink/fsuipc_client.h"

#include <cstdio>
#include <cstring>

#include "simlink/ipc_protocol.h"

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
    for (int attempt = 0; attempt < 5 && (FSUIPCVersion == 0 || SimVersion == 0); ++attempt) {
        if (!QueueRead(0x3304, 4, &FSUIPCVersion, result) ||
            !QueueRead(0x3308, 4, &SimVersion, result))
            return false;
        if (!QueueWrite(0x330A, 2, &LibVersion, result) && attempt == 0) return false;
        if (!ProcessRequests(result)) return false;
        transport_.sleepMs(timing_.handshakePauseMs);
    }
    return true;
}

void FsuipcClient::CloseLink() {
    if (hostFound_) transport_.releaseHost();
    hostFound_ = false;
    ipcMessage_ = 0;
    next_ = 0;
    destinations_.clear();
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
    destinations_.push_back(destination);
    uint8_t* record = view_ + next_;
    StoreU32(record, kReadRecordKind);
    StoreU32(record + 4, offset);
    StoreU32(record + 8, size);
    StoreU32(record + 12, static_cast<uint32_t>(destinations_.size()));
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
        if (send > 0) transport_.sleepMs(timing_.retryPauseMs);
        status = transport_.send(ipcMessage_, atom_, 0, timing_.sendTimeoutMs, reply);
        if (status == SendStatus::Replied) break;
    }
    if (status != SendStatus::Replied) {
        destinations_.clear();
        result = status == SendStatus::TimedOut ? kLinkTimeout : kLinkSendFailed;
        return false;
    }
    if (reply != 1) {
        destinations_.clear();
        result = kLinkRejected;
        return false;
    }
    const bool ok = copyAnswers();
    destinations_.clear();
    if (ok) result = kLinkOk;
    return ok;
}

bool FsuipcClient::copyAnswers() {
    uint32_t at = 0;
    while (at + 4 <= kSharedBlockSize) {
        const uint32_t kind = LoadU32(view_ + at) & 0xFFFF;
        if (kind == 0) return true;
        const uint32_t header = kind == kReadRecordKind ? kReadHeaderSize : kWriteHeaderSize;
        if ((kind != kReadRecordKind && kind != kWriteRecordKind) || at + header > kSharedBlockSize)
            return false;
        const uint32_t size = LoadU32(view_ + at + 8);
        if (size > kSharedBlockSize - at - header) return false;
        if (kind == kReadRecordKind) {
            const uint32_t token = LoadU32(view_ + at + 12);
            if (token != 0 && size != 0 && token <= destinations_.size())
                std::memcpy(destinations_[token - 1], view_ + at + header, size);
        }
        at += header + size;
    }
    return false;
}

}  // namespace flenmark
