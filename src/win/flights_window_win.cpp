#include "win/flights_window_win.h"

#include "app/kept_flight_commands.h"
#include "app/program.h"
#include "base/win_text.h"

namespace flenmark::win {
namespace {

std::vector<std::string> CellsOf(const FlightRow& row) {
    return {row.date,      row.from,    row.to,       row.aircraft,
            row.blockTime, row.airTime, row.distance, row.landing};
}

}  // namespace

FlightsWindow::FlightsWindow(ProgramPort& port,
                             std::function<void(const LogbookEntry&)> openProfile)
    : port_(port), openProfile_(std::move(openProfile)) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    createWindow(kFlightsTitle, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, nullptr);
    auto filter = std::make_unique<Edit>(30);
    filter->name = "txtFlightsFilter";
    filter_ = &add(std::move(filter));
    SendMessageW(filter_->hwnd(), EM_SETCUEBANNER, TRUE,
                 reinterpret_cast<LPARAM>(Widen(kFlightsFilterHint).c_str()));
    auto table = std::make_unique<ListView>();
    table->name = "lvFlights";
    table_ = &add(std::move(table));
    table_->setColumns({FlightColumnTitles().begin(), FlightColumnTitles().end()});
    auto totals = std::make_unique<Label>();
    totals->name = "lblFlightsTotals";
    totals_ = &add(std::move(totals));
    std::vector<Item> buttons;
    for (const FlightActionLayout& action : FlightActions()) {
        Button& b = addButton(action.name, action.caption, action.tooltip,
                              [this, &action] { act(action); });
        actions_.push_back(&b);
        buttons.push_back(Ctl(b, false));
    }
    Item list = Ctl(*table_);
    list->expand = true;
    setLayout(Padding(
        11, VBox(Items(Ctl(*filter_), std::move(list), Ctl(*totals_), HBox(std::move(buttons), 6)),
                 8)));
    port_.post([](Program& p) { FlightsWindowOpened(p); });
    render();
    fitToLayout();
}

FlightsWindow::~FlightsWindow() {
    if (isOpen()) onClose();
}

void FlightsWindow::render() {
    auto entries = port_.view().logbook;
    if (entries == shown_) return;
    // The logbook arrives after the window was sized for its headers: the first rows widen it.
    const bool first = !shown_ && entries && !entries->empty();
    shown_ = entries;
    model_.show(std::move(entries));
    fill();
    if (first) fitToLayout(true);
}

// The rows of the model, the chosen one chosen, the header's arrow on the sorted column.
void FlightsWindow::fill() {
    filling_ = true;
    std::vector<std::vector<std::string>> rows;
    for (const FlightRow& row : model_.view().rows) rows.push_back(CellsOf(row));
    table_->setRows(rows);
    table_->showSort(static_cast<int>(model_.column()), model_.ascending());
    table_->select(model_.chosenRow());
    totals_->setText(model_.totalsText());
    filling_ = false;
    const bool chosen = model_.chosen() != nullptr;
    for (Button* b : actions_) b->setEnabled(chosen);
}

void FlightsWindow::act(const FlightActionLayout& action) {
    const LogbookEntry* flight = model_.chosen();
    if (!flight) return;
    if (action.opensProfile) return openProfile_(*flight);
    const auto command = action.command;
    port_.post([command, folder = flight->folder](Program& p) { command(p, folder); });
}

LRESULT FlightsWindow::onMessage(UINT message, WPARAM w, LPARAM l) {
    if (message == WM_COMMAND && HIWORD(w) == EN_CHANGE &&
        reinterpret_cast<HWND>(l) == filter_->hwnd()) {
        model_.setFilter(filter_->text());
        fill();
        return 0;
    }
    if (message == WM_NOTIFY) {
        const auto* note = reinterpret_cast<const NMHDR*>(l);
        if (note->hwndFrom == table_->hwnd() && note->code == LVN_COLUMNCLICK) {
            const auto* click = reinterpret_cast<const NMLISTVIEW*>(l);
            model_.sortBy(static_cast<FlightColumn>(click->iSubItem));
            fill();
            return 0;
        }
        // A double click views the flight in Google Earth, the first of the actions.
        if (note->hwndFrom == table_->hwnd() && note->code == NM_DBLCLK) {
            act(FlightActions().front());
            return 0;
        }
        if (note->hwndFrom == table_->hwnd() && note->code == LVN_ITEMCHANGED && !filling_) {
            const auto* change = reinterpret_cast<const NMLISTVIEW*>(l);
            if ((change->uChanged & LVIF_STATE) &&
                ((change->uNewState ^ change->uOldState) & LVIS_SELECTED)) {
                model_.choose(table_->selected());
                const bool chosen = model_.chosen() != nullptr;
                for (Button* b : actions_) b->setEnabled(chosen);
            }
            return 0;
        }
    }
    return Window::onMessage(message, w, l);
}

void FlightsWindow::onClose() {
    port_.post([](Program& p) { FlightsWindowClosed(p); });
    DestroyWindow(hwnd());
}

}  // namespace flenmark::win
