#include "support/vendor_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdio>

namespace flenmark::testing {

VendorServer::VendorServer() {
    listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    ::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address);
    ::listen(listener_, 16);
    socklen_t size = sizeof address;
    ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size);
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] { loop(); });
}

VendorServer::~VendorServer() {
    stop_ = true;
    thread_.join();
    ::close(listener_);
}

void VendorServer::serve(const std::string& path, const std::string& body) {
    std::lock_guard<std::mutex> lock(mutex_);
    bodies_[path] = body;
}

void VendorServer::serveRaw(const std::string& path, const std::string& answer) {
    std::lock_guard<std::mutex> lock(mutex_);
    raw_[path] = answer;
}

std::vector<std::string> VendorServer::requests() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return requests_;
}

void VendorServer::loop() {
    while (!stop_) {
        pollfd p{listener_, POLLIN, 0};
        if (::poll(&p, 1, 50) <= 0) continue;
        const int fd = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd >= 0 && down_)
            ::close(fd);
        else if (fd >= 0)
            answer(fd);
    }
}

void VendorServer::answer(int fd) {
    std::string request;
    char buffer[4096];
    while (request.find("\r\n\r\n") == std::string::npos) {
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, 2000) <= 0) break;
        const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
        if (n <= 0) break;
        request.append(buffer, static_cast<size_t>(n));
    }
    const size_t start = request.find(' ') + 1;
    const std::string target = request.substr(start, request.find(' ', start) - start);
    std::string body;
    bool found = false;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        requests_.push_back(target);
        const std::string path = target.substr(0, target.find('?'));
        if (const auto raw = raw_.find(path); raw != raw_.end()) {
            ::send(fd, raw->second.data(), raw->second.size(), MSG_NOSIGNAL);
            ::close(fd);
            return;
        }
        const auto it = bodies_.find(path);
        if (it != bodies_.end()) {
            found = true;
            body = it->second;
        }
    }
    const std::string status = found ? "HTTP/1.1 200 OK" : "HTTP/1.1 404 Not Found";
    std::string reply;
    if (chunked_ && found) {
        char size[32];
        reply = status + "\r\nTransfer-Encoding: chunked\r\nConnection: keep-alive\r\n\r\n";
        for (size_t at = 0; at < body.size(); at += 7) {  // small chunks, to be put together again
            const std::string part = body.substr(at, 7);
            std::snprintf(size, sizeof size, "%zx\r\n", part.size());
            reply += size + part + "\r\n";
        }
        reply += "0\r\n\r\n";
    } else {
        reply = status + "\r\nContent-Length: " + std::to_string(body.size()) +
                "\r\nConnection: close\r\n\r\n" + body;
    }
    ::send(fd, reply.data(), reply.size(), MSG_NOSIGNAL);
    ::close(fd);
}

}  // namespace flenmark::testing
