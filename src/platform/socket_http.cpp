#include "platform/socket_http.h"

#include <chrono>

#include "platform/http_answer.h"
#include "platform/sockets.h"

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

}  // namespace

bool SocketHttp::get(const std::string& url, uint64_t maxBytes, const Sink& sink, int timeoutMs) {
    const auto address = Split(url);
    if (!address) return false;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    const net::Socket socket = net::ConnectTcp(address->host, address->port, timeoutMs);
    if (socket == net::kNoSocket) return false;
    const std::string request = "GET " + address->path + " HTTP/1.0\r\nHost: " + address->host +
                                "\r\nConnection: close\r\n\r\n";
    HttpAnswerDecoder decoder(maxBytes, sink);
    using State = HttpAnswerDecoder::State;
    bool ok = net::Send(socket, request);
    char buffer[16384];
    while (ok && decoder.state() == State::NeedMore) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                              deadline - std::chrono::steady_clock::now())
                              .count();
        if (left <= 0 || !net::WaitReadable(socket, static_cast<int>(left))) {
            ok = false;
            break;
        }
        size_t got = 0;
        const net::Received how = net::Receive(socket, buffer, got);
        if (how == net::Received::End)
            decoder.finish();
        else if (how == net::Received::Data)
            decoder.feed(std::string_view(buffer, got));
        else
            ok = how == net::Received::Again;
    }
    net::Close(socket);
    return ok && decoder.state() == State::Done;
}

}  // namespace flenmark
