#include "fgbridge/flightgear_reader.h"

#include <algorithm>
#include <cmath>

#include "kml/geodesy.h"
#include "platform/http.h"

namespace flenmark::fgbridge {
namespace {

// "gear[1]" -> name "gear", index 1.
std::pair<std::string, int> Step(const std::string& part) {
    const size_t open = part.find('[');
    if (open == std::string::npos) return {part, 0};
    return {part.substr(0, open), std::atoi(part.c_str() + open + 1)};
}

int IndexOf(const JsonValue& node) {
    const JsonValue* index = node.member("index");
    return index && index->kind == JsonValue::Kind::Number ? static_cast<int>(index->number) : 0;
}

const JsonValue* Child(const JsonValue& node, const std::string& name, int index) {
    const JsonValue* children = node.member("children");
    if (!children) return nullptr;
    for (const JsonValue& c : children->items) {
        const JsonValue* n = c.member("name");
        if (n && n->text == name && IndexOf(c) == index) return &c;
    }
    return nullptr;
}

double Clamp(double v, double low, double high) {
    return std::min(std::max(v, low), high);
}

void ApplyTraffic(const PropertyTree& ai, simhost::FlightState& s) {
    std::vector<simhost::TrafficAircraft> seen;
    for (const char* kind : {"aircraft", "multiplayer"}) {
        for (const PropertyTree& a : ai.children(kind)) {
            if (a.find("valid") && !a.flag("valid")) continue;
            simhost::TrafficAircraft t;
            t.id = static_cast<int32_t>(a.number("id", 0));
            t.callsign = a.text("callsign");
            t.latDeg = a.number("position/latitude-deg", 0);
            t.lonDeg = a.number("position/longitude-deg", 0);
            t.altFt = a.number("position/altitude-ft", 0);
            t.headingDeg = a.number("orientation/true-heading-deg", 0);
            t.groundSpeedKt = a.number("velocities/true-airspeed-kt", 0);
            t.verticalSpeedFpm = a.number("velocities/vertical-speed-fps", 0) * 60;
            if (t.id == 0) t.id = static_cast<int32_t>(seen.size() + 1);  // an empty slot has id 0
            seen.push_back(t);
        }
    }
    std::sort(seen.begin(), seen.end(), [&](const auto& x, const auto& y) {
        return GreatCircleDistanceNm(s.latDeg, s.lonDeg, x.latDeg, x.lonDeg, false) <
               GreatCircleDistanceNm(s.latDeg, s.lonDeg, y.latDeg, y.lonDeg, false);
    });
    for (size_t i = 0; i < s.traffic.size(); ++i)
        s.traffic[i] = i < seen.size() ? seen[i] : simhost::TrafficAircraft{};
}

}  // namespace

const JsonValue* PropertyTree::find(const std::string& path) const {
    const JsonValue* node = &root_;
    size_t start = 0;
    while (node && start <= path.size()) {
        const size_t slash = path.find('/', start);
        const auto [name, index] = Step(path.substr(start, slash - start));
        node = Child(*node, name, index);
        if (slash == std::string::npos) break;
        start = slash + 1;
    }
    return node ? node->member("value") : nullptr;
}

double PropertyTree::number(const std::string& path, double missing) const {
    const JsonValue* v = find(path);
    if (!v) return missing;
    if (v->kind == JsonValue::Kind::Number) return v->number;
    if (v->kind == JsonValue::Kind::Bool) return v->boolean ? 1 : 0;
    if (v->kind == JsonValue::Kind::String) return std::atof(v->text.c_str());
    return missing;
}

bool PropertyTree::flag(const std::string& path) const {
    const JsonValue* v = find(path);
    if (!v) return false;
    if (v->kind == JsonValue::Kind::Bool) return v->boolean;
    if (v->kind == JsonValue::Kind::String) return v->text == "true" || v->text == "1";
    return v->kind == JsonValue::Kind::Number && v->number != 0;
}

std::string PropertyTree::text(const std::string& path) const {
    const JsonValue* v = find(path);
    return v && v->kind == JsonValue::Kind::String ? v->text : std::string();
}

std::vector<PropertyTree> PropertyTree::children(const std::string& name) const {
    std::vector<PropertyTree> out;
    if (const JsonValue* children = root_.member("children"))
        for (const JsonValue& c : children->items)
            if (const JsonValue* n = c.member("name"); n && n->text == name) out.emplace_back(c);
    return out;
}

void ApplyFlightGear(const FlightGearTrees& t, simhost::FlightState& s) {
    auto num = [](const std::optional<PropertyTree>& tree, const char* path, double missing) {
        return tree ? tree->number(path, missing) : missing;
    };
    auto flag = [](const std::optional<PropertyTree>& tree, const std::string& path) {
        return tree && tree->flag(path);
    };
    s.latDeg = num(t.position, "latitude-deg", s.latDeg);
    s.lonDeg = num(t.position, "longitude-deg", s.lonDeg);
    s.altFt = num(t.position, "altitude-ft", s.altFt);
    s.groundElevationFt = num(t.position, "ground-elev-ft", 0);
    s.headingDeg = num(t.orientation, "heading-deg", 0);
    s.groundSpeedKt = num(t.velocities, "groundspeed-kt", 0);
    s.verticalSpeedFpm = num(t.velocities, "vertical-speed-fps", 0) * 60;
    bool onGround = false;
    for (int i = 0; i < 8; ++i)
        onGround = onGround || flag(t.gear, "gear[" + std::to_string(i) + "]/wow");
    if (!onGround) s.lastAirVerticalSpeedFpm = s.verticalSpeedFpm;  // held from touchdown on
    s.onGround = onGround ? 1 : 0;
    s.gear = Clamp(num(t.gear, "gear[0]/position-norm", 1), 0, 1);
    s.flapsPct = Clamp(num(t.surfaces, "flap-pos-norm", 0), 0, 1) * 100;
    s.spoilers = Clamp(
        std::max(num(t.surfaces, "spoiler-pos-norm", 0), num(t.surfaces, "speedbrake-pos-norm", 0)),
        0, 1);
    s.iasKt = num(t.airspeed, "indicated-speed-kt", num(t.velocities, "airspeed-kt", 0));
    s.tasKt = num(t.airspeed, "true-speed-kt", num(t.velocities, "airspeed-kt", 0));
    s.tailhook = Clamp(num(t.tailhook, "position-norm", 0), 0, 1);
    s.stall = flag(t.alarms, "stall-warning") ? 1 : 0;
    s.overspeed = flag(t.alarms, "overspeed-warning") ? 1 : 0;
    s.innerMarker = flag(t.markers, "inner") ? 1 : 0;
    s.middleMarker = flag(t.markers, "middle") ? 1 : 0;
    s.outerMarker = flag(t.markers, "outer") ? 1 : 0;
    s.locNeedle = Clamp(num(t.nav, "heading-needle-deflection-norm", 0), -1, 1) * 127;
    // FlightGear's needle points up when the aircraft is below the glideslope.
    s.gsNeedle = -Clamp(num(t.nav, "gs-needle-deflection-norm", 0), -1, 1) * 119;
    s.gsAlive = flag(t.nav, "gs-in-range") ? 1 : 0;
    s.autobrake = num(t.autobrake, "step", 0);
    if (t.ai) ApplyTraffic(*t.ai, s);
}

bool ReadFlightGear(Http& http, const std::string& baseUrl, simhost::FlightState& state) {
    auto get = [&](const char* path, int depth) -> std::optional<PropertyTree> {
        const auto body = http.fetch(baseUrl + "/json" + path + "?d=" + std::to_string(depth));
        if (!body) return std::nullopt;
        auto json = ParseJson(*body);
        if (!json) return std::nullopt;
        return PropertyTree(std::move(*json));
    };
    FlightGearTrees t;
    t.position = get("/position", 1);
    if (!t.position) return false;
    t.orientation = get("/orientation", 1);
    t.velocities = get("/velocities", 1);
    t.gear = get("/gear", 2);
    t.surfaces = get("/surface-positions", 1);
    t.markers = get("/instrumentation/marker-beacon", 1);
    t.nav = get("/instrumentation/nav[0]", 1);
    t.airspeed = get("/instrumentation/airspeed-indicator", 1);
    t.alarms = get("/sim/alarms", 1);
    t.autobrake = get("/autopilot/autobrake", 1);
    t.tailhook = get("/gear/tailhook", 1);
    t.ai = get("/ai/models", 3);
    ApplyFlightGear(t, state);
    return true;
}

}  // namespace flenmark::fgbridge
