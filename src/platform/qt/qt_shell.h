#pragma once

#include "platform/shell.h"

namespace flenmark {

// Opens documents and addresses with the desktop's opener and starts programs, detached.
class QtShell final : public Shell {
  public:
    bool open(const std::string& pathOrAddress) override;
    bool startProgram(const std::string& path, const std::vector<std::string>& args) override;
};

}  // namespace flenmark
