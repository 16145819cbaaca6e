#pragma once

#include <chrono>
#include <functional>
#include <string>

namespace flenmark {

class Http;
class Shell;
class Dialogs;

// What the updater window shows.
struct UpdaterView {
    std::string status = "Initializing...";
    std::string file;
    std::string progress;
};

// The updater's folders: where the programs live and its own data folder.
struct UpdaterFolders {
    std::string program;  // ends with "/"
    std::string user;     // ends with "/"
};

// The update run: downloads every file that changed between the installed and the newest
// version, reports (with `userName`, the installation's id, unless it is empty), and starts the
// main program again.
class UpdaterRun {
  public:
    UpdaterRun(Http& http, Shell& shell, Dialogs& dialogs, UpdaterFolders folders,
               std::string userName, std::function<void()> refresh,
               int runLimitMs = kUpdaterRunLimitMs);

    // How long the downloads of a run may take in all; files not reached by then are skipped.
    static constexpr int kUpdaterRunLimitMs = 15 * 60 * 1000;

    enum class End { Offline, Finished };
    End run();
    // The finishing step: the report, then the main program is started. Runs once.
    void finish();
    // Cancel: the finishing step at once; the run stops after the step it is in.
    void cancel();

    const UpdaterView& view() const { return view_; }
    int installed() const { return installed_; }
    int newest() const { return newest_; }

  private:
    void downloadFiles(const std::string& versionText);
    void show(const std::string& status, const std::string& file, const std::string& progress);

    Http& http_;
    Shell& shell_;
    Dialogs& dialogs_;
    UpdaterFolders folders_;
    std::string userName_;
    std::function<void()> refresh_;
    std::chrono::steady_clock::time_point deadline_;
    UpdaterView view_;
    bool online_ = false;
    bool finished_ = false;
    int installed_ = 0;
    int newest_ = 0;
};

// "Flen 1.2.5 - 1.3.0".
std::string UpdaterReportExtra(int installed, int newest);

}  // namespace flenmark
