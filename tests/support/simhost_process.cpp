#include "support/simhost_process.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

#include "base/link_protocol.h"
#include "simlink/fsuipc_client.h"

extern char** environ;

namespace flenmark::testing {

bool OpenLinkWithin(FsuipcClient& client, int waitMs) {
    int result = -1;
    for (int waited = 0;; waited += 50) {
        if (client.OpenLink(0, result)) return true;
        if (waited >= waitMs) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

namespace fs = std::filesystem;

PrivateRuntimeDir::PrivateRuntimeDir() {
    std::string pattern = (fs::temp_directory_path() / "flenmark-run-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp");
    path_ = pattern;
    if (const char* old = std::getenv("XDG_RUNTIME_DIR")) {
        hadPrevious_ = true;
        previous_ = old;
    }
    setenv("XDG_RUNTIME_DIR", path_.c_str(), 1);
}

PrivateRuntimeDir::~PrivateRuntimeDir() {
    if (hadPrevious_)
        setenv("XDG_RUNTIME_DIR", previous_.c_str(), 1);
    else
        unsetenv("XDG_RUNTIME_DIR");
    std::error_code ec;
    fs::remove_all(path_, ec);
}

namespace {

bool Accepts(const std::string& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const bool ok = ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return ok;
}

pid_t Spawn(const std::string& path, const std::vector<std::string>& args,
            const std::vector<std::string>& environment, int stderrFd, int stdoutFd = -1) {
    std::vector<std::string> all{path};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& a : all) argv.push_back(a.data());
    argv.push_back(nullptr);
    // The given variables replace the test's own of the same name (the first one wins).
    std::vector<std::string> env(environment.begin(), environment.end());
    for (char** e = environ; *e; ++e) {
        const std::string entry = *e;
        const std::string name = entry.substr(0, entry.find('=') + 1);
        bool given = false;
        for (const std::string& g : environment) given = given || g.rfind(name, 0) == 0;
        if (!given) env.push_back(entry);
    }
    std::vector<char*> envp;
    for (auto& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (stderrFd >= 0) posix_spawn_file_actions_adddup2(&actions, stderrFd, 2);
    if (stdoutFd >= 0) posix_spawn_file_actions_adddup2(&actions, stdoutFd, 1);
    pid_t pid = -1;
    if (posix_spawn(&pid, path.c_str(), &actions, nullptr, argv.data(), envp.data()) != 0) pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

int ExitStatus(int status) {
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

SimHostProcess::SimHostProcess(std::vector<std::string> args, const std::string& windowClass)
    : BackgroundProgram(SimHostPath(), args, {}) {
    const std::string socket = HostSocketPath(windowClass);
    for (int waited = 0; waited < 5000 && running(); waited += 10) {
        if (Accepts(socket)) {
            ready_ = true;
            break;
        }
        ::usleep(10000);
    }
}

std::string SimHostPath() {
    return FLENMARK_SIMHOST_PATH;
}
std::string CliPath() {
    return FLENMARK_CLI_PATH;
}

namespace {

// The text a program wrote into a temporary file, which goes with it.
std::string TakeFile(char* name, int fd) {
    ::close(fd);
    std::ifstream in(name);
    std::stringstream s;
    s << in.rdbuf();
    ::unlink(name);
    return s.str();
}

}  // namespace

RunResult RunProgram(const std::string& path, const std::vector<std::string>& args,
                     const std::vector<std::string>& environment) {
    char errors[] = "/tmp/flenmark-stderr-XXXXXX";
    char output[] = "/tmp/flenmark-stdout-XXXXXX";
    const int errorsFd = mkstemp(errors), outputFd = mkstemp(output);
    RunResult r;
    const pid_t pid = Spawn(path, args, environment, errorsFd, outputFd);
    int status = 0;
    if (pid > 0 && ::waitpid(pid, &status, 0) == pid) r.status = ExitStatus(status);
    r.errors = TakeFile(errors, errorsFd);
    r.output = TakeFile(output, outputFd);
    return r;
}

BackgroundProgram::BackgroundProgram(const std::string& path, const std::vector<std::string>& args,
                                     const std::vector<std::string>& environment, bool keepErrors) {
    int errorsFd = -1;
    if (keepErrors) {
        char name[] = "/tmp/flenmark-stderr-XXXXXX";
        errorsFd = mkstemp(name);
        errorsPath_ = name;
    }
    pid_ = Spawn(path, args, environment, errorsFd);
    if (errorsFd >= 0) ::close(errorsFd);
}

BackgroundProgram::~BackgroundProgram() {
    if (!errorsPath_.empty()) ::unlink(errorsPath_.c_str());
    if (pid_ <= 0) return;
    terminate();
    if (waitFor(5000) == -2) {
        ::kill(pid_, SIGKILL);  // a program that ignores SIGTERM must not hang the suite
        wait();
    }
}

std::string BackgroundProgram::errors() const {
    std::ifstream in(errorsPath_);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

int BackgroundProgram::waitFor(int timeoutMs) {
    for (int waited = 0; running(); waited += 10) {
        if (waited >= timeoutMs) return -2;
        ::usleep(10000);
    }
    return status_;
}

long BackgroundProgram::peakResidentKiB() const {
    std::ifstream status("/proc/" + std::to_string(pid_) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::atol(line.c_str() + 6);
    return 0;
}

void BackgroundProgram::terminate() {
    signal(SIGTERM);
}

void BackgroundProgram::signal(int number) {
    if (pid_ > 0) ::kill(pid_, number);
}

bool BackgroundProgram::running() {
    if (pid_ <= 0) return false;
    int status = 0;
    if (::waitpid(pid_, &status, WNOHANG) != pid_) return true;
    status_ = ExitStatus(status);
    pid_ = -1;
    return false;
}

int BackgroundProgram::wait() {
    if (pid_ > 0) {
        int status = 0;
        ::waitpid(pid_, &status, 0);
        status_ = ExitStatus(status);
        pid_ = -1;
    }
    return status_;
}

int OpenDescriptorCount() {
    int n = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator("/proc/self/fd")) ++n;
    return n;
}

}  // namespace flenmark::testing

namespace flenmark::testing {

namespace {

std::string SchemaErrors(const std::string& schema, const std::string& path,
                         const std::vector<std::string>& environment) {
    const RunResult r = RunProgram("/usr/bin/xmllint",
                                   {"--nonet", "--noout", "--schema", schema, path}, environment);
    return r.status == 0 ? std::string() : r.errors.empty() ? "xmllint failed" : r.errors;
}

}  // namespace

std::string KmlSchemaErrors(const std::string& path) {
    const std::string dir = FLENMARK_KML_SCHEMA_DIR;
    // Google's extension schema imports the OGC one: a document is checked against both.
    return SchemaErrors(dir + "/kml22gx.xsd", path, {"XML_CATALOG_FILES=" + dir + "/catalog.xml"});
}

std::string GpxSchemaErrors(const std::string& path) {
    return SchemaErrors(FLENMARK_GPX_SCHEMA, path, {});
}

}  // namespace flenmark::testing
