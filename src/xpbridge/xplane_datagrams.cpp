#include "xpbridge/xplane_datagrams.h"

#include <cstring>

namespace flenmark::xpbridge {
namespace {

constexpr size_t kHeader = 5;
constexpr size_t kRposSize = kHeader + 3 * 8 + 10 * 4;  // 69
constexpr size_t kPathSize = 400;

bool HasTag(std::span<const uint8_t> d, const char* tag) {
    return d.size() >= kHeader && std::memcmp(d.data(), tag, 4) == 0;
}

template <typename T>
T Load(std::span<const uint8_t> d, size_t at) {
    T value;
    std::memcpy(&value, d.data() + at, sizeof value);
    return value;
}

template <typename T>
void Append(std::vector<uint8_t>& out, T value) {
    const size_t at = out.size();
    out.resize(at + sizeof value);
    std::memcpy(out.data() + at, &value, sizeof value);
}

}  // namespace

std::optional<std::vector<RrefValue>> ParseRref(std::span<const uint8_t> datagram) {
    if (!HasTag(datagram, "RREF")) return std::nullopt;
    const size_t body = datagram.size() - kHeader;
    if (body == 0 || body % 8 != 0 || body / 8 > kMaxRrefValues) return std::nullopt;
    std::vector<RrefValue> values(body / 8);
    for (size_t i = 0; i < values.size(); ++i) {
        values[i].index = Load<int32_t>(datagram, kHeader + 8 * i);
        values[i].value = Load<float>(datagram, kHeader + 8 * i + 4);
    }
    return values;
}

std::optional<RposFix> ParseRpos(std::span<const uint8_t> datagram) {
    if (!HasTag(datagram, "RPOS") || datagram.size() != kRposSize) return std::nullopt;
    RposFix f;
    f.lonDeg = Load<double>(datagram, 5);
    f.latDeg = Load<double>(datagram, 13);
    f.elevationM = Load<double>(datagram, 21);
    float* floats[] = {&f.aglM,    &f.pitchDeg, &f.headingDeg, &f.rollDeg,
                       &f.eastMps, &f.upMps,    &f.southMps};
    for (size_t i = 0; i < std::size(floats); ++i) *floats[i] = Load<float>(datagram, 29 + 4 * i);
    return f;
}

std::vector<uint8_t> RrefRequest(int perSecond, int32_t index, const std::string& path) {
    std::vector<uint8_t> out = {'R', 'R', 'E', 'F', 0};
    Append<int32_t>(out, perSecond);
    Append<int32_t>(out, index);
    const size_t start = out.size();
    out.resize(start + kPathSize, 0);
    std::memcpy(out.data() + start, path.data(), std::min(path.size(), kPathSize - 1));
    return out;
}

std::vector<uint8_t> RposRequest(int perSecond) {
    std::vector<uint8_t> out = {'R', 'P', 'O', 'S', 0};
    const std::string rate = std::to_string(perSecond);
    out.insert(out.end(), rate.begin(), rate.end());
    out.resize(kHeader + 10, 0);
    return out;
}

}  // namespace flenmark::xpbridge
