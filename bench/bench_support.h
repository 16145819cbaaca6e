#pragma once

#include <stdlib.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "app/program.h"
#include "platform/system_clock.h"

namespace flenmark::bench {

class NullDialogs final : public Dialogs {
    void message(const std::string&, const std::string&) override {}
    bool askYesNo(const std::string&, const std::string&) override { return false; }
    std::optional<std::string> askText(const std::string&, const std::string&) override {
        return {};
    }
    std::optional<std::string> chooseFolder(const std::string&) override { return {}; }
};
class NullShell final : public Shell {
    bool open(const std::string&) override { return false; }
    bool startProgram(const std::string&, const std::vector<std::string>&) override {
        return false;
    }
};
class NullUi final : public UiHooks {
    void restartMessageTimer() override {}
    void restartStatusMessageTimer() override {}
    void restoreFromTray() override {}
    void refresh() override {}
    void quitProgram() override {}
};
class NullLink final : public SimLink {
    bool OpenLink(int, int& r) override { return (r = kLinkNoHost), false; }
    void CloseLink() override {}
    bool QueueRead(uint32_t, uint32_t, void*, int& r) override { return (r = kLinkNotOpen), false; }
    bool QueueWrite(uint32_t, uint32_t, const void*, int& r) override {
        return (r = kLinkNotOpen), false;
    }
    bool ProcessRequests(int& r) override { return (r = kLinkNotOpen), false; }
    int simVersion() const override { return 0; }
    void setDeadline(std::optional<std::chrono::steady_clock::time_point>) override {}
};

// Folders in a temporary folder (in `base`), removed with the object.
class BenchFolders final : public Folders {
  public:
    explicit BenchFolders(const std::string& base = "/tmp") {
        std::string dir = base + "/flenmark-bench-XXXXXX";
        root_ = mkdtemp(dir.data());
        std::filesystem::create_directories(root_ + "/data/Flenmark");
        std::filesystem::create_directories(root_ + "/program");
        std::filesystem::copy_file(FLENMARK_RESOURCES_DIR "/KMLSettings.txt",
                                   root_ + "/program/KMLSettings.txt");
    }
    ~BenchFolders() override { std::filesystem::remove_all(root_); }
    std::string applicationDataRoot() const override { return root_ + "/data"; }
    std::string documentsRoot() const override { return root_ + "/docs"; }
    std::string programFolder() const override { return root_ + "/program"; }
    std::string data(const std::string& name) const { return root_ + "/data/Flenmark/" + name; }

  private:
    std::string root_;
};

// A flight of `seconds` samples one second apart circling at 3000 ft, with an event every
// 50 samples, as the recorder writes it.
inline std::string SyntheticLine(int second, bool withCode) {
    char stamp[32];
    const int h = second / 3600 % 24, m = second / 60 % 60, s = second % 60;
    std::snprintf(stamp, sizeof stamp, "20090712%02d%02d%02d", h, m, s);
    char prev[32];
    const int p = second - 1;
    std::snprintf(prev, sizeof prev, "20090712%02d%02d%02d", p / 3600 % 24, p / 60 % 60, p % 60);
    const double a = second * 0.01;
    char line[256];
    std::snprintf(line, sizeof line, "%s:%.10f:%.10f:%d:0:%s:140:2990:150:0:145:%d:%s", stamp,
                  4.76 + 0.05 * std::cos(a), 52.3 + 0.03 * std::sin(a), 3000 + second % 7,
                  withCode && second % 50 == 0 ? "GD" : "", second % 360, second == 0 ? "-" : prev);
    return line;
}

inline void WriteLines(const std::string& path, int count, int everySeconds, bool codes) {
    std::ofstream out(path, std::ios::binary);
    for (int i = 0; i < count; ++i) out << SyntheticLine(i * everySeconds, codes) << "\r\n";
}

}  // namespace flenmark::bench
