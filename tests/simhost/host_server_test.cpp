#include "simhost/host_server.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/mman.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <functional>

#include "base/link_protocol.h"
#include "support/simhost_process.h"

namespace flenmark::simhost {
namespace {

// A client that speaks the socket protocol by hand, with its own shared block, so that the
// tests can send what a well-behaved client never would.
class RawClient {
  public:
    explicit RawClient(std::string name) : name_(std::move(name)) {
        fd_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const std::string path = HostSocketPath("UIPCMAIN");
        std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
        ::connect(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address);
        shm_ = ::shm_open(("/" + name_).c_str(), O_CREAT | O_RDWR | O_CLOEXEC, 0600);
        if (shm_ >= 0 && ::ftruncate(shm_, kSharedBlockSize) == 0)
            block_ = static_cast<uint8_t*>(
                ::mmap(nullptr, kSharedBlockSize, PROT_READ | PROT_WRITE, MAP_SHARED, shm_, 0));
    }
    ~RawClient() {
        if (block_) ::munmap(block_, kSharedBlockSize);
        if (shm_ >= 0) {
            ::close(shm_);
            ::shm_unlink(("/" + name_).c_str());
        }
        ::close(fd_);
    }
    uint8_t* block() { return block_; }
    void shrink() { (void)::ftruncate(shm_, 16); }

    // Sends one exchange under `frameName` and lets the server answer it; the reply value.
    uint32_t exchange(HostServer& server, const std::string& frameName) {
        const auto frame =
            EncodeFrame({RegisteredMessageId(kIpcMessageName), 0xC001, 0, frameName});
        ::send(fd_, frame.data(), frame.size(), MSG_NOSIGNAL);
        uint8_t answer[4] = {};
        size_t got = 0;
        for (int round = 0; round < 50 && got < 4; ++round) {
            server.poll(20);
            pollfd p{fd_, POLLIN, 0};
            if (::poll(&p, 1, 0) == 1) {
                const ssize_t n = ::recv(fd_, answer + got, 4 - got, 0);
                if (n <= 0) break;
                got += static_cast<size_t>(n);
            }
        }
        return got == 4 ? LoadU32(answer) : 0xDEAD;
    }
    uint32_t exchange(HostServer& server) { return exchange(server, name_); }

  private:
    std::string name_;
    int fd_ = -1;
    int shm_ = -1;
    uint8_t* block_ = nullptr;
};

// A block name of this process alone: ctest runs the cases in processes side by side, and
// the shared-memory names are the machine's.
std::string BlockName(const std::string& tag) {
    char name[64];
    std::snprintf(name, sizeof name, "FSASMLIB:IPC:%X:%s", static_cast<unsigned>(::getpid()),
                  tag.c_str());
    return name;
}

void PutRecord(uint8_t* at, uint32_t kind, uint32_t offset, uint32_t size) {
    StoreU32(at, kind);
    StoreU32(at + 4, offset);
    StoreU32(at + 8, size);
}

class HostServerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        table.poke<uint32_t>(0x0BEC, 16383);
        std::string error;
        ASSERT_TRUE(server.start("UIPCMAIN", error)) << error;
    }
    testing::PrivateRuntimeDir runtime;
    OffsetTable table;
    HostServer server{table};
};

TEST_F(HostServerTest, AnswersAWellFormedRead) {
    RawClient client(BlockName("77"));
    ASSERT_TRUE(client.block());
    PutRecord(client.block(), kReadRecordKind, 0x0BEC, 4);
    StoreU32(client.block() + 20, 0);
    EXPECT_EQ(client.exchange(server), 1u);
    EXPECT_EQ(LoadU32(client.block() + 16), 16383u);
}

// Requests that would make the host leave its table or the client's block are refused with 0,
// and the host goes on serving.
struct BadRequest {
    const char* name;
    std::function<void(uint8_t*)> write;
};

class HostServerBadRequestTest : public HostServerTest,
                                 public ::testing::WithParamInterface<BadRequest> {};

TEST_P(HostServerBadRequestTest, IsRefusedAndLeavesTheTableAlone) {
    RawClient client(BlockName("78"));
    ASSERT_TRUE(client.block());
    GetParam().write(client.block());
    EXPECT_EQ(client.exchange(server), 0u);
    EXPECT_EQ(table.peek<uint32_t>(0x0BEC), 16383u);
    EXPECT_EQ(table.peek<uint64_t>(0xFFF8), 0u);
    PutRecord(client.block(), kReadRecordKind, 0x0BEC, 4);
    StoreU32(client.block() + 20, 0);
    EXPECT_EQ(client.exchange(server), 1u);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Requests, HostServerBadRequestTest, ::testing::Values(
    BadRequest{"WritePastTheTable", [](uint8_t* b) { PutRecord(b, kWriteRecordKind, 0xFFFC, 8); std::memset(b + 12, 0x55, 8); }},
    BadRequest{"ReadPastTheTable", [](uint8_t* b) { PutRecord(b, kReadRecordKind, 0xFFFF, 2); }},
    BadRequest{"SizeLeavesTheBlock", [](uint8_t* b) { PutRecord(b, kReadRecordKind, 0, 0xFFFFFFF0u); }},
    BadRequest{"UnknownKind", [](uint8_t* b) { PutRecord(b, 9, 0x0BEC, 4); }},
    BadRequest{"NoTerminator", [](uint8_t* b) {
        for (uint32_t at = 0; at + 16 <= kRequestAreaLimit; at += 16) PutRecord(b + at, kReadRecordKind, 0, 0);
    }}),
    [](const auto& info) { return info.param.name; });
// clang-format on

TEST_F(HostServerTest, ABlockShrunkAfterItsFirstUseIsRefusedNotFaulted) {
    RawClient client(BlockName("79"));
    ASSERT_TRUE(client.block());
    PutRecord(client.block(), kReadRecordKind, 0x0BEC, 4);
    StoreU32(client.block() + 20, 0);
    ASSERT_EQ(client.exchange(server), 1u);
    client.shrink();
    EXPECT_EQ(client.exchange(server), 0u);
}

TEST_F(HostServerTest, NamesOutsideTheProtocolAreNotOpened) {
    RawClient client(BlockName("7A"));
    for (const char* name : {"../etc/passwd", "FSASMLIB:IPC:/../x", "other", ""})
        EXPECT_EQ(client.exchange(server, name), 0u) << name;
}

}  // namespace
}  // namespace flenmark::simhost
