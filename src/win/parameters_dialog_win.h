#pragma once

#include <utility>
#include <vector>

#include "app/dialog_models.h"
#include "app/program_port.h"
#include "platform/dialogs.h"
#include "win/options_dialog_win.h"

namespace flenmark::win {

// "Logging parameters": a box per numeric setting, normalised when it loses focus.
class ParametersDialog final : public ModalWindow {
  public:
    ParametersDialog(ProgramPort& port, Dialogs& dialogs, HWND owner);
    Edit* box(const std::string& key) const;

  protected:
    LRESULT onMessage(UINT message, WPARAM w, LPARAM l) override;

  private:
    void fill(const std::vector<ParameterBox>& boxes);
    ProgramPort& port_;
    Dialogs& dialogs_;
    std::vector<std::pair<const SettingsKey*, Edit*>> boxes_;
};

}  // namespace flenmark::win
