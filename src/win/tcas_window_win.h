#pragma once

#include "app/program_port.h"
#include "win/window_win.h"

namespace flenmark::win {

// The TCAS window: the round, heading-up scope drawn with GDI+, the mode and range, and its
// buttons. Its timer refreshes the traffic once a second while it is open.
class TcasWindow final : public Window {
  public:
    explicit TcasWindow(ProgramPort& port);
    ~TcasWindow() override;
    void render();
    // One tick of the window's timer.
    void tick();
    // The scope's targets and their captions as last drawn, for tests.
    size_t drawnTargets() const { return drawn_; }
    size_t drawnLabels() const { return labelsDrawn_; }

  protected:
    LRESULT onMessage(UINT message, WPARAM w, LPARAM l) override;
    void onClose() override;

  private:
    static LRESULT CALLBACK ScopeProc(HWND window, UINT message, WPARAM w, LPARAM l);
    void paintScope(HWND scope);

    ProgramPort& port_;
    Canvas* scope_ = nullptr;
    Label* mode_ = nullptr;
    Label* range_ = nullptr;
    size_t drawn_ = 0;
    size_t labelsDrawn_ = 0;
};

}  // namespace flenmark::win
