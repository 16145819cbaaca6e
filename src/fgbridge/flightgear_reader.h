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
    // The value at a path below the root ("gear[1]/wow"), or the root's own value for an empty
    // path; nullptr when missing.
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
    Starting,       // FlightGear answered, but its flight model is not initialised yet
};

// Reads the aircraft from FlightGear into the state, once FlightGear's flight model is
// initialised (before, its aircraft is a placeholder). The last airborne vertical speed is held
// from the moment of touchdown.
FlightGearRead ReadFlightGear(Http& http, const std::string& baseUrl, simhost::FlightState& state);
// Reads up to 40 AI or multiplayer aircraft into the state's traffic, nearest to the state's
// own position first.
FlightGearRead ReadFlightGearTraffic(Http& http, const std::string& baseUrl,
                                     simhost::FlightState& state);

// The same from property trees already fetched (tests, and the readers above).
struct FlightGearTrees {
    std::optional<PropertyTree> position, orientation, velocities, gear, surfaces, controls,
        markers, nav, airspeed, alarms, autobrake, tailhook, ai, description;
};
void ApplyFlightGear(const FlightGearTrees& trees, simhost::FlightState& state);

}  // namespace flenmark::fgbridge
