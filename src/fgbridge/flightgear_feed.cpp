#include "fgbridge/flightgear_feed.h"

namespace flenmark::fgbridge {

FlightGearFeed::FlightGearFeed(Reads reads, std::function<void(FlightGearRead)> report,
                               FeedTiming timing)
    : reads_(std::move(reads)),
      report_(std::move(report)),
      timing_(timing),
      aircraftThread_([this] { readAircraft(); }),
      trafficThread_([this] { readTraffic(); }) {}

FlightGearFeed::~FlightGearFeed() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stop_ = true;
    }
    wake_.notify_all();
    aircraftThread_.join();
    trafficThread_.join();
}

void FlightGearFeed::askNow() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        asked_ = true;
    }
    wake_.notify_all();
}

bool FlightGearFeed::take(simhost::FlightState& state, Clock::time_point& readAt) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!fresh_) return false;
    state = latest_;
    readAt = readAt_;
    fresh_ = false;
    return true;
}

void FlightGearFeed::readAircraft() {
    simhost::FlightState state;  // keeps what a reading leaves out (the last position, say)
    std::unique_lock<std::mutex> lock(mutex_);
    while (!stop_) {
        const auto started = Clock::now();
        asked_ = false;
        lock.unlock();
        const FlightGearRead outcome = reads_.aircraft(state);
        report_(outcome);
        lock.lock();
        if (outcome == FlightGearRead::Read) {
            const auto traffic = latest_.traffic;
            latest_ = state;
            latest_.traffic = traffic;
            readAt_ = Clock::now();
            aircraftRead_ = fresh_ = true;
            wake_.notify_all();  // the traffic may begin
        }
        wake_.wait_until(lock, started + timing_.aircraftEvery, [this] { return stop_ || asked_; });
    }
}

void FlightGearFeed::readTraffic() {
    simhost::FlightState state;
    std::unique_lock<std::mutex> lock(mutex_);
    while (!stop_) {
        wake_.wait(lock, [this] { return stop_ || aircraftRead_; });
        if (stop_) return;
        const auto started = Clock::now();
        state.latDeg = latest_.latDeg;
        state.lonDeg = latest_.lonDeg;
        lock.unlock();
        const FlightGearRead outcome = reads_.traffic(state);
        lock.lock();
        if (outcome == FlightGearRead::Read) {
            latest_.traffic = state.traffic;
            fresh_ = true;
        }
        wake_.wait_until(lock, started + timing_.trafficEvery, [this] { return stop_; });
    }
}

}  // namespace flenmark::fgbridge
