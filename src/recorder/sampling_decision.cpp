#include "recorder/sampling_decision.h"

#include <charconv>
#include <cmath>
#include <cstdint>

#include "base/number_text.h"
#include "recorder/sample_context.h"

namespace flenmark {
namespace {

bool Beyond(float difference, float threshold) {
    return difference >= threshold || difference <= -threshold;
}

bool IlsChanged(const SampleContext& pr, double height, double vs) {
    const TelemetrySnapshot& t = pr.telemetry;
    const PreviousTick& p = pr.prev;
    const Settings& s = pr.settings;
    const bool window =
        height > s.IgnoreILSBelow && height < s.IgnoreILSAbove && vs < s.IgnoreILSAboveVS;
    if (!window) return false;
    if (t.LocCaptured != p.LocCaptured && p.GSNeedle != 0) return true;
    return t.GSState != p.GSState && t.GSAlive == p.GSAlive;
}

bool DiscreteChanged(const SampleContext& pr) {
    const TelemetrySnapshot& t = pr.telemetry;
    const PreviousTick& p = pr.prev;
    return t.InnerMarker != p.InnerMarker || t.MiddleMarker != p.MiddleMarker ||
           t.OuterMarker != p.OuterMarker || t.FlapsPct != pr.state.PrevFlapsPct ||
           t.GearText != pr.state.PrevGearText || t.Spoilers != p.Spoilers || t.Tailhook != p.Tailhook ||
           t.Overspeed != p.Overspeed || t.Stall != p.Stall;
}

bool ThresholdExceeded(const SampleContext& pr) {
    const TelemetrySnapshot& t = pr.telemetry;
    const LastLine& last = pr.state.lastLine;
    const Settings& s = pr.settings;
    const bool high = NumericValue(t.AltText) > 10000;
    const float hdgLimit = high ? s.HDGOffset100 : s.HDGOffset;
    const float vsLimit = high ? s.VSOffset100 : s.VSOffset;
    const float altLimit = high ? s.AltOffset100 : s.AltOffset;

    // No wrap-around: a turn through north gives a difference near 360 and is written.
    const float hdg =
        static_cast<float>(NumericValue(last.HDG)) - static_cast<float>(NumericValue(t.HDGText));
    if (Beyond(hdg, hdgLimit)) return true;

    const double gl = std::floor(NumericValue(last.GndSpd));
    const double g = std::floor(NumericValue(t.GndSpdText));
    if ((gl > 0 && g == 0) || (gl == 0 && g > 0)) return true;

    const double lastVs = NumericValue(last.VS);
    if (lastVs <= -s.CheckVS || lastVs >= s.CheckVS) {
        const float dv = static_cast<float>(lastVs) - static_cast<float>(NumericValue(t.VSText));
        return Beyond(dv, vsLimit);
    }
    const float da =
        static_cast<float>(NumericValue(last.Alt)) - static_cast<float>(NumericValue(t.AltText));
    return Beyond(da, altLimit);
}

std::optional<int64_t> StampNumber(const std::string& stamp) {
    int64_t v = 0;
    const auto r = std::from_chars(stamp.data(), stamp.data() + stamp.size(), v);
    if (r.ec != std::errc() || r.ptr != stamp.data() + stamp.size()) return std::nullopt;
    return v;
}

}  // namespace

bool SampleIsWorthWriting(const SampleContext& pr) {
    const double height = NumericValue(pr.telemetry.AltAGLText);
    const double vs = NumericValue(pr.telemetry.VSText);
    return pr.telemetry.OnGround != pr.prev.OnGround || IlsChanged(pr, height, vs) ||
           DiscreteChanged(pr) || pr.prev.AltText.empty() || ThresholdExceeded(pr);
}

bool QuietSpellOver(const std::string& lastLineStamp, const std::string& stamp) {
    if (lastLineStamp.empty()) return false;
    const auto last = StampNumber(lastLineStamp);
    const auto now = StampNumber(stamp);
    return last && now && *now - *last > 500;
}

}  // namespace flenmark
