#pragma once

#include <atomic>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace flenmark::testing {

// The vendor's web server as tests need it: HTTP on 127.0.0.1 at a free port, serving the
// bodies it was given by path, 404 otherwise, and recording every request target.
class VendorServer {
  public:
    VendorServer();
    ~VendorServer();
    void serve(const std::string& path, const std::string& body);
    // Answers `path` with these bytes as they stand (status line and headers included).
    void serveRaw(const std::string& path, const std::string& answer);
    std::string baseUrl() const { return "http://127.0.0.1:" + std::to_string(port_); }
    std::vector<std::string> requests() const;
    // A server that is down closes every connection without an answer.
    void setDown(bool down) { down_ = down; }
    // Answers in chunks and keeps the connection open, as FlightGear's server does.
    void setChunked(bool chunked) { chunked_ = chunked; }

  private:
    void loop();
    void answer(int fd);

    int listener_ = -1;
    int port_ = 0;
    std::atomic<bool> stop_{false};
    std::atomic<bool> down_{false};
    std::atomic<bool> chunked_{false};
    mutable std::mutex mutex_;
    std::map<std::string, std::string> bodies_;
    std::map<std::string, std::string> raw_;
    std::vector<std::string> requests_;
    std::thread thread_;
};

}  // namespace flenmark::testing
