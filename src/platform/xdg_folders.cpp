#include "platform/xdg_folders.h"

#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace flenmark {
namespace {

std::string Env(const char* name) {
    const char* v = std::getenv(name);
    return v ? std::string(v) : std::string();
}

std::string Home() {
    std::string home = Env("HOME");
    if (home.empty()) throw FolderError("The folder path could not be detected");
    return home;
}

}  // namespace

std::string DocumentsDirFromUserDirs(const std::string& userDirsText, const std::string& home) {
    std::istringstream in(userDirsText);
    std::string line;
    const std::string key = "XDG_DOCUMENTS_DIR=";
    while (std::getline(in, line)) {
        if (line.rfind(key, 0) != 0) continue;
        std::string value = line.substr(key.size());
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        if (value.rfind("$HOME", 0) == 0) value = home + value.substr(5);
        while (value.size() > 1 && value.back() == '/') value.pop_back();
        return value;
    }
    return {};
}

std::string XdgFolders::applicationDataRoot() const {
    std::string root = Env("XDG_DATA_HOME");
    if (!root.empty() && root.front() == '/') return root;
    return Home() + "/.local/share";
}

std::string XdgFolders::documentsRoot() const {
    const std::string home = Home();
    std::string config = Env("XDG_CONFIG_HOME");
    if (config.empty() || config.front() != '/') config = home + "/.config";
    std::ifstream in(config + "/user-dirs.dirs");
    if (in) {
        std::stringstream text;
        text << in.rdbuf();
        std::string docs = DocumentsDirFromUserDirs(text.str(), home);
        if (!docs.empty() && docs != home) return docs;
    }
    return home + "/Documents";
}

std::string XdgFolders::programFolder() const {
    char buffer[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0) throw FolderError("The folder path could not be detected");
    std::string path(buffer, static_cast<size_t>(n));
    return path.substr(0, path.find_last_of('/'));
}

}  // namespace flenmark
