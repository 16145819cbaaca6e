// The FSUIPC client against the real flenmark-simhost over the socket transport.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "app/connection.h"
#include "app/link_operations.h"
#include "app/main_tick.h"
#include "base/link_protocol.h"
#include "platform/posix_ipc_transport.h"
#include "simlink/fsuipc_client.h"
#include "support/fakes.h"
#include "support/simhost_process.h"

namespace flenmark {
namespace {

using testing::OpenDescriptorCount;
using testing::PrivateRuntimeDir;
using testing::SimHostProcess;

// Short waits so that the time-out paths take a second, not twenty.
const FsuipcTiming kQuick{100, 10, 10, 10};

std::string OwnSharedMemoryFile() {
    char name[64];
    std::snprintf(name, sizeof name, "/dev/shm/FSASMLIB:IPC:%X:1", static_cast<unsigned>(getpid()));
    return name;
}

class LinkIntegrationTest : public ::testing::Test {
  protected:
    // Opens a client against a host started with `args`; returns the result code.
    int openWith(std::vector<std::string> args, const std::string& windowClass = "UIPCMAIN",
                 int requestedSim = 0) {
        host = std::make_unique<SimHostProcess>(std::move(args), windowClass);
        EXPECT_TRUE(host->ready());
        int result = -1;
        client.OpenLink(requestedSim, result);
        return result;
    }
    void expectNothingLeft() {
        client.CloseLink();
        EXPECT_FALSE(std::filesystem::exists(OwnSharedMemoryFile()));
        EXPECT_EQ(OpenDescriptorCount(), descriptorsAtStart);
    }

    PrivateRuntimeDir runtime;
    int descriptorsAtStart = OpenDescriptorCount();
    PosixIpcTransport transport;
    FsuipcClient client{transport, kQuick};
    std::unique_ptr<SimHostProcess> host;
};

TEST_F(LinkIntegrationTest, HandshakeWithTheDefaultHostAndAClientAfterIt) {
    ASSERT_EQ(openWith({}), kLinkOk);
    EXPECT_EQ(client.FSUIPCVersion, 0x19980005);
    EXPECT_EQ(client.SimVersion, 8);
    int32_t gear = 0;
    int result = 0;
    ASSERT_TRUE(client.QueueRead(0x0BEC, 4, &gear, result));
    ASSERT_TRUE(client.ProcessRequests(result));
    EXPECT_EQ(gear, 16383);  // parked with the gear down
    // The handshake writes the library version into 0x330A, inside the simulator word: the
    // next client must still read 0xFADE there.
    client.CloseLink();
    EXPECT_TRUE(client.OpenLink(0, result));
    expectNothingLeft();
}

TEST_F(LinkIntegrationTest, NoHostOrAPathThatIsNotASocketIsCode2) {
    int result = -1;
    EXPECT_FALSE(client.OpenLink(0, result));
    EXPECT_EQ(result, kLinkNoHost);
    expectNothingLeft();
    std::filesystem::create_directories(HostSocketDirectory());
    std::ofstream(HostSocketPath("UIPCMAIN")) << "not a socket";
    EXPECT_FALSE(client.OpenLink(0, result));
    EXPECT_EQ(result, kLinkNoHost);
}

struct HostCase {
    const char* name;
    std::vector<std::string> args;
    const char* windowClass;
    int requestedSim;
    int code;
};

class HostRefusalTest : public LinkIntegrationTest,
                        public ::testing::WithParamInterface<HostCase> {};

TEST_P(HostRefusalTest, OpenLinkFailsWithTheCodeAndLeavesNothingBehind) {
    const HostCase& c = GetParam();
    EXPECT_EQ(openWith(c.args, c.windowClass, c.requestedSim), c.code);
    expectNothingLeft();
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Codes, HostRefusalTest, ::testing::Values(
    HostCase{"OldVersion", {"--host-version", "19980004"}, "UIPCMAIN", 0, 7},
    HostCase{"OldVersionFallbackClass", {"--class", "FS98MAIN", "--host-version", "19980004"}, "FS98MAIN", 0, 14},
    HostCase{"OtherSimulator", {"--sim-code", "7"}, "UIPCMAIN", 8, 8},
    HostCase{"NeverAnswers", {"--fault", "hang-after=0"}, "UIPCMAIN", 0, 11},
    HostCase{"AnswersZero", {"--fault", "reply0-after=0"}, "UIPCMAIN", 0, 13},
    HostCase{"DropsTheConnection", {"--fault", "drop-after=0"}, "UIPCMAIN", 0, 12}),
    [](const auto& info) { return info.param.name; });
// clang-format on

// A block under our process id that we did not make was a dead recorder's (ids come round
// again): it is replaced. Only a block this process holds itself is code 5, said as such.
TEST_F(LinkIntegrationTest, ABlockLeftUnderOurIdIsReplacedAndOnlyALiveOneIsCode5) {
    SimHostProcess h({});
    ASSERT_TRUE(h.ready());
    const std::string name = "/" + client.sharedMemoryName();
    const int fd = shm_open(name.c_str(), O_CREAT | O_RDWR, 0600);
    ASSERT_GE(fd, 0);
    close(fd);
    int result = -1;
    ASSERT_TRUE(client.OpenLink(0, result));
    PosixIpcTransport otherTransport;
    FsuipcClient other{otherTransport, kQuick};
    EXPECT_FALSE(other.OpenLink(0, result));
    EXPECT_EQ(result, kLinkMapCreateFailed);
    EXPECT_EQ(NoConnectionMessage(result, 10),
              "The link could not make its shared memory block on this computer (error code 5).");
    expectNothingLeft();
}

TEST(SharedBlocks, BlocksOfClientsThatDiedAreClearedWhenAClientStarts) {
    const pid_t dead = fork();
    if (dead == 0) _exit(0);
    waitpid(dead, nullptr, 0);
    char deadName[64], liveName[64];
    std::snprintf(deadName, sizeof deadName, "/FSASMLIB:IPC:%X:1", static_cast<unsigned>(dead));
    std::snprintf(liveName, sizeof liveName, "/FSASMLIB:IPC:%X:1", static_cast<unsigned>(getppid()));
    for (const char* name : {deadName, liveName}) close(shm_open(name, O_CREAT | O_RDWR, 0600));
    PosixIpcTransport starting;
    EXPECT_FALSE(std::filesystem::exists(std::string("/dev/shm") + deadName));
    EXPECT_TRUE(std::filesystem::exists(std::string("/dev/shm") + liveName));
    shm_unlink(liveName);
}

TEST_F(LinkIntegrationTest, HostReplacesAStaleSocketAndRefusesASecondHost) {
    std::filesystem::create_directories(HostSocketDirectory());
    const std::string path = HostSocketPath("UIPCMAIN");
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s", path.c_str());
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    close(fd);  // a socket file nobody listens on, as a crashed host leaves it

    SimHostProcess first({});
    ASSERT_TRUE(first.ready());
    const auto second = testing::RunProgram(testing::SimHostPath(), {});
    EXPECT_EQ(second.status, 1);
    EXPECT_NE(second.errors.find("already running"), std::string::npos);
    EXPECT_EQ(first.stop(), 0);
    EXPECT_FALSE(std::filesystem::exists(path));  // removed on SIGTERM
}

TEST_F(LinkIntegrationTest, SimulatorNamesFromTheHost) {
    for (const auto& [args, name] : std::vector<std::pair<std::vector<std::string>, std::string>>{
             {{}, "FSX"}, {{"--sim-code", "9"}, "? 9"}, {{"--xplane"}, "X-Plane"}}) {
        testing::TestProgram t;
        FsuipcClient link(transport, kQuick);
        Program program(Services{t.clock, t.folders, t.dialogs, t.shell, t.ui, link});
        SimHostProcess h(args);
        ASSERT_TRUE(h.ready());
        int result = 0;
        ASSERT_TRUE(link.OpenLink(0, result));
        program.Connected = true;
        EXPECT_EQ(SimulatorName(program), name);
        link.CloseLink();
    }
}

TEST_F(LinkIntegrationTest, ReconnectsAfterTheHostIsRestarted) {
    testing::TestProgram t;
    Program program(Services{t.clock, t.folders, t.dialogs, t.shell, t.ui, client});
    program.FlightLogPath = t.dataPath("Flightlog.txt");
    auto h = std::make_unique<SimHostProcess>(std::vector<std::string>{});
    ASSERT_TRUE(h->ready());
    MainTick(program);
    ASSERT_TRUE(program.Connected);
    MainTick(program);
    EXPECT_EQ(program.telemetry.GearText, "1");
    h.reset();
    MainTick(program);
    EXPECT_FALSE(program.Connected);
    EXPECT_EQ(program.mainView.label7.text, "Connection to FS timed out.");
    MainTick(program);
    EXPECT_FALSE(program.Connected);
    h = std::make_unique<SimHostProcess>(std::vector<std::string>{});
    ASSERT_TRUE(h->ready());
    MainTick(program);
    EXPECT_TRUE(program.Connected);
    EXPECT_EQ(program.mainView.lblConnect.text, "Connected");
}

TEST_F(LinkIntegrationTest, TimelineEndStopsTheHost) {
    char name[] = "/tmp/flenmark-timeline-XXXXXX";
    const int fd = mkstemp(name);
    const std::string text = "at 0 set gear 0\nat 0.2 end\n";
    ASSERT_EQ(write(fd, text.data(), text.size()), static_cast<ssize_t>(text.size()));
    close(fd);
    SimHostProcess h({"--scenario", name});
    EXPECT_EQ(h.waitFor(5000), 0);
    EXPECT_FALSE(std::filesystem::exists(HostSocketPath("UIPCMAIN")));
    unlink(name);
}

}  // namespace
}  // namespace flenmark
