#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

#include "fgbridge/flightgear_reader.h"
#include "simhost/flight_state.h"

namespace flenmark::fgbridge {

// How often the feed reads FlightGear, from the start of one reading to the start of the next
// (a reading that takes longer is followed by the next at once). The aircraft twice a tick of
// the recorder, so that every tick finds a reading newer than the one before; the traffic, a
// large answer that FlightGear is slow to make, less often.
struct FeedTiming {
    std::chrono::milliseconds aircraftEvery{500};
    std::chrono::milliseconds trafficEvery{2000};
};

// Reads FlightGear on threads of its own, the aircraft and the traffic apart, so that an
// exchange with the recorder never waits for FlightGear and a slow traffic answer never holds
// up the aircraft; the aircraft also at once when asked.
class FlightGearFeed {
  public:
    using Clock = std::chrono::steady_clock;
    // One reading of FlightGear into the state, and how it went.
    using Read = std::function<FlightGearRead(simhost::FlightState&)>;
    struct Reads {
        Read aircraft;  // what each of the recorder's ticks needs
        Read traffic;   // the aircraft around it, nearest the state's own position first
    };

    // `report` hears how each reading of the aircraft went, on the feed's thread.
    FlightGearFeed(Reads reads, std::function<void(FlightGearRead)> report, FeedTiming timing = {});
    ~FlightGearFeed();
    FlightGearFeed(const FlightGearFeed&) = delete;
    FlightGearFeed& operator=(const FlightGearFeed&) = delete;

    // Reads the aircraft at once (without waiting for the reading).
    void askNow();
    // Copies a reading newer than the last one taken, and when its aircraft was read; false
    // when there is none.
    bool take(simhost::FlightState& state, Clock::time_point& readAt);

  private:
    void readAircraft();
    void readTraffic();

    Reads reads_;
    std::function<void(FlightGearRead)> report_;
    FeedTiming timing_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool stop_ = false;
    bool asked_ = false;
    bool aircraftRead_ = false;  // the traffic is placed around the aircraft
    bool fresh_ = false;
    simhost::FlightState latest_;
    Clock::time_point readAt_{};
    std::thread aircraftThread_;
    std::thread trafficThread_;
};

}  // namespace flenmark::fgbridge
