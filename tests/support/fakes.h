#pragma once

#include <cstdint>
#include <cstring>
#include <deque>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/program.h"
#include "base/text_files.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/folders.h"
#include "platform/shell.h"
#include "platform/ui_hooks.h"
#include "simlink/sim_link.h"
#include "support/text_files.h"

namespace flenmark::testing {

// A clock set by the test: a UTC moment and the local zone's offset from it.
class FakeClock final : public Clock {
  public:
    void setUtc(const DateTime& t) { utcSeconds_ = ToEpochSeconds(t); }
    void setZoneOffsetMinutes(int minutes) { zoneOffsetMinutes_ = minutes; }
    void advanceSeconds(int64_t s) { utcSeconds_ += s; }
    DateTime localNow() const override {
        return FromEpochSeconds(utcSeconds_ + zoneOffsetMinutes_ * 60);
    }
    DateTime utcNow() const override { return FromEpochSeconds(utcSeconds_); }

  private:
    int64_t utcSeconds_ = ToEpochSeconds({2009, 7, 12, 14, 35, 7});
    int zoneOffsetMinutes_ = 0;
};

// Folders inside a fresh temporary folder, removed with the object.
class TempFolders final : public Folders {
  public:
    TempFolders();
    ~TempFolders() override;
    std::string applicationDataRoot() const override;
    std::string documentsRoot() const override;
    std::string programFolder() const override;
    const std::string& root() const { return root_; }
    // The data folder, with its trailing slash.
    std::string data() const { return applicationDataRoot() + "/Flenmark/"; }

  private:
    std::string root_;
};

// Answers questions from a script and records everything shown.
class FakeDialogs final : public Dialogs {
  public:
    void message(const std::string& title, const std::string& text) override {
        messages.emplace_back(title, text);
    }
    bool askYesNo(const std::string& title, const std::string& text) override {
        questions.emplace_back(title, text);
        return yesNoAnswer;
    }
    std::optional<std::string> askText(const std::string& title, const std::string&) override {
        questions.emplace_back(title, "");
        return textAnswer;
    }
    std::optional<std::string> chooseFolder(const std::string&) override { return folderAnswer; }
    std::optional<std::string> chooseSaveFile(const std::string&, const std::string& suggested,
                                              const std::string&) override {
        suggestedFile = suggested;
        return saveFileAnswer;
    }
    std::optional<std::string> saveFileAnswer;
    std::string suggestedFile;

    bool yesNoAnswer = true;
    std::optional<std::string> textAnswer;
    std::optional<std::string> folderAnswer;
    std::vector<std::pair<std::string, std::string>> messages;
    std::vector<std::pair<std::string, std::string>> questions;
};

class FakeShell final : public Shell {
  public:
    bool open(const std::string& what) override {
        opened.push_back(what);
        return openSucceeds;
    }
    bool startProgram(const std::string& path, const std::vector<std::string>&) override {
        started.push_back(path);
        return true;
    }
    bool openSucceeds = true;
    std::vector<std::string> opened;
    std::vector<std::string> started;
};

class FakeUiHooks final : public UiHooks {
  public:
    void restartMessageTimer() override { ++messageTimerRestarts; }
    void restartStatusMessageTimer() override { ++statusTimerRestarts; }
    void restoreFromTray() override { ++restores; }
    void refresh() override { ++refreshes; }
    void quitProgram() override { ++quits; }
    int messageTimerRestarts = 0;
    int statusTimerRestarts = 0;
    int restores = 0;
    int refreshes = 0;
    int quits = 0;
};

// A simulator in memory: a 64 KiB offset table that reads and writes go to directly.
class OffsetTableLink final : public SimLink {
  public:
    OffsetTableLink() : table(0x10000, 0) {}

    bool OpenLink(int, int& result) override;
    void CloseLink() override {
        open_ = false;
        queue_.clear();
    }
    bool QueueRead(uint32_t offset, uint32_t size, void* destination, int& result) override;
    bool QueueWrite(uint32_t offset, uint32_t size, const void* source, int& result) override;
    bool ProcessRequests(int& result) override;
    int simVersion() const override { return 8; }
    void setDeadline(std::optional<std::chrono::steady_clock::time_point> d) override {
        deadline = d;
    }
    std::optional<std::chrono::steady_clock::time_point> deadline;
    std::vector<bool> deadlinesSeen;  // whether each exchange had a deadline

    template <class T>
    void poke(uint32_t offset, T value) {
        std::memcpy(table.data() + offset, &value, sizeof value);
    }
    template <class T>
    T peek(uint32_t offset) const {
        T value;
        std::memcpy(&value, table.data() + offset, sizeof value);
        return value;
    }

    std::vector<uint8_t> table;
    bool hostPresent = true;
    int failAfterExchanges = -1;  // the exchange with this number (from 0) and later fail
    int exchanges = 0;
    std::vector<uint32_t> writes;  // offsets written, in order

  private:
    struct Request {
        bool read;
        uint32_t offset;
        std::vector<uint8_t> data;
        void* destination;
    };
    bool open_ = false;
    std::deque<Request> queue_;
};

// A program wired to fakes, with its data folder in a temporary folder.
struct TestProgram {
    FakeClock clock;
    TempFolders folders;
    FakeDialogs dialogs;
    FakeShell shell;
    FakeUiHooks ui;
    OffsetTableLink link;
    Program program{Services{clock, folders, dialogs, shell, ui, link}};

    TestProgram();
    std::string dataPath(const std::string& name) const { return folders.data() + name; }
};

using flenmark::SplitLines;

}  // namespace flenmark::testing
