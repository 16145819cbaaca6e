#pragma once

#include <string>

#include "fgbridge/json_value.h"
#include "simhost/flight_state.h"

namespace flenmark {
class Http;
}

namespace flenmark::fgbridge {

// A subtree of FlightGear's property tree as its HTTP server returns it ("/json/<path>?d=N").
class PropertyTree {
  public:
    explicit PropertyTree(JsonValue root) : root_(std::move(root)) {}
    // The value at a path below the root ("gear[1]/wow"); nullptr when missing.
    const JsonValue* find(const std::string& path) const;
    double number(const std::string& path, double missing) const;
    bool flag(const std::string& path) const;
    std::string text(const std::string& path) const;
    // The children of the root named `name` (every index).
    std::vector<PropertyTree> children(const std::string& name) const;

  private:
    JsonValue root_;
};

// How a reading of FlightGear went.
enum class FlightGearRead {
    Read,           // the state holds it
    NoAnswer,       // nothing answered at the address
    NotFlightGear,  // something answered, but not with FlightGear's property tree
};

// Reads the aircraft and up to 40 AI or multiplayer aircraft (nearest first) from FlightGear
// into the state. The last airborne vertical speed is held from the moment of touchdown.
FlightGearRead ReadFlightGear(Http& http, const std::string& baseUrl, simhost::FlightState& state);

// The same from property trees already fetched (tests, and the reader above).
struct FlightGearTrees {
    std::optional<PropertyTree> position, orientation, velocities, gear, surfaces, markers, nav,
        airspeed, alarms, autobrake, tailhook, ai;
};
void ApplyFlightGear(const FlightGearTrees& trees, simhost::FlightState& state);

}  // namespace flenmark::fgbridge
