// The bridges' sockets on Winsock: flenmark-fgbridge's HTTP client and flenmark-xpbridge's UDP
// peer against servers on 127.0.0.1, with the limits they have on Linux.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "platform/socket_http.h"
#include "windows/raw_server.h"
#include "xpbridge/udp_peer.h"

namespace flenmark {
namespace {

const std::string kPosition = "{\"name\":\"position\",\"value\":21.3}";
const std::string kChunked = "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n";

TEST(WindowsSocketHttp, PlainChunkedAndRefusedAnswers) {
    auto server = std::make_unique<testing::RawServer>(std::map<std::string, std::string>{
        {"/json/position?d=1", "HTTP/1.0 200 OK\r\n\r\n" + kPosition},
        {"/chunked", kChunked + "5\r\n{\"nam\r\n1b\r\n" + kPosition.substr(5) + "\r\n0\r\n\r\n"},
        {"/spin", kChunked + "2\r\nab\r\n-6\r\n0\r\n\r\n"},
        {"/big", "HTTP/1.0 200 OK\r\n\r\n" + std::string(65, 'x')}});
    SocketHttp http(1000, 64);
    EXPECT_EQ(http.fetch(server->url("/json/position?d=1")).value_or("?"), kPosition);
    EXPECT_EQ(http.fetch(server->url("/chunked")).value_or("?"), kPosition);
    EXPECT_FALSE(http.fetch(server->url("/spin")));
    EXPECT_FALSE(http.fetch(server->url("/missing")));
    EXPECT_FALSE(http.fetch(server->url("/big")));
    EXPECT_FALSE(http.fetch(server->url("/a b")));
    EXPECT_FALSE(http.fetch("https://127.0.0.1/secure"));
    const std::string gone = server->url("/json/position?d=1");
    server.reset();
    EXPECT_FALSE(http.fetch(gone));
}

// A UDP socket of the test's own on 127.0.0.1.
struct TestSocket {
    TestSocket() {
        s = socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
        at.sin_family = AF_INET;
        at.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        bind(s, reinterpret_cast<sockaddr*>(&at), sizeof at);
        int size = sizeof at;
        getsockname(s, reinterpret_cast<sockaddr*>(&at), &size);
        DWORD waitMs = 2000;
        setsockopt(s, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&waitMs),
                   sizeof waitMs);
    }
    ~TestSocket() { closesocket(s); }
    SOCKET s;
    sockaddr_in at{};
};

std::vector<uint8_t> WaitForDatagram(xpbridge::UdpPeer& peer) {
    for (int i = 0; i < 200; ++i) {
        if (auto datagram = peer.receive(); !datagram.empty()) return datagram;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return {};
}

TEST(WindowsUdpPeer, TalksToItsPeerAndDropsStrangers) {
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
    TestSocket xplane, stranger;
    xpbridge::UdpPeer peer;
    std::string error;
    ASSERT_TRUE(peer.open("127.0.0.1", ntohs(xplane.at.sin_port), error)) << error;
    EXPECT_TRUE(peer.receive().empty());  // nothing waits
    const uint8_t request[] = {'R', 'R', 'E', 'F', 0};
    ASSERT_TRUE(peer.send(request));
    char got[16];
    sockaddr_in bridge{};
    int size = sizeof bridge;
    ASSERT_EQ(recvfrom(xplane.s, got, sizeof got, 0, reinterpret_cast<sockaddr*>(&bridge), &size),
              5);
    EXPECT_EQ(std::string(got, 5), std::string("RREF\0", 5));
    const auto to = reinterpret_cast<const sockaddr*>(&bridge);
    sendto(stranger.s, "mine", 4, 0, to, sizeof bridge);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));  // the stranger's comes first
    sendto(xplane.s, "answer", 6, 0, to, sizeof bridge);
    const auto answer = WaitForDatagram(peer);
    EXPECT_EQ(std::string(answer.begin(), answer.end()), "answer");
    EXPECT_EQ(peer.strangers(), 1);
    xpbridge::UdpPeer nowhere;
    EXPECT_FALSE(nowhere.open("no-such-host.invalid", 49000, error));
    EXPECT_EQ(error, "cannot find the address of no-such-host.invalid");
    WSACleanup();
}

}  // namespace
}  // namespace flenmark
