#include "simhost/scenario.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <optional>
#include <sstream>

#include "base/number_text.h"

namespace flenmark::simhost {
namespace {

bool ReadDouble(const std::string& text, double& out) {
    const auto v = ParseNumber(text);
    if (!v || text.find(',') != std::string::npos) return false;
    out = *v;
    return true;
}

// A whole number as written: decimal with an optional "-", or "0x" hex.
struct Integer {
    bool negative = false;
    bool hex = false;
    uint64_t magnitude = 0;
};

std::optional<Integer> ReadInteger(const std::string& text) {
    Integer v;
    v.hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    v.negative = !v.hex && !text.empty() && text[0] == '-';
    const char* begin = text.data() + (v.hex ? 2 : 0) + (v.negative ? 1 : 0);
    const char* end = text.data() + text.size();
    const auto r = std::from_chars(begin, end, v.magnitude, v.hex ? 16 : 10);
    if (begin == end || r.ec != std::errc() || r.ptr != end) return std::nullopt;
    return v;
}

// True when the number fits a field of `bits` bits; hex gives the bit pattern of either kind.
bool Fits(const Integer& v, int bits, bool isSigned) {
    const uint64_t unsignedMax = bits == 64 ? UINT64_MAX : (uint64_t{1} << bits) - 1;
    if (v.hex || (!isSigned && !v.negative)) return !v.negative && v.magnitude <= unsignedMax;
    if (!isSigned) return v.magnitude == 0;
    const uint64_t half = uint64_t{1} << (bits - 1);
    return v.negative ? v.magnitude <= half : v.magnitude < half;
}

template <class T>
std::vector<uint8_t> Bytes(T value) {
    std::vector<uint8_t> b(sizeof value);
    std::memcpy(b.data(), &value, sizeof value);
    return b;
}

// The bytes of a poke; false with `error` set for a bad type or a value it cannot hold.
bool PokeBytes(const std::string& type, const std::string& text, std::vector<uint8_t>& out,
               std::string& error) {
    if (type == "f32" || type == "f64") {
        double d = 0;
        if (!ReadDouble(text, d)) return error = "bad poke value " + text, false;
        if (type == "f32" && std::fabs(d) > std::numeric_limits<float>::max())
            return error = "poke value " + text + " is out of range for f32", false;
        out = type == "f32" ? Bytes(static_cast<float>(d)) : Bytes(d);
        return true;
    }
    static const std::pair<const char*, int> kTypes[] = {{"u8", 8},   {"i8", 8},   {"u16", 16},
                                                         {"i16", 16}, {"u32", 32}, {"i32", 32},
                                                         {"u64", 64}, {"i64", 64}};
    int bits = 0;
    for (const auto& [name, size] : kTypes)
        if (type == name) bits = size;
    if (bits == 0) return error = "bad poke type " + type, false;
    const auto v = ReadInteger(text);
    if (!v) return error = "bad poke value " + text, false;
    if (!Fits(*v, bits, type[0] == 'i'))
        return error = "poke value " + text + " is out of range for " + type, false;
    const uint64_t pattern = v->negative ? uint64_t{0} - v->magnitude : v->magnitude;
    const auto all = Bytes(pattern);  // little-endian: the low bytes come first
    out.assign(all.begin(), all.begin() + bits / 8);
    return true;
}

bool OutOfRange(const std::string& what, double value, double low, double high,
                std::string& error) {
    if (value >= low && value <= high) return false;
    std::ostringstream text;
    text << what << " " << value << " is out of range (" << low << " to " << high << ")";
    error = text.str();
    return true;
}

bool ParseTraffic(std::istringstream& in, ScenarioEvent& e, std::string& error) {
    if (!(in >> e.slot) || e.slot < 0 || e.slot > 39)
        return error = "traffic slot must be 0..39", false;
    std::string word;
    while (in >> word) {
        const size_t eq = word.find('=');
        const std::string key = word.substr(0, eq);
        std::string value = eq == std::string::npos ? "" : word.substr(eq + 1);
        if (key == "callsign") {
            std::string rest;
            std::getline(in, rest);
            e.aircraft.callsign = Trim(value + rest);
            return true;
        }
        double v = 0;
        if (!ReadDouble(value, v)) return error = "bad value in " + word, false;
        TrafficAircraft& a = e.aircraft;
        struct Key {
            const char* name;
            double low, high;
            double TrafficAircraft::*member;
        };
        static const Key kKeys[] = {{"lat", -90, 90, &TrafficAircraft::latDeg},
                                    {"lon", -180, 180, &TrafficAircraft::lonDeg},
                                    {"alt", -1e6, 1e6, &TrafficAircraft::altFt},
                                    {"hdg", -1e6, 1e6, &TrafficAircraft::headingDeg},
                                    {"gs", -32767, 32767, &TrafficAircraft::groundSpeedKt},
                                    {"vs", -32767, 32767, &TrafficAircraft::verticalSpeedFpm}};
        if (key == "id") {
            // A slot's id is a whole 32-bit number.
            if (v != std::floor(v))
                return error = "id " + value + " is out of range (whole numbers only)", false;
            if (OutOfRange("id", v, 0, 2147483647, error)) return false;
            a.id = static_cast<int32_t>(v);
            continue;
        }
        const Key* found = nullptr;
        for (const Key& k : kKeys)
            if (key == k.name) found = &k;
        if (!found) return error = "unknown traffic key " + key, false;
        if (OutOfRange(key, v, found->low, found->high, error)) return false;
        a.*(found->member) = v;
    }
    return true;
}

bool ParseCommand(std::istringstream& in, const std::string& command, ScenarioEvent& e,
                  std::string& error) {
    using K = ScenarioEvent::Kind;
    FlightState probe;
    if (command == "end") {
        e.kind = K::End;
        return true;
    }
    if (command == "aircraft") {
        e.kind = K::Aircraft;
        std::getline(in, e.title);
        e.title = Trim(e.title);
        if (e.title.size() > 255) return error = "aircraft titles hold 255 characters", false;
        return true;
    }
    if (command == "traffic") {
        e.kind = K::Traffic;
        return ParseTraffic(in, e, error);
    }
    std::string a, b, c;
    if (command == "poke") {
        e.kind = K::Poke;
        if (!(in >> a >> b >> c)) return error = "poke needs OFFSET TYPE VALUE", false;
        const auto offset = ReadInteger(a);
        if (!offset || offset->negative || offset->magnitude > 0xFFFF)
            return error = "poke needs OFFSET TYPE VALUE with an offset up to 0xFFFF", false;
        e.offset = static_cast<uint32_t>(offset->magnitude);
        if (!PokeBytes(b, c, e.bytes, error)) return false;
        if (e.offset + e.bytes.size() > OffsetTable::kSize)
            return error = "poke past the table", false;
        return true;
    }
    if (command == "set" || command == "ramp") {
        e.kind = command == "set" ? K::Set : K::Ramp;
        if (!(in >> e.quantity >> a) || !Quantity(probe, e.quantity) || !ReadDouble(a, e.value))
            return error = command + " needs a known quantity and a value", false;
        const auto [low, high] = QuantityRange(e.quantity);
        if (OutOfRange(e.quantity, e.value, low, high, error)) return false;
        if (e.kind == K::Ramp &&
            (!(in >> b >> c) || b != "over" || !ReadDouble(c, e.overSeconds) || e.overSeconds <= 0))
            return error = "ramp needs 'over SECONDS'", false;
        return true;
    }
    return error = "unknown command " + command, false;
}

}  // namespace

bool ParseScenario(const std::string& text, Scenario& scenario, std::string& error) {
    std::istringstream lines(text);
    std::string line;
    int number = 0;
    while (std::getline(lines, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::string trimmed = Trim(line);
        if (trimmed.empty() || trimmed[0] == '#') continue;
        std::istringstream in(trimmed);
        std::string at, seconds, command;
        ScenarioEvent e;
        std::string what;
        if (!(in >> at >> seconds >> command) || at != "at" || !ReadDouble(seconds, e.atSeconds) ||
            e.atSeconds < 0) {
            what = "expected 'at SECONDS COMMAND ...'";
        } else {
            ParseCommand(in, command, e, what);
        }
        if (!what.empty()) {
            error = "line " + std::to_string(number) + ": " + what;
            return false;
        }
        scenario.events.push_back(std::move(e));
    }
    std::stable_sort(
        scenario.events.begin(), scenario.events.end(),
        [](const ScenarioEvent& x, const ScenarioEvent& y) { return x.atSeconds < y.atSeconds; });
    return true;
}

ScenarioPlayer::ScenarioPlayer(Scenario scenario, OffsetTable& table)
    : scenario_(std::move(scenario)), table_(table) {
    advanceTo(0);
}

void ScenarioPlayer::apply(const ScenarioEvent& e) {
    using K = ScenarioEvent::Kind;
    switch (e.kind) {
        case K::Poke:
            pokes_.emplace_back(e.offset, e.bytes);
            break;
        case K::Traffic:
            state_.traffic[e.slot] = e.aircraft;
            break;
        case K::Aircraft:
            state_.aircraftTitle = e.title;
            break;
        case K::End:
            endReached_ = true;
            break;
        case K::Set: {
            double* q = Quantity(state_, e.quantity);
            std::erase_if(ramps_, [&](const Ramp& r) { return r.target == q; });
            *q = e.value;
            break;
        }
        case K::Ramp: {
            double* q = Quantity(state_, e.quantity);
            std::erase_if(ramps_, [&](const Ramp& r) { return r.target == q; });
            ramps_.push_back({q, *q, e.value, e.atSeconds, e.overSeconds});
            break;
        }
    }
}

void ScenarioPlayer::step(double seconds) {
    now_ += seconds;
    for (const Ramp& r : ramps_) {
        const double f = std::clamp((now_ - r.start) / r.duration, 0.0, 1.0);
        *r.target = r.from + (r.to - r.from) * f;
    }
    std::erase_if(ramps_, [&](const Ramp& r) { return now_ >= r.start + r.duration; });
    state_.advance(seconds);
}

void ScenarioPlayer::advanceTo(double seconds) {
    while (!endReached_) {
        while (next_ < scenario_.events.size() && scenario_.events[next_].atSeconds <= now_ &&
               !endReached_)
            apply(scenario_.events[next_++]);
        if (now_ >= seconds) break;
        double until = seconds;
        if (next_ < scenario_.events.size())
            until = std::min(until, scenario_.events[next_].atSeconds);
        const double target = until;
        step(std::min(target - now_, 0.25));
        if (target - now_ < 1e-9) now_ = target;  // land exactly on event times
    }
    state_.writeTo(table_);
    for (const auto& [offset, bytes] : pokes_)
        table_.write(offset, static_cast<uint32_t>(bytes.size()), bytes.data());
}

}  // namespace flenmark::simhost
