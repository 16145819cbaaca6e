#pragma once

namespace flenmark {

// What the core asks of the windows beyond the view models they render.
class UiHooks {
  public:
    virtual ~UiHooks() = default;
    // Restart the main window's 5-second message timer.
    virtual void restartMessageTimer() = 0;
    // Restart the status window's 5-second event timer.
    virtual void restartStatusMessageTimer() = 0;
    // Bring the main window back from the tray in its normal state.
    virtual void restoreFromTray() = 0;
    // Redraw the windows from the view models now (during long operations).
    virtual void refresh() = 0;
    // End the program at once, without its shutdown (the updater takes over).
    virtual void quitProgram() = 0;
};

}  // namespace flenmark
