#pragma once

#include <iostream>

#include "app/program.h"
#include "platform/dialogs.h"
#include "platform/shell.h"
#include "platform/ui_hooks.h"

namespace flenmark::cli {

// Without windows: questions get their "No"/cancel answers, notices and messages go to
// standard error, nothing is opened.
class ConsoleDialogs final : public Dialogs {
  public:
    void message(const std::string& title, const std::string& text) override {
        std::cerr << title << ": " << text << "\n";
    }
    bool askYesNo(const std::string&, const std::string&) override { return false; }
    std::optional<std::string> askText(const std::string&, const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> chooseFolder(const std::string&) override { return std::nullopt; }
};

class ConsoleShell final : public Shell {
  public:
    bool open(const std::string&) override { return false; }
    bool startProgram(const std::string&, const std::vector<std::string>&) override {
        return false;
    }
};

// Prints each message as it is shown.
class ConsoleUiHooks final : public UiHooks {
  public:
    void attach(const Program& program) { program_ = &program; }
    void restartMessageTimer() override {
        if (program_) std::cerr << program_->mainView.label7.text << "\n";
    }
    void restartStatusMessageTimer() override {
        if (program_) std::cerr << program_->statusView.lblEvent.text << "\n";
    }
    void restoreFromTray() override {}
    void refresh() override {}
    void quitProgram() override {}

  private:
    const Program* program_ = nullptr;
};

}  // namespace flenmark::cli
