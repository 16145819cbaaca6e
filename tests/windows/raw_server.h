#pragma once

#include <winsock2.h>

#include <algorithm>
#include <atomic>
#include <map>
#include <string>
#include <thread>

namespace flenmark::testing {

// Answers each request with the raw answer given for its path, 404 otherwise; counts requests.
class RawServer {
  public:
    explicit RawServer(std::map<std::string, std::string> answers) : answers_(std::move(answers)) {
        WSADATA data;
        WSAStartup(MAKEWORD(2, 2), &data);
        listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        sockaddr_in at{};
        at.sin_family = AF_INET;
        at.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        bind(listener_, reinterpret_cast<sockaddr*>(&at), sizeof at);
        int size = sizeof at;
        getsockname(listener_, reinterpret_cast<sockaddr*>(&at), &size);
        port_ = ntohs(at.sin_port);
        listen(listener_, 8);
        thread_ = std::thread([this] { serve(); });
    }
    ~RawServer() {
        stop_ = true;
        closesocket(listener_);
        thread_.join();
        WSACleanup();
    }
    std::string url(const std::string& path) const {
        return "http://127.0.0.1:" + std::to_string(port_) + path;
    }
    int requests() const { return requests_; }

  private:
    void serve() {
        while (!stop_) {
            SOCKET s = accept(listener_, nullptr, nullptr);
            if (s == INVALID_SOCKET) return;
            std::string request;
            char buffer[4096];
            int n = 0;
            while (request.find("\r\n\r\n") == std::string::npos &&
                   (n = recv(s, buffer, sizeof buffer, 0)) > 0)
                request.append(buffer, static_cast<size_t>(n));
            ++requests_;
            const std::string path = request.substr(4, request.find(' ', 4) - 4);
            const auto found = answers_.find(path);
            const std::string answer = found != answers_.end()
                                           ? found->second
                                           : "HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\n\r\n";
            for (size_t at = 0; at < answer.size();) {
                const int sent =
                    send(s, answer.data() + at,
                         static_cast<int>(std::min<size_t>(answer.size() - at, 65536)), 0);
                if (sent <= 0) break;
                at += static_cast<size_t>(sent);
            }
            shutdown(s, SD_SEND);
            closesocket(s);
        }
    }
    std::map<std::string, std::string> answers_;
    SOCKET listener_;
    int port_ = 0;
    std::atomic<bool> stop_{false};
    std::atomic<int> requests_{0};
    std::thread thread_;
};

}  // namespace flenmark::testing
