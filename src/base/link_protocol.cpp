#include "base/link_protocol.h"

#include <cctype>
#include <charconv>
#include <cstring>

namespace flenmark {

uint32_t RegisteredMessageId(const std::string& name) {
    uint32_t hash = 2166136261u;
    for (unsigned char c : name) {
        hash ^= c;
        hash *= 16777619u;
    }
    return 0xC000u + (hash % 0x4000u);
}

bool IsSharedBlockName(const std::string& name) {
    const std::string prefix = std::string(kIpcMessageName) + ":";
    if (name.size() > 64 || name.rfind(prefix, 0) != 0 || name.size() == prefix.size())
        return false;
    for (unsigned char c : name)
        if (!std::isalnum(c) && c != ':' && c != '_' && c != '-') return false;
    return true;
}

std::optional<uint32_t> SharedBlockOwner(const std::string& name) {
    const std::string prefix = std::string(kIpcMessageName) + ":";
    if (!IsSharedBlockName(name)) return std::nullopt;
    const size_t end = name.find(':', prefix.size());
    if (end == std::string::npos) return std::nullopt;
    uint32_t pid = 0;
    const auto r = std::from_chars(name.data() + prefix.size(), name.data() + end, pid, 16);
    if (r.ec != std::errc() || r.ptr != name.data() + end) return std::nullopt;
    return pid;
}

uint32_t LoadU32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
           static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

void StoreU32(uint8_t* p, uint32_t v) {
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
    p[2] = static_cast<uint8_t>(v >> 16);
    p[3] = static_cast<uint8_t>(v >> 24);
}

std::vector<uint8_t> EncodeFrame(const IpcFrame& frame) {
    std::vector<uint8_t> out(14 + frame.name.size());
    StoreU32(out.data(), frame.message);
    StoreU32(out.data() + 4, frame.wParam);
    StoreU32(out.data() + 8, frame.lParam);
    out[12] = static_cast<uint8_t>(frame.name.size());
    out[13] = static_cast<uint8_t>(frame.name.size() >> 8);
    std::memcpy(out.data() + 14, frame.name.data(), frame.name.size());
    return out;
}

std::optional<size_t> DecodeFrame(const uint8_t* bytes, size_t size, IpcFrame& frame, bool& bad) {
    bad = false;
    if (size < 14) return std::nullopt;
    const size_t nameLength = static_cast<size_t>(bytes[12]) | static_cast<size_t>(bytes[13]) << 8;
    if (nameLength > kMaxFrameName) {
        bad = true;
        return std::nullopt;
    }
    if (size < 14 + nameLength) return std::nullopt;
    frame.message = LoadU32(bytes);
    frame.wParam = LoadU32(bytes + 4);
    frame.lParam = LoadU32(bytes + 8);
    frame.name.assign(reinterpret_cast<const char*>(bytes + 14), nameLength);
    return 14 + nameLength;
}

}  // namespace flenmark
