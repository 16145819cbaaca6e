#include "fgbridge/flightgear_reader.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "base/geodesy.h"
#include "base/number_text.h"
#include "platform/http.h"

namespace flenmark::fgbridge {
namespace {

constexpr int kNoIndex = -1;

// "gear[1]" -> name "gear", index 1.
std::pair<std::string, int> Step(const std::string& part) {
    const size_t open = part.find('[');
    if (open == std::string::npos) return {part, 0};
    int index = kNoIndex;
    const char* first = part.c_str() + open + 1;
    const auto r = std::from_chars(first, part.c_str() + part.size(), index);
    if (r.ec != std::errc() || index < 0) index = kNoIndex;
    return {part.substr(0, open), index};
}

int IndexOf(const JsonValue& node) {
    const JsonValue* index = node.member("index");
    if (!index || index->kind != JsonValue::Kind::Number) return 0;
    const double n = index->number;
    return n >= 0 && n <= 1e6 && n == std::floor(n) ? static_cast<int>(n) : kNoIndex;
}

// A value FlightGear sent, when it lies in the range its offset can hold; `missing` otherwise.
double Within(double value, double low, double high, double missing) {
    return value >= low && value <= high ? value : missing;
}

const JsonValue* Child(const JsonValue& node, const std::string& name, int index) {
    const JsonValue* children = node.member("children");
    if (!children) return nullptr;
    for (const JsonValue& c : children->items) {
        const JsonValue* n = c.member("name");
        if (n && n->text == name && index != kNoIndex && IndexOf(c) == index) return &c;
    }
    return nullptr;
}

constexpr double kMissing = 1e300;
constexpr double kAutobrakeOff = 1;  // an aircraft without an autobrake; 0 would read RTO

double Clamp(double v, double low, double high) {
    return std::min(std::max(v, low), high);
}

void ApplyTraffic(const PropertyTree& ai, simhost::FlightState& s) {
    std::vector<simhost::TrafficAircraft> seen;
    for (const char* kind : {"aircraft", "multiplayer"}) {
        for (const PropertyTree& a : ai.children(kind)) {
            if (a.find("valid") && !a.flag("valid")) continue;
            simhost::TrafficAircraft t;
            const double id = a.number("id", 0);
            t.id =
                id >= 1 && id <= 2147483647 && id == std::floor(id) ? static_cast<int32_t>(id) : 0;
            t.callsign = a.text("callsign");
            // Without a position it could be drawn anywhere: such an aircraft is left out.
            t.latDeg = Within(a.number("position/latitude-deg", 0), -90, 90, kMissing);
            t.lonDeg = Within(a.number("position/longitude-deg", 0), -180, 180, kMissing);
            if (t.latDeg == kMissing || t.lonDeg == kMissing) continue;
            t.altFt = Within(a.number("position/altitude-ft", 0), -1e6, 1e6, 0);
            t.headingDeg = Within(a.number("orientation/true-heading-deg", 0), -1e6, 1e6, 0);
            t.groundSpeedKt = Within(a.number("velocities/true-airspeed-kt", 0), -32767, 32767, 0);
            t.verticalSpeedFpm =
                Within(a.number("velocities/vertical-speed-fps", 0) * 60, -32767, 32767, 0);
            if (t.id == 0) t.id = static_cast<int32_t>(seen.size() + 1);  // an empty slot has id 0
            seen.push_back(t);
        }
    }
    simhost::PlaceNearestTraffic(std::move(seen), s);
}

}  // namespace

const JsonValue* PropertyTree::find(const std::string& path) const {
    if (path.empty()) return root_.member("value");
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
    if (v->kind == JsonValue::Kind::String) return ParseNumber(v->text).value_or(missing);
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
    // Out of range is missing: the last position, 0 for the rest.
    s.latDeg = Within(num(t.position, "latitude-deg", s.latDeg), -90, 90, s.latDeg);
    s.lonDeg = Within(num(t.position, "longitude-deg", s.lonDeg), -180, 180, s.lonDeg);
    s.altFt = Within(num(t.position, "altitude-ft", s.altFt), -1e6, 1e6, s.altFt);
    s.groundElevationFt = Within(num(t.position, "ground-elev-ft", 0), -1e5, 1e5, 0);
    s.headingDeg = Within(num(t.orientation, "heading-deg", 0), -1e6, 1e6, 0);
    s.groundSpeedKt = Within(num(t.velocities, "groundspeed-kt", 0), -1e4, 1e4, 0);
    s.verticalSpeedFpm = Within(num(t.velocities, "vertical-speed-fps", 0) * 60, -1e5, 1e5, 0);
    bool onGround = false;
    for (int i = 0; i < 8; ++i)
        onGround = onGround || flag(t.gear, "gear[" + std::to_string(i) + "]/wow");
    if (!onGround) s.lastAirVerticalSpeedFpm = s.verticalSpeedFpm;  // held from touchdown on
    s.onGround = onGround ? 1 : 0;
    s.gear = Clamp(num(t.gear, "gear[0]/position-norm", 1), 0, 1);
    // The lever, as a cockpit's flaps setting is: the flaps themselves take seconds to follow.
    const double flapsMoving = num(t.surfaces, "flap-pos-norm", 0);
    s.flapsPct = Clamp(num(t.controls, "flaps", flapsMoving), 0, 1) * 100;
    s.spoilers = Clamp(
        std::max(num(t.surfaces, "spoiler-pos-norm", 0), num(t.surfaces, "speedbrake-pos-norm", 0)),
        0, 1);
    const double airspeed = Within(num(t.velocities, "airspeed-kt", 0), -1e4, 1e4, 0);
    s.iasKt = Within(num(t.airspeed, "indicated-speed-kt", airspeed), -1e4, 1e4, airspeed);
    s.tasKt = Within(num(t.airspeed, "true-speed-kt", airspeed), -1e4, 1e4, airspeed);
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
    s.autobrake = Within(num(t.autobrake, "step", kAutobrakeOff), 0, 255, kAutobrakeOff);
    // The aircraft's name as FlightGear describes it ("Cessna 172P Skyhawk (1982 model)").
    if (t.description) s.aircraftTitle = t.description->text("").substr(0, 255);
    if (t.ai) ApplyTraffic(*t.ai, s);
}

namespace {

// Fetches property subtrees from FlightGear's server, noting whether anything answered.
struct TreeFetch {
    Http& http;
    const std::string& baseUrl;
    bool answered = false;

    std::optional<PropertyTree> operator()(const char* path, int depth) {
        const auto body = http.fetch(baseUrl + "/json" + path + "?d=" + std::to_string(depth));
        if (!body) return std::nullopt;
        answered = true;
        auto json = ParseJson(*body);
        if (!json) return std::nullopt;
        return PropertyTree(std::move(*json));
    }
    FlightGearRead missing() const {
        return answered ? FlightGearRead::NotFlightGear : FlightGearRead::NoAnswer;
    }
};

}  // namespace

FlightGearRead ReadFlightGear(Http& http, const std::string& baseUrl, simhost::FlightState& state) {
    TreeFetch get{http, baseUrl};
    FlightGearTrees t;
    t.position = get("/position", 1);
    if (!t.position || !t.position->find("latitude-deg")) return get.missing();
    const auto initialised = get("/sim/fdm-initialized", 0);
    if (!initialised || !initialised->flag("")) return FlightGearRead::Starting;
    t.orientation = get("/orientation", 1);
    t.velocities = get("/velocities", 1);
    t.gear = get("/gear", 2);
    t.surfaces = get("/surface-positions", 1);
    t.controls = get("/controls/flight", 1);
    t.markers = get("/instrumentation/marker-beacon", 1);
    t.nav = get("/instrumentation/nav[0]", 1);
    t.airspeed = get("/instrumentation/airspeed-indicator", 1);
    t.alarms = get("/sim/alarms", 1);
    t.autobrake = get("/autopilot/autobrake", 1);
    t.tailhook = get("/gear/tailhook", 1);
    t.description = get("/sim/description", 0);
    ApplyFlightGear(t, state);
    return FlightGearRead::Read;
}

FlightGearRead ReadFlightGearTraffic(Http& http, const std::string& baseUrl,
                                     simhost::FlightState& state) {
    TreeFetch get{http, baseUrl};
    const auto ai = get("/ai/models", 3);
    if (!ai) return get.missing();
    ApplyTraffic(*ai, state);
    return FlightGearRead::Read;
}

}  // namespace flenmark::fgbridge
