#include "support/xplane_standin.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <vector>

namespace flenmark::testing {
namespace {

template <typename T>
void Put(std::string& out, T value) {
    out.append(reinterpret_cast<const char*>(&value), sizeof value);
}

template <typename T>
T Get(const char* data) {
    T value;
    std::memcpy(&value, data, sizeof value);
    return value;
}

int LocalSocket(int& port) {
    const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    socklen_t length = sizeof address;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    port = ntohs(address.sin_port);
    return fd;
}

}  // namespace

XPlaneStandIn::XPlaneStandIn(Script script, std::string rrefHeader, std::string rposHeader)
    : script_(std::move(script)),
      rrefHeader_(std::move(rrefHeader)),
      rposHeader_(std::move(rposHeader)) {
    fd_ = LocalSocket(port_);
    thread_ = std::thread([this] { run(); });
}

XPlaneStandIn::~XPlaneStandIn() {
    stop_ = true;
    thread_.join();
    ::close(fd_);
}

void XPlaneStandIn::setGone(bool gone) {
    std::lock_guard<std::mutex> lock(mutex_);
    gone_ = gone;
    if (!gone) subscribed_.clear(), rposPerSecond_ = 0;
}

int XPlaneStandIn::subscriptions() {
    std::lock_guard<std::mutex> lock(mutex_);
    return static_cast<int>(subscribed_.size()) + (rposPerSecond_ > 0 ? 1 : 0);
}

int XPlaneStandIn::cancellations() {
    std::lock_guard<std::mutex> lock(mutex_);
    return cancellations_;
}

void XPlaneStandIn::sendAsStranger(int index, float value) {
    int port = 0;
    const int other = LocalSocket(port);
    std::string datagram = rrefHeader_;
    Put<int32_t>(datagram, index);
    Put<float>(datagram, value);
    std::lock_guard<std::mutex> lock(mutex_);
    ::sendto(other, datagram.data(), datagram.size(), 0,
             reinterpret_cast<const sockaddr*>(client_.data()),
             static_cast<socklen_t>(client_.size()));
    ::close(other);
}

// "RREF\0" freq index path[400], or "RPOS\0" and the frequency as text.
void XPlaneStandIn::take(const char* data, long size, const void* from, unsigned fromSize) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (gone_) return;
    client_.assign(static_cast<const char*>(from), fromSize);
    if (size == 413 && std::memcmp(data, "RREF", 5) == 0) {
        const int perSecond = Get<int32_t>(data + 5);
        const int index = Get<int32_t>(data + 9);
        if (perSecond == 0) {
            cancellations_ += subscribed_.erase(index) ? 1 : 0;
            return;
        }
        subscribed_[index] = std::string(data + 13, strnlen(data + 13, 400));
        perSecond_ = perSecond;
    } else if (size >= 6 && std::memcmp(data, "RPOS", 5) == 0) {
        rposPerSecond_ = std::atoi(std::string(data + 5, static_cast<size_t>(size - 5)).c_str());
        if (rposPerSecond_ == 0) ++cancellations_;
    }
}

void XPlaneStandIn::answer(double seconds) {
    const XPlaneMoment m = script_(seconds);
    std::lock_guard<std::mutex> lock(mutex_);
    if (gone_ || client_.empty()) return;
    auto send = [&](const std::string& datagram) {
        ::sendto(fd_, datagram.data(), datagram.size(), 0,
                 reinterpret_cast<const sockaddr*>(client_.data()),
                 static_cast<socklen_t>(client_.size()));
    };
    std::string datagram = rrefHeader_;
    for (const auto& [index, path] : subscribed_) {
        const auto found = m.datarefs.find(path);
        Put<int32_t>(datagram, index);
        Put<float>(datagram, found == m.datarefs.end() ? 0.0f : found->second);
        if (datagram.size() >= 5 + 8 * 100) send(datagram), datagram = rrefHeader_;
    }
    if (datagram.size() > 5) send(datagram);
    if (rposPerSecond_ == 0) return;
    std::string rpos = rposHeader_;
    for (double d : {m.lonDeg, m.latDeg, m.elevationM}) Put<double>(rpos, d);
    for (float f : {m.aglM, 0.0f, m.headingDeg, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f})
        Put<float>(rpos, f);
    send(rpos);
}

void XPlaneStandIn::run() {
    using Clock = std::chrono::steady_clock;
    auto start = Clock::now();
    auto next = start;
    while (!stop_) {
        char buffer[2048];
        sockaddr_in from{};
        socklen_t length = sizeof from;
        const long n =
            ::recvfrom(fd_, buffer, sizeof buffer, 0, reinterpret_cast<sockaddr*>(&from), &length);
        if (n > 0) {
            take(buffer, n, &from, length);
            continue;
        }
        const auto now = Clock::now();
        if (restart_.exchange(false)) start = now;
        if (now >= next) {
            answer(std::chrono::duration<double>(now - start).count());
            int perSecond = 0;
            {
                std::lock_guard<std::mutex> lock(mutex_);
                perSecond = std::max(perSecond_, rposPerSecond_);
            }
            next = now + std::chrono::milliseconds(perSecond > 0 ? 1000 / perSecond : 50);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

}  // namespace flenmark::testing
