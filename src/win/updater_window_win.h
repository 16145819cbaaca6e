#pragma once

#include <functional>

#include "online/updater_run.h"
#include "win/window_win.h"

namespace flenmark::win {

// The updater's window: what it does, the file it fetches, how far it got, and Cancel.
class UpdaterWindow final : public Window {
  public:
    UpdaterWindow();
    using Window::show;
    // Shows the run's view and lets the window redraw while the run goes on.
    void show(const UpdaterView& view);
    void onCancel(std::function<void()> cancel) { cancel_ = std::move(cancel); }

  protected:
    void onClose() override;

  private:
    Label* status_;
    Label* file_;
    Label* progress_;
    std::function<void()> cancel_;
};

}  // namespace flenmark::win
