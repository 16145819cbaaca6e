#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace flenmark {
class FsuipcClient;
}

namespace flenmark::testing {

// Gives the test process its own runtime folder, so hosts and clients of one test meet
// only each other. Removed with the object.
class PrivateRuntimeDir {
  public:
    PrivateRuntimeDir();
    ~PrivateRuntimeDir();
    const std::string& path() const { return path_; }

  private:
    std::string path_;
    std::string previous_;
    bool hadPrevious_ = false;
};

// Opens the client's link, trying every 50 ms for up to `waitMs` (a host or bridge that is still
// starting, or coming back); false when it never opened.
bool OpenLinkWithin(FsuipcClient& client, int waitMs);

// Paths of the programs under test.
std::string SimHostPath();
std::string CliPath();

// Runs a program to its end with extra environment entries; its exit status, standard error and
// standard output.
struct RunResult {
    int status = -1;
    std::string errors;
    std::string output;  // standard output
};
RunResult RunProgram(const std::string& path, const std::vector<std::string>& args,
                     const std::vector<std::string>& environment = {});

// A program running beside the test; waited for with the object.
class BackgroundProgram {
  public:
    // With keepErrors, what it writes to its standard error is kept for errors().
    BackgroundProgram(const std::string& path, const std::vector<std::string>& args,
                      const std::vector<std::string>& environment, bool keepErrors = false);
    ~BackgroundProgram();
    BackgroundProgram(const BackgroundProgram&) = delete;
    BackgroundProgram& operator=(const BackgroundProgram&) = delete;
    // Asks it to end (SIGTERM).
    void terminate();
    // Sends it a signal (SIGINT as Ctrl+C does, SIGKILL as a crash would).
    void signal(int number);
    // What it wrote to its standard error so far (kept with keepErrors).
    std::string errors() const;
    // True while it runs.
    bool running();
    // Waits for its end; its exit status.
    int wait();
    // Waits up to timeoutMs for its end; its exit status, or -2 when it still runs.
    int waitFor(int timeoutMs);
    // The most memory it has held so far, in KiB (VmHWM); 0 when it cannot be read.
    long peakResidentKiB() const;

  private:
    pid_t pid_ = -1;
    int status_ = -1;
    std::string errorsPath_;
};

// A flenmark-simhost child process, ended (SIGTERM) with the object.
class SimHostProcess : public BackgroundProgram {
  public:
    explicit SimHostProcess(std::vector<std::string> args,
                            const std::string& windowClass = "UIPCMAIN");
    // True once the host accepts connections (waits up to 5 s).
    bool ready() const { return ready_; }
    // Ends the host and returns its exit status (-1 when it did not end normally).
    int stop() {
        terminate();
        return wait();
    }

  private:
    bool ready_ = false;
};

// Number of open descriptors of this process.
int OpenDescriptorCount();

}  // namespace flenmark::testing

namespace flenmark {
class FsuipcClient;
}

namespace flenmark::testing {

// Validates a document against the OGC KML 2.2 schema and the gx extension with xmllint, offline.
// Empty when valid, else what xmllint said.
std::string KmlSchemaErrors(const std::string& path);
// The same for a GPX 1.1 document.
std::string GpxSchemaErrors(const std::string& path);

}  // namespace flenmark::testing
