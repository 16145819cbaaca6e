#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace flenmark::xpbridge {

// X-Plane's UDP data interface (port 49000): dataref subscriptions ("RREF") and the aircraft's
// position ("RPOS"). Little-endian throughout. An answer starts with the four letters and a
// fifth byte that differs between versions ("RREF,", "RREF\0", "RPOS4"); any is taken.

// One value of an RREF answer: the index the subscription asked for and its value, always a
// 32-bit float whatever the dataref's type.
struct RrefValue {
    int32_t index = 0;
    float value = 0;
};

// The aircraft's position as RPOS sends it: doubles for the place, floats for the rest.
struct RposFix {
    double lonDeg = 0;
    double latDeg = 0;
    double elevationM = 0;  // above sea level
    float aglM = 0;         // above the terrain
    float pitchDeg = 0;
    float headingDeg = 0;  // true
    float rollDeg = 0;
    float eastMps = 0;
    float upMps = 0;
    float southMps = 0;
};

// The largest RREF answer taken: X-Plane sends far smaller ones.
inline constexpr size_t kMaxRrefValues = 1024;

// The values of an RREF answer; nullopt when the datagram is not one, is cut short (its length
// is not 5 + 8 n with n from 1 to kMaxRrefValues) or is larger.
std::optional<std::vector<RrefValue>> ParseRref(std::span<const uint8_t> datagram);

// The position of an RPOS answer (exactly 69 bytes); nullopt for anything else.
std::optional<RposFix> ParseRpos(std::span<const uint8_t> datagram);

// Subscribes to `path` at `perSecond` answers a second under `index`; 0 a second cancels.
std::vector<uint8_t> RrefRequest(int perSecond, int32_t index, const std::string& path);

// Asks for the position `perSecond` times a second; 0 stops it.
std::vector<uint8_t> RposRequest(int perSecond);

}  // namespace flenmark::xpbridge
