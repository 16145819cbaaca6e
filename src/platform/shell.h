#pragma once

#include <string>
#include <vector>

namespace flenmark {

// Hands documents, folders and web addresses to the desktop, and starts programs.
class Shell {
  public:
    virtual ~Shell() = default;
    // Opens a path or address with its associated application; false when that failed.
    virtual bool open(const std::string& pathOrAddress) = 0;
    // Starts a program detached from this one; false when it could not be started.
    virtual bool startProgram(const std::string& path, const std::vector<std::string>& args) = 0;
};

}  // namespace flenmark
