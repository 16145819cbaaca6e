#pragma once

#include "platform/shell.h"
#include "platform/win/gui_thread.h"

namespace flenmark {

// Opens documents, folders and addresses with their associated application (ShellExecuteW
// "open": a converted flight in Google Earth when it is installed) and starts programs
// detached. False when nothing is associated with the file or the program cannot start.
class WinShell final : public Shell {
  public:
    explicit WinShell(GuiThread* gui = nullptr) : gui_(gui) {}
    bool open(const std::string& pathOrAddress) override;
    bool startProgram(const std::string& path, const std::vector<std::string>& args) override;

  private:
    GuiThread* gui_;
};

// A command line that hands each argument over unchanged, quoted as the C runtime reads it.
std::wstring QuotedCommandLine(const std::string& program, const std::vector<std::string>& args);

}  // namespace flenmark
