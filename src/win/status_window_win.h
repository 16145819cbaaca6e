#pragma once

#include <map>
#include <string>

#include "app/program_port.h"
#include "win/window_win.h"

namespace flenmark::win {

// The aircraft status window: six values in large print and the latest flight event, which
// its own timer clears five seconds later.
class StatusWindow final : public Window {
  public:
    explicit StatusWindow(ProgramPort& port);
    ~StatusWindow() override;
    void render();
    void restartEventTimer();
    Label* label(const std::string& name) const { return labels_.at(name); }

  protected:
    LRESULT onMessage(UINT message, WPARAM w, LPARAM l) override;
    void onClose() override;

  private:
    ProgramPort& port_;
    std::map<std::string, Label*> labels_;
};

}  // namespace flenmark::win
