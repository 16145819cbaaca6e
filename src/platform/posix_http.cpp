#include "platform/posix_http.h"

#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>

namespace flenmark {
namespace {

struct Address {
    std::string host;
    std::string port = "80";
    std::string path = "/";
};

std::optional<Address> Split(const std::string& url) {
    const std::string scheme = "http://";
    if (url.rfind(scheme, 0) != 0) return std::nullopt;
    Address a;
    const std::string rest = url.substr(scheme.size());
    const size_t slash = rest.find('/');
    std::string hostPort = rest.substr(0, slash);
    if (slash != std::string::npos) a.path = rest.substr(slash);
    const size_t colon = hostPort.find(':');
    a.host = hostPort.substr(0, colon);
    if (colon != std::string::npos) a.port = hostPort.substr(colon + 1);
    if (a.host.empty()) return std::nullopt;
    return a;
}

int Connect(const Address& a, int timeoutMs) {
    addrinfo hints{};
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (::getaddrinfo(a.host.c_str(), a.port.c_str(), &hints, &found) != 0) return -1;
    int fd = ::socket(found->ai_family, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd >= 0 && ::connect(fd, found->ai_addr, found->ai_addrlen) != 0 && errno != EINPROGRESS) {
        ::close(fd);
        fd = -1;
    }
    ::freeaddrinfo(found);
    if (fd < 0) return -1;
    pollfd p{fd, POLLOUT, 0};
    int error = 0;
    socklen_t size = sizeof error;
    if (::poll(&p, 1, timeoutMs) != 1 ||
        ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size) != 0 || error != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// True once the whole answer is in: servers may keep the connection open after it.
bool AnswerComplete(const std::string& reply) {
    const size_t end = reply.find("\r\n\r\n");
    if (end == std::string::npos) return false;
    const std::string head = Lower(reply.substr(0, end));
    if (head.find("transfer-encoding: chunked") != std::string::npos)
        return reply.size() >= end + 9 && reply.compare(reply.size() - 5, 5, "0\r\n\r\n") == 0;
    const size_t at = head.find("\r\ncontent-length:");
    return at != std::string::npos &&
           reply.size() - end - 4 >= std::strtoull(head.c_str() + at + 17, nullptr, 10);
}

// The body of a chunked answer: size lines in hex, each followed by that many bytes.
std::optional<std::string> Unchunk(const std::string& chunked) {
    std::string body;
    size_t at = 0;
    for (;;) {
        const size_t lineEnd = chunked.find("\r\n", at);
        if (lineEnd == std::string::npos) return std::nullopt;
        const size_t size = std::strtoul(chunked.c_str() + at, nullptr, 16);
        if (size == 0) return body;
        if (lineEnd + 2 + size > chunked.size()) return std::nullopt;
        body.append(chunked, lineEnd + 2, size);
        at = lineEnd + 2 + size + 2;
    }
}

}  // namespace

std::optional<std::string> PosixHttp::fetch(const std::string& url) {
    const auto address = Split(url);
    if (!address) return std::nullopt;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs_);
    const int fd = Connect(*address, timeoutMs_);
    if (fd < 0) return std::nullopt;
    const std::string request = "GET " + address->path + " HTTP/1.0\r\nHost: " + address->host +
                                "\r\nConnection: close\r\n\r\n";
    std::string reply;
    bool ok = ::send(fd, request.data(), request.size(), MSG_NOSIGNAL) ==
              static_cast<ssize_t>(request.size());
    char buffer[16384];
    while (ok) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                              deadline - std::chrono::steady_clock::now())
                              .count();
        pollfd p{fd, POLLIN, 0};
        if (left <= 0 || ::poll(&p, 1, static_cast<int>(left)) != 1) ok = false;
        if (!ok) break;
        const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
        if (n == 0) break;
        if (n < 0)
            ok = errno == EAGAIN || errno == EINTR;
        else
            reply.append(buffer, static_cast<size_t>(n));
        if (AnswerComplete(reply)) break;
    }
    ::close(fd);
    const size_t bodyAt = reply.find("\r\n\r\n");
    const bool http =
        reply.compare(0, 9, "HTTP/1.1 ") == 0 || reply.compare(0, 9, "HTTP/1.0 ") == 0;
    if (!ok || bodyAt == std::string::npos || !http || reply.compare(9, 1, "2") != 0)
        return std::nullopt;
    std::string body = reply.substr(bodyAt + 4);
    const std::string head = Lower(reply.substr(0, bodyAt));
    if (head.find("transfer-encoding: chunked") != std::string::npos) return Unchunk(body);
    return body;
}

}  // namespace flenmark
