#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/flights_view.h"

namespace flenmark {

struct Program;

// The flights window, for every front end alike: its title, columns, filter and the actions on
// the chosen flight. A front end lays them out and keeps one FlightsWindowModel.
inline constexpr const char* kFlightsTitle = "Flights";
inline constexpr const char* kFlightsFilterHint = "Filter by airport, aircraft, date...";
// The column captions, in the order of FlightColumn.
const std::vector<const char*>& FlightColumnTitles();

// An action on the chosen flight: the command posted with its folder, or the profile window,
// which the front end opens (see KeptFlightProfile).
struct FlightActionLayout {
    const char* name;
    const char* caption;
    const char* tooltip;
    void (*command)(Program&, const std::string& folder) = nullptr;
    bool opensProfile = false;
};
const std::vector<FlightActionLayout>& FlightActions();

// What the window shows of the logbook: filtered, sorted, totalled, and the flight chosen in it.
class FlightsWindowModel {
  public:
    // Takes the logbook as the program published it last; the chosen flight stays chosen while
    // it is in it, renamed too.
    void show(std::shared_ptr<const std::vector<LogbookEntry>> entries);
    void setFilter(const std::string& filter);
    // A click on a column's header: sorts by it, the other way round when it sorted by it.
    void sortBy(FlightColumn column);
    // Chooses the row of view().rows (nullopt: none).
    void choose(std::optional<size_t> row);

    const FlightsView& view() const { return view_; }
    FlightColumn column() const { return column_; }
    bool ascending() const { return ascending_; }
    // The chosen flight's row in view().rows, and the flight; none while it is filtered out.
    std::optional<size_t> chosenRow() const;
    const LogbookEntry* chosen() const;
    // The table's foot: "3 flights, 2:45 block hours, 2:15 air hours, 3 landings".
    std::string totalsText() const { return TotalsText(view_.totals); }

  private:
    void remake();
    std::shared_ptr<const std::vector<LogbookEntry>> entries_;
    std::string filter_;
    FlightColumn column_ = FlightColumn::Date;
    bool ascending_ = false;  // the latest flight first
    std::string chosenFolder_;
    std::string chosenStart_;
    FlightsView view_;
};

}  // namespace flenmark
