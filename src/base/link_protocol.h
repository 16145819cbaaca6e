#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace flenmark {

// What client and host agree on over the local socket that stands in for window messages.

inline constexpr uint32_t kSharedBlockSize = 0x8000;   // 32768
inline constexpr uint32_t kRequestAreaLimit = 0x7F00;  // 32512, terminator included
inline constexpr uint32_t kReadRecordKind = 1;
inline constexpr uint32_t kWriteRecordKind = 2;
inline constexpr uint32_t kReadHeaderSize = 16;
inline constexpr uint32_t kWriteHeaderSize = 12;
inline constexpr const char* kIpcMessageName = "FSASMLIB:IPC";
inline constexpr const char* kMainWindowClass = "UIPCMAIN";
inline constexpr const char* kFallbackWindowClass = "FS98MAIN";

// The registered message identifier of a name: FNV-1a folded into 0xC000..0xFFFF.
uint32_t RegisteredMessageId(const std::string& name);

// Where the host of a window class listens: $XDG_RUNTIME_DIR/fsuipc/CLASS, or
// /tmp/fsuipc-UID/CLASS without a runtime folder.
std::string HostSocketDirectory();
std::string HostSocketPath(const std::string& windowClass);

// One message to the host: u32 message id, u32 wParam (the atom), u32 lParam, u16 name
// length, the shared-memory name. All little-endian.
struct IpcFrame {
    uint32_t message = 0;
    uint32_t wParam = 0;
    uint32_t lParam = 0;
    std::string name;
};

std::vector<uint8_t> EncodeFrame(const IpcFrame& frame);

// Reads a frame from the start of `bytes`; the number of bytes used, or nullopt while more
// are needed. Names longer than kMaxFrameName are refused with `bad` set.
inline constexpr size_t kMaxFrameName = 255;
std::optional<size_t> DecodeFrame(const uint8_t* bytes, size_t size, IpcFrame& frame, bool& bad);

// True for a shared-block name a host may open: the protocol's "FSASMLIB:IPC:..." names, of
// letters, digits, ":", "_" and "-" only, so a name never leads outside the shared-memory folder.
bool IsSharedBlockName(const std::string& name);

// The process a client's shared block belongs to: the hexadecimal id in its name
// ("FSASMLIB:IPC:1A2B:1" -> 0x1A2B); nullopt for another name.
std::optional<uint32_t> SharedBlockOwner(const std::string& name);

// Offsets of the traffic area: 40 slots of 40 bytes, and the two control bytes.
inline constexpr uint32_t kTrafficSlotBase = 0xF080;
inline constexpr uint32_t kTrafficSlotSize = 40;
inline constexpr uint32_t kTrafficRefreshOffset = 0xF06A;
inline constexpr uint32_t kTrafficRangeOffset = 0xF068;
inline constexpr int kTrafficSlots = 40;
inline constexpr int kCallsignLength = 15;

uint32_t LoadU32(const uint8_t* p);
void StoreU32(uint8_t* p, uint32_t v);

}  // namespace flenmark
