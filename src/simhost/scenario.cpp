#include "simhost/scenario.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <sstream>

#include "app/number_text.h"

namespace flenmark::simhost {
namespace {

bool ReadDouble(const std::string& text, double& out) {
    const auto v = ParseNumber(text);
    if (!v || text.find(',') != std::string::npos) return false;
    out = *v;
    return true;
}

bool ReadInteger(const std::string& text, int64_t& out) {
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const bool negative = !hex && !text.empty() && text[0] == '-';
    const char* begin = text.data() + (hex ? 2 : 0);
    const char* end = text.data() + text.size();
    uint64_t magnitude = 0;
    const auto r = std::from_chars(begin + (negative ? 1 : 0), end, magnitude, hex ? 16 : 10);
    if (r.ec != std::errc() || r.ptr != end) return false;
    out = negative ? -static_cast<int64_t>(magnitude) : static_cast<int64_t>(magnitude);
    return true;
}

template <class T>
std::vector<uint8_t> Bytes(T value) {
    std::vector<uint8_t> b(sizeof value);
    std::memcpy(b.data(), &value, sizeof value);
    return b;
}

bool PokeBytes(const std::string& type, const std::string& text, std::vector<uint8_t>& out) {
    double d = 0;
    int64_t i = 0;
    if (type == "f32" || type == "f64") {
        if (!ReadDouble(text, d)) return false;
        out = type == "f32" ? Bytes(static_cast<float>(d)) : Bytes(d);
        return true;
    }
    if (!ReadInteger(text, i)) return false;
    if (type == "u8" || type == "i8")
        out = Bytes(static_cast<uint8_t>(i));
    else if (type == "u16" || type == "i16")
        out = Bytes(static_cast<uint16_t>(i));
    else if (type == "u32" || type == "i32")
        out = Bytes(static_cast<uint32_t>(i));
    else if (type == "u64" || type == "i64")
        out = Bytes(static_cast<uint64_t>(i));
    else
        return false;
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
        if (key == "id")
            a.id = static_cast<int32_t>(v);
        else if (key == "lat")
            a.latDeg = v;
        else if (key == "lon")
            a.lonDeg = v;
        else if (key == "alt")
            a.altFt = v;
        else if (key == "hdg")
            a.headingDeg = v;
        else if (key == "gs")
            a.groundSpeedKt = v;
        else if (key == "vs")
            a.verticalSpeedFpm = v;
        else
            return error = "unknown traffic key " + key, false;
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
    if (command == "traffic") {
        e.kind = K::Traffic;
        return ParseTraffic(in, e, error);
    }
    std::string a, b, c;
    if (command == "poke") {
        e.kind = K::Poke;
        int64_t offset = 0;
        if (!(in >> a >> b >> c) || !ReadInteger(a, offset) || offset < 0 || offset > 0xFFFF)
            return error = "poke needs OFFSET TYPE VALUE", false;
        e.offset = static_cast<uint32_t>(offset);
        if (!PokeBytes(b, c, e.bytes)) return error = "bad poke type or value", false;
        if (e.offset + e.bytes.size() > OffsetTable::kSize)
            return error = "poke past the table", false;
        return true;
    }
    if (command == "set" || command == "ramp") {
        e.kind = command == "set" ? K::Set : K::Ramp;
        if (!(in >> e.quantity >> a) || !Quantity(probe, e.quantity) || !ReadDouble(a, e.value))
            return error = command + " needs a known quantity and a value", false;
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
