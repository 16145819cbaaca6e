#include "simlink/read_telemetry.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "base/number_text.h"
#include "simlink/single_read.h"
#include "simlink/telemetry_conversions.h"

namespace flenmark {
namespace {

struct Raw {
    std::array<uint8_t, 8> bytes{};

    template <class T>
    T as() const {
        T value;
        std::memcpy(&value, bytes.data(), sizeof value);
        return value;
    }
};

using Apply = void (*)(const TelemetryRead&, const Raw&);

struct Field {
    uint32_t offset;
    uint32_t size;
    Apply apply;
};

TelemetrySnapshot& T(const TelemetryRead& p) {
    return p.telemetry;
}

// In reading order; each converts its raw value into the snapshot.
const std::array<Field, 24> kFields = {{
    {0x0560, 8,
     [](const TelemetryRead& p, const Raw& r) {
         T(p).LatText = LatitudeText(r.as<int64_t>(), p.separator);
     }},
    {0x0568, 8,
     [](const TelemetryRead& p, const Raw& r) {
         T(p).LonText = LongitudeText(r.as<int64_t>(), p.separator);
     }},
    {0x0570, 8,
     [](const TelemetryRead& p, const Raw& r) { T(p).AltText = AltitudeText(r.as<int64_t>()); }},
    {0x02B4, 4,
     [](const TelemetryRead& p, const Raw& r) {
         T(p).GndSpdText = GroundSpeedText(r.as<int32_t>(), p.separator);
     }},
    {0x0580, 4,
     [](const TelemetryRead& p, const Raw& r) {
         T(p).HDGText = HeadingText(r.as<int32_t>(), p.separator);
     }},
    {0x0366, 2,
     [](const TelemetryRead& p, const Raw& r) { T(p).OnGround = r.as<uint16_t>() > 0 ? 1 : 0; }},
    {0x02C8, 4,
     [](const TelemetryRead& p, const Raw& r) {
         T(p).VSText = VerticalSpeedText(r.as<int32_t>(), p.separator);
         if (p.prevOnGround == 1) T(p).VSText = "0";
     }},
    {0x0020, 4,
     [](const TelemetryRead& p, const Raw& r) {
         T(p).AltAGLText =
             HeightAboveGroundText(NumericValue(T(p).AltText), GroundElevationFeet(r.as<int32_t>()),
                                   T(p).OnGround == 1, T(p).GroundOffset, p.separator);
     }},
    {0x030C, 4,
     [](const TelemetryRead& p, const Raw& r) {
         T(p).LastAirVSText = LastAirVerticalSpeedText(r.as<int32_t>(), T(p).VSText);
     }},
    {0x0BEC, 4,
     [](const TelemetryRead& p, const Raw& r) { T(p).GearText = GearText(r.as<int32_t>()); }},
    {0x0BDC, 4,
     [](const TelemetryRead& p, const Raw& r) { T(p).FlapsPct = FlapsPercent(r.as<int32_t>()); }},
    {0x0BD0, 4,
     [](const TelemetryRead& p, const Raw& r) {
         T(p).Spoilers = SpoilersDeployed(r.as<int32_t>());
     }},
    {0x02BC, 4, [](const TelemetryRead& p, const Raw& r) { T(p).IAS = r.as<int32_t>() / 128.0; }},
    {0x02B8, 4, [](const TelemetryRead& p, const Raw& r) { T(p).TAS = r.as<int32_t>() / 128.0; }},
    {0x3BA0, 8,
     [](const TelemetryRead& p, const Raw& r) { T(p).Tailhook = TailhookDown(r.as<double>()); }},
    {0x036D, 1, [](const TelemetryRead& p, const Raw& r) { T(p).Overspeed = r.as<uint8_t>(); }},
    {0x036C, 1, [](const TelemetryRead& p, const Raw& r) { T(p).Stall = r.as<uint8_t>(); }},
    {0x0BAC, 2, [](const TelemetryRead& p, const Raw& r) { T(p).InnerMarker = r.as<int16_t>(); }},
    {0x0BAE, 2, [](const TelemetryRead& p, const Raw& r) { T(p).MiddleMarker = r.as<int16_t>(); }},
    {0x0BB0, 2, [](const TelemetryRead& p, const Raw& r) { T(p).OuterMarker = r.as<int16_t>(); }},
    {0x0C48, 1,
     [](const TelemetryRead& p, const Raw& r) {
         T(p).LocCaptured = LocalizerCaptured(r.as<uint8_t>(), p.locIntPercent);
     }},
    {0x0C49, 1,
     [](const TelemetryRead& p, const Raw& r) {
         const GlideslopeReading gs = GlideslopeBand(r.as<uint8_t>(), p.gsIntPercent);
         T(p).GSNeedle = gs.needle;
         T(p).GSState = gs.state;
     }},
    {0x0C4C, 1, [](const TelemetryRead& p, const Raw& r) { T(p).GSAlive = r.as<uint8_t>() != 0; }},
    {0x2F80, 1, [](const TelemetryRead& p, const Raw& r) { T(p).Autobrake = r.as<uint8_t>(); }},
}};

// The aircraft's title: up to 256 bytes, ended by a zero byte; what cannot be shown is left out.
constexpr uint32_t kAircraftTitleOffset = 0x3D00;
constexpr size_t kAircraftTitleBytes = 256;

std::string TitleText(const std::array<uint8_t, kAircraftTitleBytes>& bytes) {
    std::string title;
    for (uint8_t b : bytes) {
        if (b == 0) break;
        if (b >= 0x20 && b != 0x7F) title += static_cast<char>(b);
    }
    const size_t end = title.find_last_not_of(' ');
    return end == std::string::npos ? "" : title.substr(0, end + 1);
}

}  // namespace

LinkRead ReadTelemetry(SimLink& link, const TelemetryRead& read) {
    // All the fields in one exchange, then converted in order: a field may use one before it.
    std::array<Raw, kFields.size()> raw;
    std::array<bool, kFields.size()> queued{};
    int result = kLinkOk;
    for (size_t i = 0; i < kFields.size(); ++i)
        queued[i] = link.QueueRead(kFields[i].offset, kFields[i].size, raw[i].bytes.data(), result);
    if (std::find(queued.begin(), queued.end(), true) == queued.end()) return LinkRead::Done;
    std::array<uint8_t, kAircraftTitleBytes> title{};
    const bool titleQueued =
        link.QueueRead(kAircraftTitleOffset, kAircraftTitleBytes, title.data(), result);
    if (!link.ProcessRequests(result)) return LinkRead::Lost;
    if (titleQueued) read.telemetry.AircraftTitle = TitleText(title);
    for (size_t i = 0; i < kFields.size(); ++i) {
        if (!queued[i]) continue;  // the field keeps its previous value
        try {
            kFields[i].apply(read, raw[i]);
        } catch (const ConversionFault&) {
            return LinkRead::Fault;
        }
    }
    return LinkRead::Done;
}

}  // namespace flenmark
