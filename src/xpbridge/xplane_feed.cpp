#include "xpbridge/xplane_feed.h"

#include <thread>

#include "xpbridge/xplane_datagrams.h"

namespace flenmark::xpbridge {

// Requests go out in batches of 50 about a frame of X-Plane's apart: a burst of hundreds would
// overflow its socket's buffer between two frames and lose some.
void XPlaneFeed::ask(int perSecond) {
    int sent = 0;
    for (const Dataref& d : Datarefs()) {
        peer_.send(RrefRequest(perSecond, d.index, d.path));
        if (++sent % 50 == 0) std::this_thread::sleep_for(std::chrono::milliseconds(15));
    }
    peer_.send(RposRequest(perSecond));
}

void XPlaneFeed::subscribe(Clock::time_point now) {
    ask(perSecond_);
    asked_ = now;
}

void XPlaneFeed::cancel() {
    ask(0);
}

bool XPlaneFeed::drain(Clock::time_point now) {
    bool news = false;
    for (std::vector<uint8_t> d = peer_.receive(); !d.empty(); d = peer_.receive()) {
        bool taken = false;
        if (const auto values = ParseRref(d)) {
            for (const RrefValue& v : *values) {
                const bool took = values_.take(v);
                taken = taken || took;
                ignoredValues_ += took ? 0 : 1;
            }
        } else if (const auto fix = ParseRpos(d)) {
            taken = values_.takePosition(*fix);
        }
        if (!taken) {
            ++ignoredDatagrams_;
            continue;
        }
        news = true;
        heard_ = now;
        everHeard_ = true;
    }
    return news;
}

bool XPlaneFeed::live(Clock::time_point now) const {
    return everHeard_ && values_.position() && now - heard_ < kSilenceLimit;
}

bool XPlaneFeed::keepAsking(Clock::time_point now) {
    if (live(now) || now - asked_ < kResubscribeEvery) return false;
    subscribe(now);
    return true;
}

}  // namespace flenmark::xpbridge
