// The FSUIPC client over the Windows transport against the host window, both in this process:
// the host runs on a thread of its own with its message loop, as a simulator's window does.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <thread>

#include "platform/win_ipc_transport.h"
#include "simhost/host_server.h"
#include "simlink/fsuipc_client.h"
#include "windows/host_thread.h"

namespace flenmark {
namespace {

// Short waits and a single send, so that a silent host costs a fraction of a second.
const FsuipcTiming kQuick{200, 10, 1, 10};

// The host with its gear down.
testing::HostThread::Prepare GearDown() {
    return [](simhost::OffsetTable& table, simhost::HostServer&) {
        table.poke<uint32_t>(0x0BEC, 16383);
    };
}

uint32_t ReadGear(FsuipcClient& client, int& result) {
    uint32_t gear = 0;
    client.QueueRead(0x0BEC, 4, &gear, result);
    return client.ProcessRequests(result) ? gear : 0xFFFFFFFF;
}

TEST(WindowsLink, HandshakeAndAReadThroughTheHostWindow) {
    testing::HostThread host(GearDown());
    ASSERT_TRUE(host.started());
    WinIpcTransport transport;
    FsuipcClient client(transport, kQuick);
    int result = -1;
    ASSERT_TRUE(client.OpenLink(0, result)) << result;
    EXPECT_EQ(client.SimVersion, 8);
    EXPECT_EQ(ReadGear(client, result), 16383u);
    client.CloseLink();
}

TEST(WindowsLink, NoHostIsCode2AndASecondHostOfTheClassIsRefused) {
    WinIpcTransport transport;
    FsuipcClient client(transport, kQuick);
    int result = -1;
    EXPECT_FALSE(client.OpenLink(0, result));
    EXPECT_EQ(result, kLinkNoHost);
    testing::HostThread first(GearDown());
    ASSERT_TRUE(first.started());
    testing::HostThread second(GearDown());
    EXPECT_FALSE(second.started());
}

// The faults of a host, each with the code the link gives.
struct FaultCase {
    const char* name;
    simhost::HostFaults faults;
    bool openFails;  // at the handshake, or at the read after it
    int code;
};

class WindowsHostFaultTest : public ::testing::TestWithParam<FaultCase> {};

TEST_P(WindowsHostFaultTest, GivesItsCode) {
    const FaultCase& c = GetParam();
    testing::HostThread host(GearDown(), c.faults);
    ASSERT_TRUE(host.started());
    WinIpcTransport transport;
    FsuipcClient client(transport, kQuick);
    int result = -1;
    const bool opened = client.OpenLink(0, result);
    EXPECT_EQ(opened, !c.openFails);
    if (opened) {
        EXPECT_EQ(ReadGear(client, result), 0xFFFFFFFFu);
    }
    EXPECT_EQ(result, c.code);
    client.CloseLink();
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Codes, WindowsHostFaultTest, ::testing::Values(
    FaultCase{"AnswersZero", {-1, 0, -1, -1}, true, kLinkRejected},
    FaultCase{"NeverAnswers", {0, -1, -1, -1}, true, kLinkTimeout},
    FaultCase{"ClaimsMoreThanItWasAsked", {-1, -1, -1, 1}, false, kLinkRejected}),
    [](const auto& info) { return info.param.name; });
// clang-format on

TEST(WindowsLink, AHostWindowGoneBetweenFindAndSendFailsTheSend) {
    testing::HostThread host(GearDown());
    ASSERT_TRUE(host.started());
    WinIpcTransport transport;
    ASSERT_TRUE(transport.findHost("UIPCMAIN"));
    host.stop();  // the window is destroyed
    uint32_t reply = 0;
    const uint32_t message = transport.registerMessage(kIpcMessageName);
    EXPECT_EQ(transport.send(message, 0, 0, 200, reply), SendStatus::Failed);
}

TEST(WindowsLink, AMappingNameAlreadyTakenIsCode5) {
    testing::HostThread host(GearDown());
    ASSERT_TRUE(host.started());
    WinIpcTransport transport;
    FsuipcClient client(transport, kQuick);
    const HANDLE taken = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                            kSharedBlockSize, client.sharedMemoryName().c_str());
    ASSERT_NE(taken, nullptr);
    int result = -1;
    EXPECT_FALSE(client.OpenLink(0, result));
    EXPECT_EQ(result, kLinkMapCreateFailed);
    CloseHandle(taken);
}

}  // namespace
}  // namespace flenmark
