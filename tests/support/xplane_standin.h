#pragma once

#include <atomic>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <thread>

namespace flenmark::testing {

// What X-Plane shows at a moment of a scripted flight: dataref values by path ("...[3]" for
// an element) and the RPOS position. A subscribed dataref missing here reads 0.
struct XPlaneMoment {
    std::map<std::string, float> datarefs;
    double lonDeg = 0, latDeg = 0, elevationM = 0;
    float aglM = 0, headingDeg = 0;
};

// X-Plane's UDP data interface for tests, on a free port of 127.0.0.1: it takes RREF and RPOS
// requests and answers them the way X-Plane does, from a script of the flight (seconds since
// the stand-in started, or restartClock, to the moment). Frequency 0 cancels a subscription.
class XPlaneStandIn {
  public:
    using Script = std::function<XPlaneMoment(double seconds)>;
    // `rrefHeader` and `rposHeader` are the five bytes that start an answer, which differ
    // between X-Plane versions.
    explicit XPlaneStandIn(Script script, std::string rrefHeader = std::string("RREF,", 5),
                           std::string rposHeader = std::string("RPOS4", 5));
    ~XPlaneStandIn();
    XPlaneStandIn(const XPlaneStandIn&) = delete;
    XPlaneStandIn& operator=(const XPlaneStandIn&) = delete;

    int port() const { return port_; }
    // Starts the script's clock again from 0.
    void restartClock() { restart_ = true; }
    std::string address() const { return "127.0.0.1:" + std::to_string(port_); }
    // Stops answering and taking requests, as an X-Plane that went away; back with false,
    // forgetting every subscription, as a restarted X-Plane.
    void setGone(bool gone);
    // Subscriptions now held, and cancellations received so far.
    int subscriptions();
    int cancellations();
    // From another socket, sends the bridge (the source of the last request) an RREF answer
    // with this index and value, as a stranger on the network would.
    void sendAsStranger(int index, float value);

  private:
    void run();
    void take(const char* data, long size, const void* from, unsigned fromSize);
    void answer(double seconds);

    Script script_;
    std::string rrefHeader_, rposHeader_;
    int fd_ = -1;
    int port_ = 0;
    std::mutex mutex_;
    std::map<int, std::string> subscribed_;  // index -> path
    int rposPerSecond_ = 0;
    int perSecond_ = 0;
    int cancellations_ = 0;
    bool gone_ = false;
    std::string client_;  // the sockaddr of the bridge
    std::atomic<bool> stop_{false};
    std::atomic<bool> restart_{false};
    std::thread thread_;
};

}  // namespace flenmark::testing
