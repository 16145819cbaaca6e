#pragma once

#include <optional>

#include "app/profile_view.h"
#include "app/program_port.h"
#include "exports/profile_figure.h"
#include "win/window_win.h"

namespace flenmark::win {

// "Flight profile": the altitude and ground speed of the current log (or of a kept flight's)
// over time with its events, the same figure as the SVG picture, drawn with GDI+ and read again
// every five seconds while it is open.
class ProfileWindow final : public Window {
  public:
    explicit ProfileWindow(ProgramPort& port, std::optional<ProfileSource> kept = std::nullopt);
    ~ProfileWindow() override;
    // Reads the log again and redraws.
    void refresh();
    bool hasPicture() const { return figure_.has_value(); }

  protected:
    LRESULT onMessage(UINT message, WPARAM w, LPARAM l) override;
    void onClose() override;

  private:
    static LRESULT CALLBACK CanvasProc(HWND window, UINT message, WPARAM w, LPARAM l);
    void paint(HWND canvas);

    ProgramPort& port_;
    Canvas* canvas_ = nullptr;
    std::optional<ProfileSource> kept_;
    std::optional<Figure> figure_;
};

}  // namespace flenmark::win
