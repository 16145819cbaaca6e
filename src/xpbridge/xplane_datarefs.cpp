#include "xpbridge/xplane_datarefs.h"

#include <cmath>

namespace flenmark::xpbridge {
namespace {

constexpr double kBig = 1e6;

std::vector<Dataref> OwnDatarefs() {
    const std::string ind = "sim/cockpit2/radios/indicators/";
    return {
        {kOnGround, "sim/flightmodel/failures/onground_any", 0, 1},
        {kIndicatedKt, "sim/flightmodel/position/indicated_airspeed", -2000, 2000},
        {kTrueMps, "sim/flightmodel/position/true_airspeed", -1000, 1000},
        {kGroundMps, "sim/flightmodel/position/groundspeed", -1000, 1000},
        {kVerticalFpm, "sim/flightmodel/position/vh_ind_fpm", -1e5, 1e5},
        {kHeadingDeg, "sim/flightmodel/position/psi", -720, 720},
        {kAglM, "sim/flightmodel/position/y_agl", -1e5, 1e6},
        {kGear, "sim/flightmodel2/gear/deploy_ratio[0]", 0, 1},
        {kFlaps, "sim/flightmodel2/controls/flap1_deploy_ratio", 0, 1},
        {kSpeedBrake, "sim/flightmodel2/controls/speedbrake_ratio", -1, 1.5},
        {kTailhook, "sim/flightmodel2/misc/tailhook_deploy_ratio", 0, 1},
        {kOverspeed, "sim/flightmodel/failures/over_vne", 0, 1},
        {kStall, "sim/flightmodel/failures/stallwarning", 0, 1},
        {kAutobrake, "sim/cockpit2/switches/auto_brake_level", 0, 5},
        {kOuterMarker, ind + "outer_marker_lit", 0, 1},
        {kMiddleMarker, ind + "middle_marker_lit", 0, 1},
        {kInnerMarker, ind + "inner_marker_lit", 0, 1},
        {kLocDots, ind + "nav1_hdef_dots_pilot", -100, 100},
        {kGsDots, ind + "nav1_vdef_dots_pilot", -100, 100},
        {kLocShown, ind + "nav1_display_horizontal", 0, 1},
        {kGsShown, ind + "nav1_display_vertical", 0, 1},
    };
}

void AddTitle(std::vector<Dataref>& all) {
    for (int c = 0; c < kTitleBytes; ++c)
        all.push_back({kTitleBase + c,
                       "sim/aircraft/view/acf_ui_name[" + std::to_string(c) + "]", 0, 255});
}

void AddTraffic(std::vector<Dataref>& all) {
    const std::string tcas = "sim/cockpit2/tcas/targets/";
    for (int k = 1; k <= kTcasTargets; ++k) {
        const std::string at = "[" + std::to_string(k) + "]";
        all.push_back({TcasIndex(k, kTcasLat), tcas + "position/lat" + at, -90, 90});
        all.push_back({TcasIndex(k, kTcasLon), tcas + "position/lon" + at, -180, 180});
        all.push_back({TcasIndex(k, kTcasEleM), tcas + "position/ele" + at, -1e4, 1e5});
        all.push_back({TcasIndex(k, kTcasHeading), tcas + "position/psi" + at, -720, 720});
        all.push_back({TcasIndex(k, kTcasMps), tcas + "position/V_msc" + at, -1000, 1000});
        all.push_back({TcasIndex(k, kTcasFpm), tcas + "position/vertical_speed" + at, -1e5, 1e5});
        all.push_back({TcasIndex(k, kTcasId), tcas + "modeS_id" + at, 0, 16777215});
        for (int c = 0; c < 8; ++c)
            all.push_back({TcasIndex(k, kTcasCallsign + c),
                           tcas + "flight_id[" + std::to_string(8 * k + c) + "]", 0, 255});
    }
    for (int n = 1; n <= kMultiplayerPlanes; ++n) {
        const std::string p = "sim/multiplayer/position/plane" + std::to_string(n) + "_";
        all.push_back({PlaneIndex(n, kPlaneLat), p + "lat", -90, 90});
        all.push_back({PlaneIndex(n, kPlaneLon), p + "lon", -180, 180});
        all.push_back({PlaneIndex(n, kPlaneEleM), p + "el", -1e4, 1e5});
        all.push_back({PlaneIndex(n, kPlaneHeading), p + "psi", -720, 720});
        all.push_back({PlaneIndex(n, kPlaneEast), p + "v_x", -1000, 1000});
        all.push_back({PlaneIndex(n, kPlaneUp), p + "v_y", -1000, 1000});
        all.push_back({PlaneIndex(n, kPlaneSouth), p + "v_z", -1000, 1000});
    }
}

bool Finite(double v) {
    return std::isfinite(v);
}

}  // namespace

int32_t TcasIndex(int target, int field) {
    return kTcasBase + (target - 1) * kTcasFields + field;
}

int32_t PlaneIndex(int plane, int field) {
    return kPlaneBase + (plane - 1) * kPlaneFields + field;
}

const std::vector<Dataref>& Datarefs() {
    static const std::vector<Dataref> all = [] {
        std::vector<Dataref> d = OwnDatarefs();
        AddTitle(d);
        AddTraffic(d);
        return d;
    }();
    return all;
}

XPlaneValues::XPlaneValues() : values_(PlaneIndex(kMultiplayerPlanes + 1, 0)) {}

bool XPlaneValues::take(const RrefValue& v) {
    if (v.index < 0 || static_cast<size_t>(v.index) >= values_.size()) return false;
    const Dataref* row = nullptr;
    const auto& all = Datarefs();
    if (v.index < kOwnCount)
        row = &all[static_cast<size_t>(v.index)];
    else if (v.index >= kTitleBase && v.index < kTitleBase + kTitleBytes)
        row = &all[static_cast<size_t>(kOwnCount + v.index - kTitleBase)];
    else if (v.index >= kTcasBase)
        row = &all[static_cast<size_t>(kOwnCount + kTitleBytes + v.index - kTcasBase)];
    if (!row || row->index != v.index) return false;
    if (!Finite(v.value) || v.value < row->low || v.value > row->high) return false;
    values_[static_cast<size_t>(v.index)] = v.value;
    return true;
}

bool XPlaneValues::takePosition(const RposFix& f) {
    const float rest[] = {f.aglM,    f.pitchDeg, f.headingDeg, f.rollDeg,
                          f.eastMps, f.upMps,    f.southMps};
    for (float v : rest)
        if (!Finite(v) || std::fabs(v) > kBig) return false;
    if (!Finite(f.latDeg) || !Finite(f.lonDeg) || !Finite(f.elevationM) ||
        std::fabs(f.latDeg) > 90 || std::fabs(f.lonDeg) > 180 || std::fabs(f.elevationM) > 1e5)
        return false;
    position_ = f;
    return true;
}

std::optional<float> XPlaneValues::get(int32_t index) const {
    if (index < 0 || static_cast<size_t>(index) >= values_.size()) return std::nullopt;
    return values_[static_cast<size_t>(index)];
}

}  // namespace flenmark::xpbridge
