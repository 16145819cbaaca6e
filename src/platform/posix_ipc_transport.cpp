#include "platform/posix_ipc_transport.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/mman.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <mutex>
#include <set>

#include "base/link_protocol.h"
#include "base/os_files.h"

namespace flenmark {
namespace {

int ConnectUnix(const std::string& path) {
    sockaddr_un address{};
    if (path.size() >= sizeof address.sun_path) return -1;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return -1;
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

bool WriteAll(int fd, const uint8_t* data, size_t size) {
    while (size > 0) {
        const ssize_t n = ::send(fd, data, size, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        data += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

// The blocks this process made and has not closed: a block of our name that is not among them
// was left by a dead process whose id we now have.
std::mutex ownBlocksMutex;
std::set<std::string>& OwnBlocks() {
    static std::set<std::string> names;
    return names;
}

bool IsOwnLiveBlock(const std::string& shmPath) {
    const std::lock_guard<std::mutex> hold(ownBlocksMutex);
    return OwnBlocks().count(shmPath) > 0;
}

void KeepOwnBlock(const std::string& shmPath, bool live) {
    const std::lock_guard<std::mutex> hold(ownBlocksMutex);
    if (live)
        OwnBlocks().insert(shmPath);
    else
        OwnBlocks().erase(shmPath);
}

}  // namespace

void RemoveDeadClientsBlocks() {
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator("/dev/shm", ec)) {
        const std::string name = entry.path().filename().string();
        const auto owner = SharedBlockOwner(name);
        if (owner && static_cast<long>(*owner) != os::ProcessId() &&
            os::ProcessSurelyGone(static_cast<long>(*owner)))
            ::shm_unlink(("/" + name).c_str());
    }
}

PosixIpcTransport::PosixIpcTransport() {
    RemoveDeadClientsBlocks();
}

PosixIpcTransport::~PosixIpcTransport() {
    releaseHost();
    unmapSharedMemory();
    closeSharedMemory();
}

std::string PosixIpcTransport::hostPlace(const std::string& windowClass) const {
    return HostSocketPath(windowClass);
}

bool PosixIpcTransport::findHost(const std::string& windowClass) {
    releaseHost();
    const std::string path = HostSocketPath(windowClass);
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISSOCK(st.st_mode)) return false;
    hostPath_ = path;
    return connectHost();
}

bool PosixIpcTransport::connectHost() {
    socket_ = ConnectUnix(hostPath_);
    return socket_ >= 0;
}

void PosixIpcTransport::dropConnection() {
    if (socket_ >= 0) ::close(socket_);
    socket_ = -1;
}

void PosixIpcTransport::releaseHost() {
    dropConnection();
    hostPath_.clear();
}

uint32_t PosixIpcTransport::registerMessage(const std::string& name) {
    return RegisteredMessageId(name);
}

uint16_t PosixIpcTransport::addAtom(const std::string& name) {
    const uint16_t atom = nextAtom_++;
    if (nextAtom_ == 0) nextAtom_ = 0xC001;
    atoms_[atom] = name;
    return atom;
}

void PosixIpcTransport::deleteAtom(uint16_t atom) {
    atoms_.erase(atom);
}

SharedMemoryStatus PosixIpcTransport::createSharedMemory(const std::string& name, uint32_t size) {
    closeSharedMemory();
    const std::string shmPath = "/" + name;
    int fd = ::shm_open(shmPath.c_str(), O_CREAT | O_EXCL | O_RDWR | O_CLOEXEC, 0600);
    // A block named for this process that it did not make is a dead one's: process ids are
    // used again. It is removed, and ours made in its place.
    if (fd < 0 && errno == EEXIST && SharedBlockOwner(name) == processId() &&
        !IsOwnLiveBlock(shmPath)) {
        ::shm_unlink(shmPath.c_str());
        fd = ::shm_open(shmPath.c_str(), O_CREAT | O_EXCL | O_RDWR | O_CLOEXEC, 0600);
    }
    if (fd < 0)
        return errno == EEXIST ? SharedMemoryStatus::AlreadyExisted : SharedMemoryStatus::Failed;
    if (::ftruncate(fd, size) != 0) {
        ::close(fd);
        ::shm_unlink(shmPath.c_str());
        return SharedMemoryStatus::Failed;
    }
    shmFd_ = fd;
    shmName_ = shmPath;
    shmSize_ = size;
    KeepOwnBlock(shmPath, true);
    return SharedMemoryStatus::Created;
}

uint8_t* PosixIpcTransport::mapSharedMemory() {
    if (shmFd_ < 0) return nullptr;
    void* p = ::mmap(nullptr, shmSize_, PROT_READ | PROT_WRITE, MAP_SHARED, shmFd_, 0);
    if (p == MAP_FAILED) return nullptr;
    view_ = p;
    return static_cast<uint8_t*>(p);
}

void PosixIpcTransport::unmapSharedMemory() {
    if (view_) ::munmap(view_, shmSize_);
    view_ = nullptr;
}

void PosixIpcTransport::closeSharedMemory() {
    if (shmFd_ >= 0) {
        ::close(shmFd_);
        ::shm_unlink(shmName_.c_str());
        KeepOwnBlock(shmName_, false);
    }
    shmFd_ = -1;
    shmName_.clear();
}

SendStatus PosixIpcTransport::send(uint32_t message, uint32_t wParam, uint32_t lParam,
                                   int timeoutMs, uint32_t& reply) {
    if (socket_ < 0 && (hostPath_.empty() || !connectHost())) return SendStatus::Failed;
    const auto atom = atoms_.find(static_cast<uint16_t>(wParam));
    const std::string name = atom == atoms_.end() ? std::string() : atom->second;
    const std::vector<uint8_t> frame = EncodeFrame({message, wParam, lParam, name});
    if (!WriteAll(socket_, frame.data(), frame.size())) {
        dropConnection();
        return SendStatus::Failed;
    }
    uint8_t answer[4];
    size_t got = 0;
    // The answer is waited for in the kernel: spinning here would take the processor the host
    // needs to answer on a busy machine.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (got < sizeof answer) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd p{socket_, POLLIN, 0};
        const int ready = ::poll(&p, 1, static_cast<int>(std::max<int64_t>(left.count(), 0)));
        if (ready < 0 && errno == EINTR) continue;
        if (ready == 0) {
            // A late reply must not be taken for the next one: start afresh next time.
            dropConnection();
            return SendStatus::TimedOut;
        }
        const ssize_t n = ready < 0 ? -1 : ::recv(socket_, answer + got, sizeof answer - got, 0);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            dropConnection();
            return SendStatus::Failed;
        }
        got += static_cast<size_t>(n);
    }
    reply = LoadU32(answer);
    return SendStatus::Replied;
}

void PosixIpcTransport::sleepMs(int ms) {
    timespec t{ms / 1000, static_cast<long>(ms % 1000) * 1000000L};
    while (::nanosleep(&t, &t) != 0 && errno == EINTR) {
    }
}

uint32_t PosixIpcTransport::processId() const {
    return static_cast<uint32_t>(::getpid());
}

}  // namespace flenmark
