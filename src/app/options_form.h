#pragma once

#include <string>

#include "app/dialog_models.h"
#include "app/program_port.h"

namespace flenmark {

// The options dialog's controls as any front end has them.
class OptionsControls {
  public:
    virtual ~OptionsControls() = default;
    virtual bool checked(const OptionsCheck& box) const = 0;
    virtual void setChecked(const OptionsCheck& box, bool checked) = 0;
    virtual void setEnabled(const OptionsCheck& box, bool enabled) = 0;
    virtual void showPackagedNote(bool shown) = 0;
    virtual std::string xplanePath() const = 0;
    virtual void setXPlanePath(const std::string& path) = 0;
    virtual std::string xpuipc() const = 0;
    virtual void setXPuipc(const std::string& version) = 0;
};

// What the options dialog does, over its controls: it is filled from the settings as the
// program last published them, "Browse..." asks the program for the X-Plane folder and shows
// what it found once the program published it, and OK sends the boxes' values to the program.
class OptionsForm {
  public:
    OptionsForm(ProgramPort& port, OptionsControls& controls) : port_(port), controls_(controls) {}
    void load();
    void browse();
    // The program published a new view.
    void viewChanged();
    void ok();

  private:
    ProgramPort& port_;
    OptionsControls& controls_;
    bool browsing_ = false;
    bool packaged_ = false;
};

}  // namespace flenmark
