#pragma once

#include <map>
#include <string>
#include <vector>

namespace flenmark {

// A file the updater installs: where it comes from, where it goes, and the version of the
// main program in which it last changed.
struct UpdateFile {
    std::string address;
    std::string destination;
    int version = 0;
};

// "FlenmarkVersion.txt" as read: numbers are 0 and texts empty when missing or unreadable.
struct VersionFile {
    int minVer = 0;
    int majVer = 0;
    int updateVer = 0;
    std::map<std::string, std::string> messages;  // "MessageAll" and so on
    bool hasUpdater = false;
    std::string updaterAddress;
    std::string updaterDestination;
    std::vector<UpdateFile> files;

    const std::string& message(const std::string& key) const;
};

// Reads a version file; CR LF, LF and CR line ends are all taken.
VersionFile ParseVersionFile(const std::string& text);

// major * 10000 + minor * 100 + revision of "1.2.5"; 0 when it is not such a text.
int VersionNumber(const std::string& dotted);

// "1.2.5" of 10205.
std::string DottedVersion(int number);

}  // namespace flenmark
