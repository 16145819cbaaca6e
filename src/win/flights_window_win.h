#pragma once

#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "app/flights_window.h"
#include "app/program_port.h"
#include "win/list_view_win.h"
#include "win/window_win.h"

namespace flenmark::win {

// "Flights": every kept flight in a table, sorted by a click on a column's header and filtered
// by the text box above it, the totals of the rows shown below it, and the actions on the
// chosen flight. It shows the logbook that the program publishes while the window is open.
class FlightsWindow final : public Window {
  public:
    // `openProfile` opens the profile of a kept flight.
    FlightsWindow(ProgramPort& port, std::function<void(const LogbookEntry&)> openProfile);
    ~FlightsWindow() override;
    // Shows the program's latest view of the logbook.
    void render();
    ListView& table() const { return *table_; }
    const FlightsWindowModel& model() const { return model_; }

  protected:
    LRESULT onMessage(UINT message, WPARAM w, LPARAM l) override;
    void onClose() override;

  private:
    void fill();
    void act(const FlightActionLayout& action);

    ProgramPort& port_;
    std::function<void(const LogbookEntry&)> openProfile_;
    FlightsWindowModel model_;
    std::shared_ptr<const std::vector<LogbookEntry>> shown_;
    Edit* filter_ = nullptr;
    ListView* table_ = nullptr;
    Label* totals_ = nullptr;
    std::vector<Button*> actions_;
    bool filling_ = false;
};

}  // namespace flenmark::win
