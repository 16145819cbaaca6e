#include "support/fakes.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace flenmark::testing {

namespace fs = std::filesystem;

TempFolders::TempFolders() {
    // A folder of its own: made, not found (a name taken is tried again with another).
    std::random_device random;
    for (int attempt = 0; root_.empty() && attempt < 100; ++attempt) {
        const fs::path candidate =
            fs::temp_directory_path() / ("flenmark-test-" + std::to_string(random()));
        std::error_code ec;
        if (fs::create_directory(candidate, ec)) root_ = candidate.generic_string();
    }
    if (root_.empty()) throw std::runtime_error("no temporary folder");
    fs::create_directories(root_ + "/data/Flenmark");
    fs::create_directories(root_ + "/docs");
    fs::create_directories(root_ + "/program");
    fs::copy_file(FLENMARK_RESOURCES_DIR "/KMLSettings.txt", root_ + "/program/KMLSettings.txt");
    fs::copy(FLENMARK_RESOURCES_DIR "/icons", root_ + "/program/icons");
}

TempFolders::~TempFolders() {
    std::error_code ec;
    fs::permissions(root_, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(root_, ec);
}

std::string TempFolders::applicationDataRoot() const {
    return root_ + "/data";
}
std::string TempFolders::documentsRoot() const {
    return root_ + "/docs";
}
std::string TempFolders::programFolder() const {
    return root_ + "/program";
}

bool OffsetTableLink::OpenLink(int, int& result) {
    if (open_) {
        result = kLinkAlreadyOpen;
        return false;
    }
    if (!hostPresent) {
        result = kLinkNoHost;
        return false;
    }
    open_ = true;
    result = kLinkOk;
    return true;
}

bool OffsetTableLink::QueueRead(uint32_t offset, uint32_t size, void* destination, int& result) {
    if (!open_) {
        result = kLinkNotOpen;
        return false;
    }
    queue_.push_back({true, offset, std::vector<uint8_t>(size), destination});
    result = kLinkOk;
    return true;
}

bool OffsetTableLink::QueueWrite(uint32_t offset, uint32_t size, const void* source, int& result) {
    if (!open_) {
        result = kLinkNotOpen;
        return false;
    }
    const auto* bytes = static_cast<const uint8_t*>(source);
    queue_.push_back({false, offset, std::vector<uint8_t>(bytes, bytes + size), nullptr});
    result = kLinkOk;
    return true;
}

bool OffsetTableLink::ProcessRequests(int& result) {
    if (!open_) {
        result = kLinkNotOpen;
        return false;
    }
    if (queue_.empty()) {
        result = kLinkNothingQueued;
        return false;
    }
    deadlinesSeen.push_back(deadline.has_value());
    const bool fail = failAfterExchanges >= 0 && exchanges >= failAfterExchanges;
    ++exchanges;
    if (fail) {
        queue_.clear();
        result = kLinkTimeout;
        return false;
    }
    for (Request& r : queue_) {
        if (r.offset + r.data.size() > table.size()) continue;
        if (r.read) {
            std::memcpy(r.destination, table.data() + r.offset, r.data.size());
        } else {
            std::memcpy(table.data() + r.offset, r.data.data(), r.data.size());
            writes.push_back(r.offset);
        }
    }
    queue_.clear();
    result = kLinkOk;
    return true;
}

TestProgram::TestProgram() {
    program.FlightLogPath = dataPath("Flightlog.txt");
}

}  // namespace flenmark::testing
