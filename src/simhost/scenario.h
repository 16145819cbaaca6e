#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "simhost/flight_state.h"
#include "simhost/offset_table.h"

namespace flenmark::simhost {

// One timed command of a scenario.
struct ScenarioEvent {
    enum class Kind { Poke, Traffic, End, Set, Ramp, Aircraft };
    double atSeconds = 0;
    Kind kind = Kind::Set;
    // Poke
    uint32_t offset = 0;
    std::vector<uint8_t> bytes;
    // Aircraft: the title the simulator gives its aircraft
    std::string title;
    // Traffic
    int slot = 0;
    TrafficAircraft aircraft;
    // Set and Ramp
    std::string quantity;
    double value = 0;
    double overSeconds = 0;
};

struct Scenario {
    std::vector<ScenarioEvent> events;  // in time order (stable for equal times)
    double endSeconds() const { return events.empty() ? 0 : events.back().atSeconds; }
};

// Parses a timeline. False with "line N: what" in `error` for a line it cannot read.
bool ParseScenario(const std::string& text, Scenario& scenario, std::string& error);

// The built-in circuit that shows every flight event.
const std::string& DefaultScenarioText();

// Plays a scenario against a flight state and writes the result into the offset table.
class ScenarioPlayer {
  public:
    ScenarioPlayer(Scenario scenario, OffsetTable& table);

    // Moves the scenario clock on to `seconds`, applying the events due on the way.
    void advanceTo(double seconds);
    bool endReached() const { return endReached_; }
    bool allPlayed() const { return next_ >= scenario_.events.size(); }
    double now() const { return now_; }
    const FlightState& state() const { return state_; }

  private:
    struct Ramp {
        double* target;
        double from;
        double to;
        double start;
        double duration;
    };
    void apply(const ScenarioEvent& e);
    void step(double seconds);

    Scenario scenario_;
    OffsetTable& table_;
    FlightState state_;
    std::vector<Ramp> ramps_;
    std::vector<std::pair<uint32_t, std::vector<uint8_t>>> pokes_;
    size_t next_ = 0;
    double now_ = 0;
    bool endReached_ = false;
};

}  // namespace flenmark::simhost
