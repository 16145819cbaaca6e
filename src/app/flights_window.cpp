#include "app/flights_window.h"

#include "app/kept_flight_commands.h"

namespace flenmark {

const std::vector<const char*>& FlightColumnTitles() {
    static const std::vector<const char*> titles{"Date (UTC)", "From", "To",       "Aircraft",
                                                 "Block",      "Air",  "Distance", "Landing"};
    return titles;
}

const std::vector<FlightActionLayout>& FlightActions() {
    static const std::vector<FlightActionLayout> actions{
        {"btn_FlightEarth", "View in Google Earth",
         "Convert the flight, with its animated replay, and open it in Google Earth",
         [](Program& p, const std::string& f) { ViewKeptFlightInGoogleEarth(p, f); }},
        {"btn_FlightExport", "Export GPX/CSV...",
         "Save the flight for other programs: GPX for maps and GPS tools, CSV for spreadsheets",
         [](Program& p, const std::string& f) { ExportKeptFlight(p, f); }},
        {"btn_FlightProfile", "Profile", "Altitude and ground speed of the flight over time",
         nullptr, true},
        {"btn_FlightFolder", "Open folder", "Open the folder the flight's logs are kept in",
         [](Program& p, const std::string& f) { OpenKeptFlightFolder(p, f); }},
        {"btn_FlightRename", "Rename...", "Give the flight's folder another name",
         [](Program& p, const std::string& f) { AskRenameKeptFlight(p, f); }},
        {"btn_FlightDelete", "Delete...", "Move the flight's folder to the trash",
         [](Program& p, const std::string& f) { AskDeleteKeptFlight(p, f); }}};
    return actions;
}

void FlightsWindowModel::show(std::shared_ptr<const std::vector<LogbookEntry>> entries) {
    entries_ = std::move(entries);
    remake();
}

void FlightsWindowModel::setFilter(const std::string& filter) {
    filter_ = filter;
    remake();
}

void FlightsWindowModel::sortBy(FlightColumn column) {
    ascending_ = column == column_ ? !ascending_ : column != FlightColumn::Date;
    column_ = column;
    remake();
}

void FlightsWindowModel::choose(std::optional<size_t> row) {
    chosenFolder_.clear();
    chosenStart_.clear();
    if (!row || *row >= view_.rows.size() || !entries_) return;
    const LogbookEntry& e = (*entries_)[view_.rows[*row].entry];
    chosenFolder_ = e.folder;
    chosenStart_ = e.flight.startUtc;
}

std::optional<size_t> FlightsWindowModel::chosenRow() const {
    if (chosenFolder_.empty() || !entries_) return std::nullopt;
    const auto find = [this](auto same) -> std::optional<size_t> {
        for (size_t i = 0; i < view_.rows.size(); ++i)
            if (same((*entries_)[view_.rows[i].entry])) return i;
        return std::nullopt;
    };
    // A renamed flight is in another folder: it began when it did.
    if (const auto row = find([this](const LogbookEntry& e) { return e.folder == chosenFolder_; }))
        return row;
    return find([this](const LogbookEntry& e) { return e.flight.startUtc == chosenStart_; });
}

const LogbookEntry* FlightsWindowModel::chosen() const {
    const auto row = chosenRow();
    return row ? &(*entries_)[view_.rows[*row].entry] : nullptr;
}

void FlightsWindowModel::remake() {
    static const std::vector<LogbookEntry> kNone;
    view_ = MakeFlightsView(entries_ ? *entries_ : kNone, filter_, column_, ascending_);
}

}  // namespace flenmark
