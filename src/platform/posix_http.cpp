#include "platform/posix_http.h"

#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>

#include "platform/http_answer.h"

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
    for (unsigned char c : url)
        if (c <= ' ' || c == 0x7F) return std::nullopt;  // nothing may end the request line
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

}  // namespace

bool PosixHttp::get(const std::string& url, uint64_t maxBytes, const Sink& sink, int timeoutMs) {
    const auto address = Split(url);
    if (!address) return false;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    const int fd = Connect(*address, timeoutMs);
    if (fd < 0) return false;
    const std::string request = "GET " + address->path + " HTTP/1.0\r\nHost: " + address->host +
                                "\r\nConnection: close\r\n\r\n";
    HttpAnswerDecoder decoder(maxBytes, sink);
    using State = HttpAnswerDecoder::State;
    bool ok = ::send(fd, request.data(), request.size(), MSG_NOSIGNAL) ==
              static_cast<ssize_t>(request.size());
    char buffer[16384];
    while (ok && decoder.state() == State::NeedMore) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                              deadline - std::chrono::steady_clock::now())
                              .count();
        pollfd p{fd, POLLIN, 0};
        if (left <= 0 || ::poll(&p, 1, static_cast<int>(left)) != 1) {
            ok = false;
            break;
        }
        const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
        if (n == 0)
            decoder.finish();
        else if (n > 0)
            decoder.feed(std::string_view(buffer, static_cast<size_t>(n)));
        else
            ok = errno == EAGAIN || errno == EINTR;
    }
    ::close(fd);
    return ok && decoder.state() == State::Done;
}

}  // namespace flenmark
