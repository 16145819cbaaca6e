#pragma once

#include <windows.h>
// The system's other headers need the types of windows.h.
#include <shellapi.h>

#include <map>
#include <memory>
#include <vector>

#include "app/program_port.h"
#include "app/window_layouts.h"
#include "platform/dialogs.h"
#include "platform/ui_hooks.h"
#include "platform/win/gui_thread.h"
#include "win/flights_window_win.h"
#include "win/profile_window_win.h"
#include "win/status_window_win.h"
#include "win/tcas_window_win.h"
#include "win/window_win.h"

namespace flenmark::win {

// The main window: renders the program's main view model and forwards clicks to the core
// through the port. Timer1 asks for the main tick each second, Timer2 clears the message line
// five seconds after a message. Minimised, it goes to the notification area. Its hooks may be
// called from the thread the ticks run on.
class MainWindow final : public Window, public UiHooks {
  public:
    explicit MainWindow(GuiThread& gui);
    ~MainWindow() override;
    // Attaches the program's port, builds the controls and shows the first view.
    void attach(ProgramPort& port, Dialogs& dialogs);
    // Asks the window to draw everything anew from the port's latest view; safe from any thread.
    void published();
    void render();
    void renderAll();
    void tick();
    void startTimer1();

    void restartMessageTimer() override;
    void restartStatusMessageTimer() override;
    void restoreFromTray() override;
    void refresh() override;
    void quitProgram() override;
    bool inTray() const { return inTray_; }

    void openTcasWindow();
    void openStatusWindow();
    void openProfileWindow();
    void openOptions();
    void openFlightsWindow();
    FlightsWindow* flightsWindow() const { return flights_.get(); }
    TcasWindow* tcasWindow() const { return tcas_.get(); }
    StatusWindow* statusWindow() const { return status_.get(); }
    ProfileWindow* profileWindow() const { return profile_.get(); }

  protected:
    LRESULT onMessage(UINT message, WPARAM w, LPARAM l) override;
    void onClose() override;

  private:
    void build();
    Item buildSummary();
    void openKeptProfile(const LogbookEntry& flight);
    void open(WindowToOpen which);
    void onMinimized();
    void showInTray(bool shown);

    GuiThread& gui_;
    ProgramPort* port_ = nullptr;
    Dialogs* dialogs_ = nullptr;
    std::map<std::string, Label*> labels_;
    std::map<std::string, Button*> buttons_;
    NOTIFYICONDATAW tray_{};
    bool inTray_ = false;
    bool minimizing_ = false;
    std::unique_ptr<TcasWindow> tcas_;
    std::unique_ptr<StatusWindow> status_;
    std::unique_ptr<ProfileWindow> profile_;
    std::unique_ptr<ProfileWindow> keptProfile_;
    std::unique_ptr<FlightsWindow> flights_;
    std::vector<Label*> summary_;  // the flight's values, in the order of FlightSummaryRows
};

}  // namespace flenmark::win
