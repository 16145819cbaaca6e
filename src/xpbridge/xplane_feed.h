#pragma once

#include <chrono>
#include <string>

#include "xpbridge/udp_peer.h"
#include "xpbridge/xplane_datarefs.h"

namespace flenmark::xpbridge {

// The conversation with X-Plane: subscribing, taking its answers into the values, telling
// whether it is live, subscribing again while it is silent, cancelling at the end.
class XPlaneFeed {
  public:
    using Clock = std::chrono::steady_clock;
    static constexpr auto kSilenceLimit = std::chrono::seconds(3);
    static constexpr auto kResubscribeEvery = std::chrono::seconds(2);

    XPlaneFeed(UdpPeer& peer, int perSecond) : peer_(peer), perSecond_(perSecond) {}

    // Asks for every value and the position at the feed's rate.
    void subscribe(Clock::time_point now);
    // Asks X-Plane to stop sending (frequency 0).
    void cancel();
    // Takes every datagram waiting; true when one of them brought values.
    bool drain(Clock::time_point now);
    // X-Plane answered within the last 3 seconds, and its position is known.
    bool live(Clock::time_point now) const;
    // While X-Plane is silent, subscribes again every 2 seconds. True when it did.
    bool keepAsking(Clock::time_point now);

    const XPlaneValues& values() const { return values_; }
    // Datagrams left out (not X-Plane's, damaged, or holding nothing that could be true), and
    // values left out of datagrams otherwise taken.
    long ignoredDatagrams() const { return ignoredDatagrams_ + peer_.strangers(); }
    long ignoredValues() const { return ignoredValues_; }

  private:
    void ask(int perSecond);

    UdpPeer& peer_;
    int perSecond_;
    XPlaneValues values_;
    Clock::time_point heard_{};
    Clock::time_point asked_{};
    bool everHeard_ = false;
    long ignoredDatagrams_ = 0;
    long ignoredValues_ = 0;
};

}  // namespace flenmark::xpbridge
