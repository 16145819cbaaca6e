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
    void SetUp() override { transport.host = AnsweringHost(0x19980005, 0xFADE0008); }
    ScriptedTransport transport;
    FsuipcClient client{transport};
    int result = -1;
};

TEST_F(FsuipcClientTest, HandshakeReadsVersionAndSimulator) {
    ASSERT_TRUE(client.OpenLink(0, result));
    EXPECT_EQ(result, 0);
    EXPECT_EQ(client.FSUIPCVersion, 0x19980005);
    EXPECT_EQ(client.SimVersion, 8);
    EXPECT_EQ(transport.sends, 1);  // both values arrived in the first attempt
    EXPECT_EQ(transport.shmName, "FSASMLIB:IPC:1A2B:1");
    EXPECT_EQ(transport.atomName, transport.shmName);
    EXPECT_EQ(transport.lastAtom, 0xC123u);
    EXPECT_EQ(transport.lastMessage, RegisteredMessageId("FSASMLIB:IPC"));
    EXPECT_EQ(transport.lastTimeoutMs, 2000);
    EXPECT_TRUE(transport.slept.empty());  // a complete answer needs no pause
}

TEST_F(FsuipcClientTest, RecordLayoutOfReadsWritesAndTerminator) {
    ASSERT_TRUE(client.OpenLink(0, result));
    std::vector<uint8_t> seen;
    transport.host = [&](uint8_t* b) { seen.assign(b, b + 64); };
    uint32_t gear = 0;
    const uint16_t value = 0xBEEF;
    ASSERT_TRUE(client.QueueRead(0x0BEC, 4, &gear, result));
    ASSERT_TRUE(client.QueueWrite(0x330A, 2, &value, result));
    ASSERT_TRUE(client.ProcessRequests(result));
    EXPECT_EQ(LoadU32(seen.data()), 1u);
    EXPECT_EQ(LoadU32(seen.data() + 4), 0x0BECu);
    EXPECT_EQ(LoadU32(seen.data() + 8), 4u);
    EXPECT_NE(LoadU32(seen.data() + 12), 0u);  // the destination token
    EXPECT_EQ(LoadU32(seen.data() + 16), 0u);  // data area zeroed
    EXPECT_EQ(LoadU32(seen.data() + 20), 2u);
    EXPECT_EQ(LoadU32(seen.data() + 24), 0x330Au);
    EXPECT_EQ(LoadU32(seen.data() + 28), 2u);
    EXPECT_EQ(seen[32], 0xEF);
    EXPECT_EQ(seen[33], 0xBE);
    EXPECT_EQ(LoadU32(seen.data() + 34), 0u);  // terminator
    transport.host = AnsweringHost(0x19980005, 0xFADE0008);
    ASSERT_TRUE(client.QueueRead(0x0BEC, 4, &gear, result));
    ASSERT_TRUE(client.ProcessRequests(result));
    EXPECT_EQ(gear, 16383u);  // the answer reached its destination
}

TEST_F(FsuipcClientTest, CallerErrors) {
    uint32_t v = 0;
    EXPECT_FALSE(client.QueueRead(0x0BEC, 4, &v, result));
    EXPECT_EQ(result, kLinkNotOpen);
    EXPECT_FALSE(client.ProcessRequests(result));
    EXPECT_EQ(result, kLinkNotOpen);
    ASSERT_TRUE(client.OpenLink(0, result));
    EXPECT_FALSE(client.OpenLink(0, result));
    EXPECT_EQ(result, kLinkAlreadyOpen);
    EXPECT_FALSE(client.ProcessRequests(result));
    EXPECT_EQ(result, kLinkNothingQueued);
}

TEST_F(FsuipcClientTest, RequestAreaLimitReservesTheTerminator) {
    ASSERT_TRUE(client.OpenLink(0, result));
    static uint8_t sink[0x8000];
    // 16 + n + 4 <= 32512 fits exactly; one byte more does not.
    EXPECT_FALSE(client.QueueRead(0, 32512 - 16 - 4 + 1, sink, result));
    EXPECT_EQ(result, kLinkRequestTooLarge);
    EXPECT_TRUE(client.QueueRead(0, 32512 - 16 - 4, sink, result));
    EXPECT_FALSE(client.QueueWrite(0, 1, sink, result));
    EXPECT_EQ(result, kLinkRequestTooLarge);
}

TEST_F(FsuipcClientTest, SilentHostGivesCode11AfterTenSendsAndEmptiesTheQueue) {
    ASSERT_TRUE(client.OpenLink(0, result));
    transport.sends = 0;
    transport.slept.clear();
    transport.sendStatus = SendStatus::TimedOut;
    uint32_t v = 0;
    ASSERT_TRUE(client.QueueRead(0x0BEC, 4, &v, result));
    EXPECT_FALSE(client.ProcessRequests(result));
    EXPECT_EQ(result, kLinkTimeout);
    EXPECT_EQ(transport.sends, 10);
    EXPECT_EQ(transport.slept, std::vector<int>(9, 100));
    EXPECT_FALSE(client.ProcessRequests(result));
    EXPECT_EQ(result, kLinkNothingQueued);
}

// A host that hangs holds a tick no longer than its deadline: the sends and the pauses between
// them fit into what is left, then the exchange fails as a silent host's.
TEST(FsuipcClient, ExchangesEndAtTheDeadline) {
    std::chrono::steady_clock::time_point now{};
    ScriptedTransport transport;
    transport.host = AnsweringHost(0x19980005, 0xFADE0008);
    FsuipcTiming timing;
    timing.now = [&] { return now; };
    FsuipcClient client(transport, timing);
    int result = -1;
    ASSERT_TRUE(client.OpenLink(0, result));
    transport.sendStatus = SendStatus::TimedOut;
    transport.sends = 0;
    transport.slept.clear();
    std::vector<int> timeouts;
    transport.onSend = [&](int timeoutMs) {
        timeouts.push_back(timeoutMs);
        now += std::chrono::milliseconds(timeoutMs);
    };
    transport.onSleep = [&](int ms) { now += std::chrono::milliseconds(ms); };
    client.setDeadline(now + std::chrono::milliseconds(2500));
    uint32_t v = 0;
    ASSERT_TRUE(client.QueueRead(0x0BEC, 4, &v, result));
    EXPECT_FALSE(client.ProcessRequests(result));
    EXPECT_EQ(result, kLinkTimeout);
    EXPECT_EQ(timeouts, (std::vector<int>{2000, 400}));  // 2000, a pause of 100, the rest
    client.setDeadline(std::nullopt);
    transport.sendStatus = SendStatus::Replied;
    ASSERT_TRUE(client.QueueRead(0x0BEC, 4, &v, result));
    EXPECT_TRUE(client.ProcessRequests(result));
    EXPECT_EQ(timeouts.back(), 2000);  // without a deadline, the protocol's time-out
}

TEST_F(FsuipcClientTest, SendErrorIsCode12AndRejectionCode13) {
    ASSERT_TRUE(client.OpenLink(0, result));
    uint32_t v = 0;
    transport.sendStatus = SendStatus::Failed;
    client.QueueRead(0x0BEC, 4, &v, result);
    EXPECT_FALSE(client.ProcessRequests(result));
    EXPECT_EQ(result, kLinkSendFailed);
    transport.sendStatus = SendStatus::Replied;
    transport.replyValue = 0;
    client.QueueRead(0x0BEC, 4, &v, result);
    EXPECT_FALSE(client.ProcessRequests(result));
    EXPECT_EQ(result, kLinkRejected);
}

// A reply block that does not match the request sent is refused with code 13 and nothing is
// copied: not even the bytes of a record that does match.
struct ReplyFault {
    const char* name;
    std::function<void(uint8_t*)> rewrite;
};

class ReplyMismatchTest : public ::testing::TestWithParam<ReplyFault> {};

TEST_P(ReplyMismatchTest, FailsWithCode13AndWritesNothing) {
    ScriptedTransport transport;
    transport.host = AnsweringHost(0x19980005, 0xFADE0008);
    FsuipcClient client(transport, {});
    int result = -1;
    ASSERT_TRUE(client.OpenLink(0, result));
    const auto rewrite = GetParam().rewrite;
    transport.host = [rewrite](uint8_t* b) {
        StoreU32(b + 16, 0x11111111);  // the answers to the two reads
        StoreU32(b + 20 + 16, 0x22222222);
        rewrite(b);
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

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rewrites, ReplyMismatchTest, ::testing::Values(
    ReplyFault{"SizeClaims256", [](uint8_t* b) { StoreU32(b + 8, 256); }},
    ReplyFault{"HugeSize", [](uint8_t* b) { StoreU32(b + 8, 0xFFFFFFF0u); }},
    ReplyFault{"UnknownKind", [](uint8_t* b) { StoreU32(b, 7); }},
    ReplyFault{"ReadTurnedWrite", [](uint8_t* b) { StoreU32(b + 20, 2); }},
    ReplyFault{"OtherOffset", [](uint8_t* b) { StoreU32(b + 4, 0x0BED); }},
    ReplyFault{"OtherToken", [](uint8_t* b) { StoreU32(b + 12, 99); }},
    ReplyFault{"SecondSizeShrunk", [](uint8_t* b) { StoreU32(b + 28, 2); }},
    ReplyFault{"TerminatorGone", [](uint8_t* b) { StoreU32(b + 40, 1); }}),
    [](const auto& info) { return info.param.name; });
// clang-format on

TEST(FsuipcClient, HandshakeReplyWithAHugeRecordFailsTheOpen) {
    ScriptedTransport transport;
    transport.host = [](uint8_t* b) { StoreU32(b + 8, 0x7FFFFFFF); };
    FsuipcClient client(transport, {});
    int result = -1;
    EXPECT_FALSE(client.OpenLink(0, result));
    EXPECT_EQ(result, kLinkRejected);
    EXPECT_EQ(client.FSUIPCVersion, 0);
}

struct OpenCase {
    const char* name;
    std::vector<std::string> classes;
    uint32_t version;
    uint32_t simWord;
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
    FsuipcClient client(transport, {});
    int result = -1;
    EXPECT_FALSE(client.OpenLink(c.requestedSim, result));
    EXPECT_EQ(result, c.code);
    EXPECT_TRUE(transport.atomName.empty());
    uint32_t v = 0;
    EXPECT_FALSE(client.QueueRead(0, 4, &v, result));  // the link stays closed
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Codes, OpenLinkFailureTest, ::testing::Values(
    OpenCase{"NoHost", {}, 0x19980005, 0xFADE0008, 0, SharedMemoryStatus::Created, 2},
    OpenCase{"NameTaken", {"UIPCMAIN"}, 0x19980005, 0xFADE0008, 0, SharedMemoryStatus::AlreadyExisted, 5},
    OpenCase{"CreateFailed", {"UIPCMAIN"}, 0x19980005, 0xFADE0008, 0, SharedMemoryStatus::Failed, 5},
    OpenCase{"OldVersion", {"UIPCMAIN"}, 0x19980004, 0xFADE0008, 0, SharedMemoryStatus::Created, 7},
    OpenCase{"OldVersionFallback", {"FS98MAIN"}, 0x19980004, 0xFADE0008, 0, SharedMemoryStatus::Created, 14},
    OpenCase{"NoFade", {"UIPCMAIN"}, 0x19980005, 0xFACE0008, 0, SharedMemoryStatus::Created, 7},
    OpenCase{"NoFadeFallback", {"FS98MAIN"}, 0x19980005, 0x00000008, 0, SharedMemoryStatus::Created, 14},
    OpenCase{"OtherSimulator", {"UIPCMAIN"}, 0x19980005, 0xFADE0008, 7, SharedMemoryStatus::Created, 8}),
    [](const auto& info) { return info.param.name; });
// clang-format on

TEST(FsuipcClient, FallbackClassIsTriedSecondAndAHostWithoutVersionIsAskedFiveTimes) {
    ScriptedTransport fallback;
    fallback.hostClasses = {"FS98MAIN"};
    fallback.host = AnsweringHost(0x19980005, 0xFADE0007);
    FsuipcClient first(fallback, {});
    int code = -1;
    EXPECT_TRUE(first.OpenLink(0, code));
    EXPECT_EQ(fallback.classesAsked, (std::vector<std::string>{"UIPCMAIN", "FS98MAIN"}));
    EXPECT_EQ(first.SimVersion, 7);

    ScriptedTransport transport;
    transport.host = AnsweringHost(0, 0);
    FsuipcClient client(transport, {});
    int result = -1;
    EXPECT_FALSE(client.OpenLink(0, result));
    EXPECT_EQ(result, kLinkBadVersion);
    EXPECT_EQ(transport.sends, 5);
    EXPECT_EQ(transport.slept, std::vector<int>(4, 100));  // a pause before each new attempt
}

}  // namespace
}  // namespace flenmark
