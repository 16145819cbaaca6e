#include "simlink/fsuipc_client.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "base/link_protocol.h"
#include "support/scripted_transport.h"

namespace flenmark {
namespace {

using testing::AnsweringHost;
using testing::ScriptedTransport;

class FsuipcClientTest : public ::testing::Test {
  protected:
    void SetUp() override {
        transport.host = AnsweringHost(0x19980005, 0xFADE0008);
        ASSERT_TRUE(client.OpenLink(0, result));
    }
    bool readGear(uint32_t& gear) {
        return client.QueueRead(0x0BEC, 4, &gear, result) && client.ProcessRequests(result);
    }
    ScriptedTransport transport;
    FsuipcClient client{transport};
    int result = -1;
};

TEST_F(FsuipcClientTest, HandshakeReadsVersionAndSimulatorInOneExchange) {
    EXPECT_EQ(client.FSUIPCVersion, 0x19980005);
    EXPECT_EQ(client.SimVersion, 8);
    EXPECT_EQ(transport.sends, 1);
    EXPECT_TRUE(transport.slept.empty());  // a complete answer needs no pause
    EXPECT_EQ(transport.shmName, "FSASMLIB:IPC:1A2B:1");
    EXPECT_EQ(transport.atomName, transport.shmName);
    EXPECT_EQ(transport.lastAtom, 0xC123u);
    EXPECT_EQ(transport.lastMessage, RegisteredMessageId("FSASMLIB:IPC"));
    EXPECT_EQ(transport.lastTimeoutMs, 2000);
}

TEST_F(FsuipcClientTest, RecordLayoutOfReadsWritesAndTerminatorAndTheAnswerCopied) {
    std::vector<uint8_t> seen;
    transport.host = [&](uint8_t* b) {
        seen.assign(b, b + 38);
        AnsweringHost(0x19980005, 0xFADE0008)(b);
    };
    uint32_t gear = 0;
    const uint16_t value = 0xBEEF;
    ASSERT_TRUE(client.QueueRead(0x0BEC, 4, &gear, result));
    ASSERT_TRUE(client.QueueWrite(0x330A, 2, &value, result));
    ASSERT_TRUE(client.ProcessRequests(result));
    const std::vector<uint8_t> expected = {
        1, 0, 0, 0, 0xEC, 0x0B, 0, 0, 4, 0, 0, 0, 1,    0,
        0, 0, 0, 0, 0,    0,                                   // read, token 1, zeroed
        2, 0, 0, 0, 0x0A, 0x33, 0, 0, 2, 0, 0, 0, 0xEF, 0xBE,  // write and its value
        0, 0, 0, 0};                                           // terminator
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(gear, 16383u);
}

TEST_F(FsuipcClientTest, CallerErrorsAndTheRequestAreaLimit) {
    EXPECT_FALSE(client.OpenLink(0, result));
    EXPECT_EQ(result, kLinkAlreadyOpen);
    EXPECT_FALSE(client.ProcessRequests(result));
    EXPECT_EQ(result, kLinkNothingQueued);
    static uint8_t sink[0x8000];
    // 16 + n + 4 <= 32512 fits exactly; one byte more does not.
    EXPECT_FALSE(client.QueueRead(0, 32512 - 16 - 4 + 1, sink, result));
    EXPECT_EQ(result, kLinkRequestTooLarge);
    EXPECT_TRUE(client.QueueRead(0, 32512 - 16 - 4, sink, result));
    EXPECT_FALSE(client.QueueWrite(0, 1, sink, result));
    client.CloseLink();
    uint32_t v = 0;
    EXPECT_FALSE(client.QueueRead(0x0BEC, 4, &v, result));
    EXPECT_EQ(result, kLinkNotOpen);
}

struct SendCase {
    const char* name;
    SendStatus status;
    uint32_t reply;
    int code;
    int sends;
};

class SendFailureTest : public FsuipcClientTest, public ::testing::WithParamInterface<SendCase> {};

// A silent host is asked ten times with a pause between; every failure empties the queue.
TEST_P(SendFailureTest, GivesItsCodeAndEmptiesTheQueue) {
    transport.sends = 0;
    transport.sendStatus = GetParam().status;
    transport.replyValue = GetParam().reply;
    uint32_t gear = 7;
    EXPECT_FALSE(readGear(gear));
    EXPECT_EQ(result, GetParam().code);
    EXPECT_EQ(transport.sends, GetParam().sends);
    EXPECT_EQ(transport.slept, std::vector<int>(GetParam().sends - 1, 100));
    EXPECT_EQ(gear, 7u);
    EXPECT_FALSE(client.ProcessRequests(result));
    EXPECT_EQ(result, kLinkNothingQueued);
}

INSTANTIATE_TEST_SUITE_P(Codes, SendFailureTest,
                         ::testing::Values(SendCase{"Silent", SendStatus::TimedOut, 1, 11, 10},
                                           SendCase{"SendFails", SendStatus::Failed, 1, 12, 10},
                                           SendCase{"Refused", SendStatus::Replied, 0, 13, 1}),
                         [](const auto& info) { return info.param.name; });

// A host that hangs holds a tick no longer than its deadline: the sends and the pauses between
// them fit into what is left, then the exchange fails as a silent host's.
TEST_F(FsuipcClientTest, ExchangesEndAtTheDeadline) {
    std::chrono::steady_clock::time_point now{};
    FsuipcTiming timing;
    timing.now = [&] { return now; };
    FsuipcClient timed(transport, timing);
    client.CloseLink();
    ASSERT_TRUE(timed.OpenLink(0, result));
    transport.sendStatus = SendStatus::TimedOut;
    std::vector<int> timeouts;
    transport.onSend = [&](int timeoutMs) {
        timeouts.push_back(timeoutMs);
        now += std::chrono::milliseconds(timeoutMs);
    };
    transport.onSleep = [&](int ms) { now += std::chrono::milliseconds(ms); };
    timed.setDeadline(now + std::chrono::milliseconds(2500));
    uint32_t v = 0;
    ASSERT_TRUE(timed.QueueRead(0x0BEC, 4, &v, result));
    EXPECT_FALSE(timed.ProcessRequests(result));
    EXPECT_EQ(result, kLinkTimeout);
    EXPECT_EQ(timeouts, (std::vector<int>{2000, 400}));  // 2000, a pause of 100, the rest
    timed.setDeadline(std::nullopt);
    transport.sendStatus = SendStatus::Replied;
    ASSERT_TRUE(timed.QueueRead(0x0BEC, 4, &v, result));
    EXPECT_TRUE(timed.ProcessRequests(result));
    EXPECT_EQ(timeouts.back(), 2000);  // without a deadline, the protocol's time-out
}

// A reply block that does not match the request sent is refused with code 13 and nothing is
// copied: not even the bytes of a record that does match.
class ReplyMismatchTest : public FsuipcClientTest,
                          public ::testing::WithParamInterface<std::pair<uint32_t, uint32_t>> {};

TEST_P(ReplyMismatchTest, FailsWithCode13AndWritesNothing) {
    const auto [at, value] = GetParam();
    transport.host = [at = at, value = value](uint8_t* b) {
        StoreU32(b + 16, 0x11111111);  // the answers to the two reads
        StoreU32(b + 20 + 16, 0x22222222);
        StoreU32(b + at, value);
    };
    struct Guarded {
        uint32_t value;
        uint8_t after[252];
    } first, second;
    std::memset(&first, 0xAA, sizeof first);
    std::memset(&second, 0xAA, sizeof second);
    ASSERT_TRUE(client.QueueRead(0x0BEC, 4, &first.value, result));
    ASSERT_TRUE(client.QueueRead(0x0BDC, 4, &second.value, result));
    EXPECT_FALSE(client.ProcessRequests(result));
    EXPECT_EQ(result, kLinkRejected);
    for (const Guarded* g : {&first, &second})
        for (size_t i = 0; i < sizeof *g; ++i)
            ASSERT_EQ(reinterpret_cast<const uint8_t*>(g)[i], 0xAA) << "byte " << i;
}

// Size claims 256, a huge size, an unknown kind, a read turned write, another offset, another
// token, the second size shrunk, the terminator gone.
INSTANTIATE_TEST_SUITE_P(Rewrites, ReplyMismatchTest,
                         ::testing::Values(std::pair{8u, 256u}, std::pair{8u, 0xFFFFFFF0u},
                                           std::pair{0u, 7u}, std::pair{20u, 2u},
                                           std::pair{4u, 0x0BEDu}, std::pair{12u, 99u},
                                           std::pair{28u, 2u}, std::pair{40u, 1u}));

struct OpenCase {
    const char* name;
    std::vector<std::string> classes;
    uint32_t version, simWord;
    int requestedSim;
    SharedMemoryStatus shm;
    int code;
};

class OpenLinkFailureTest : public ::testing::TestWithParam<OpenCase> {};

TEST_P(OpenLinkFailureTest, FailsWithItsCodeAndReleasesEverything) {
    const OpenCase& c = GetParam();
    ScriptedTransport transport;
    transport.hostClasses = c.classes;
    transport.shmStatus = c.shm;
    transport.host = AnsweringHost(c.version, c.simWord);
    if (c.version == 1) transport.host = [](uint8_t* b) { StoreU32(b + 8, 0x7FFFFFFF); };
    FsuipcClient client(transport, {});
    int result = -1;
    EXPECT_FALSE(client.OpenLink(c.requestedSim, result));
    EXPECT_EQ(result, c.code);
    EXPECT_TRUE(transport.atomName.empty());
    uint32_t v = 0;
    EXPECT_FALSE(client.QueueRead(0, 4, &v, result));  // the link stays closed
    if (c.version == 0) {
        EXPECT_EQ(transport.sends, 5);  // a host without a version is asked five times
        EXPECT_EQ(transport.slept, std::vector<int>(4, 100));
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Codes, OpenLinkFailureTest, ::testing::Values(
    OpenCase{"NoHost", {}, 0x19980005, 0xFADE0008, 0, SharedMemoryStatus::Created, 2},
    OpenCase{"NameTaken", {"UIPCMAIN"}, 0x19980005, 0xFADE0008, 0, SharedMemoryStatus::AlreadyExisted, 5},
    OpenCase{"CreateFailed", {"UIPCMAIN"}, 0x19980005, 0xFADE0008, 0, SharedMemoryStatus::Failed, 5},
    OpenCase{"OldVersion", {"UIPCMAIN"}, 0x19980004, 0xFADE0008, 0, SharedMemoryStatus::Created, 7},
    OpenCase{"NoVersion", {"UIPCMAIN"}, 0, 0, 0, SharedMemoryStatus::Created, 7},
    OpenCase{"HugeRecordInTheReply", {"UIPCMAIN"}, 1, 0, 0, SharedMemoryStatus::Created, 13},
    OpenCase{"OldVersionFallback", {"FS98MAIN"}, 0x19980004, 0xFADE0008, 0, SharedMemoryStatus::Created, 14},
    OpenCase{"NoFade", {"UIPCMAIN"}, 0x19980005, 0xFACE0008, 0, SharedMemoryStatus::Created, 7},
    OpenCase{"NoFadeFallback", {"FS98MAIN"}, 0x19980005, 0x00000008, 0, SharedMemoryStatus::Created, 14},
    OpenCase{"OtherSimulator", {"UIPCMAIN"}, 0x19980005, 0xFADE0008, 7, SharedMemoryStatus::Created, 8}),
    [](const auto& info) { return info.param.name; });
// clang-format on

TEST(FsuipcClient, FallbackClassIsTriedSecondAndBothPlacesAreNamed) {
    ScriptedTransport transport;
    transport.hostClasses = {"FS98MAIN"};
    transport.host = AnsweringHost(0x19980005, 0xFADE0007);
    FsuipcClient client(transport, {});
    int result = -1;
    EXPECT_TRUE(client.OpenLink(0, result));
    EXPECT_EQ(transport.classesAsked, (std::vector<std::string>{"UIPCMAIN", "FS98MAIN"}));
    EXPECT_EQ(client.SimVersion, 7);
    EXPECT_EQ(client.hostPlaces(), "host UIPCMAIN and host FS98MAIN");
}

}  // namespace
}  // namespace flenmark
