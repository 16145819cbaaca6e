#include "app/flights_view.h"

#include <gtest/gtest.h>

#include "app/flight_summary_view.h"

namespace flenmark {
namespace {

LogbookEntry Flight(const char* start, const char* from, const char* to, const char* aircraft,
                    int64_t airS, double nm, std::optional<int64_t> rate, int64_t touchdowns) {
    LogbookEntry e;
    e.folder = std::string("/f/") + start + "/";
    FlightSummary& f = e.flight;
    f.startUtc = start;
    f.departure = from;
    f.departureName = std::string(from) == "EHAM" ? "Amsterdam Airport Schiphol" : "";
    f.arrival = to;
    f.aircraft = aircraft;
    f.blockTimeS = airS + 600;
    f.airTimeS = airS;
    f.distanceNm = nm;
    f.landingRateFpm = rate;
    f.landingRating = rate ? "Hard" : "";
    f.touchdowns = touchdowns;
    return e;
}

const std::vector<LogbookEntry> kFlights = {
    Flight("2009-07-12T14:35:07Z", "EHAM", "EGLL", "Trainer 172", 3600, 200.5, -312, 1),
    Flight("2009-07-10T09:00:00Z", "EGLL", "EHAM", "Jet 737", 4500, 210, -120, 2),
    Flight("2009-07-11T18:00:00Z", "LFPG", "", "Jet 737", 0, 0.4, std::nullopt, 0),
};

std::vector<std::string> Dates(const FlightsView& v) {
    std::vector<std::string> d;
    for (const FlightRow& r : v.rows) d.push_back(r.date.substr(8, 2));
    return d;
}

TEST(FlightsView, SortsByTheColumnsValue) {
    using D = std::vector<std::string>;
    const struct {
        FlightColumn column;
        bool ascending;
        D days;
    } cases[] = {
        {FlightColumn::Date, true, {"10", "11", "12"}},
        {FlightColumn::Date, false, {"12", "11", "10"}},
        {FlightColumn::From, true, {"10", "12", "11"}},
        {FlightColumn::AirTime, false, {"10", "12", "11"}},
        {FlightColumn::Distance, true, {"11", "12", "10"}},  // 0.4 before 200.5 before 210
        {FlightColumn::Landing, true, {"11", "12", "10"}},   // none, -312, -120
        {FlightColumn::Aircraft, true, {"10", "11", "12"}},  // Jet (by date), Trainer
    };
    for (const auto& c : cases)
        EXPECT_EQ(Dates(MakeFlightsView(kFlights, "", c.column, c.ascending)), c.days)
            << static_cast<int>(c.column) << " " << c.ascending;
}

TEST(FlightsView, FiltersByAnyTextAndTotalsWhatIsShown) {
    const FlightsView all = MakeFlightsView(kFlights, "", FlightColumn::Date, true);
    EXPECT_EQ(all.totals.flights, 3u);
    EXPECT_EQ(all.totals.airHours, "2:15");
    EXPECT_EQ(all.totals.blockHours, "2:45");
    EXPECT_EQ(all.totals.landings, 3);
    const FlightRow& first = all.rows[2];
    EXPECT_EQ(first.date, "2009-07-12 14:35");
    EXPECT_EQ(first.airTime, "1:00");
    EXPECT_EQ(first.distance, "200.5 NM");
    EXPECT_EQ(first.landing, "-312 ft/min Hard");
    EXPECT_EQ(all.rows[1].landing, "");
    const struct {
        const char* filter;
        std::vector<std::string> days;
    } cases[] = {{"jet", {"10", "11"}},
                 {"schiphol", {"12"}},
                 {"eham", {"10", "12"}},
                 {"-120", {"10"}},
                 {"nowhere", {}}};
    for (const auto& c : cases) {
        const FlightsView v = MakeFlightsView(kFlights, c.filter, FlightColumn::Date, true);
        EXPECT_EQ(Dates(v), c.days) << c.filter;
        EXPECT_EQ(v.totals.flights, c.days.size());
    }
}

TEST(FlightSummaryView, ShowsTheFlightSoFar) {
    FlightTracker flight;
    EXPECT_EQ(SummaryViewOf(flight, nullptr, 0).distance, "");  // nothing recorded
    const AirportIndex airports =
        AirportIndex::FromText("EHAM\tA\t52.30860\t4.76389\tAmsterdam Airport Schiphol\n");
    flight.add("20090712143500:4,76000:52,30000:15:1:SA:0:0:0:0:0:150:-");
    const int64_t takeoff = 1247409360;  // 2009-07-12 14:36:00 UTC
    FlightSummaryView v = SummaryViewOf(flight, &airports, takeoff);
    EXPECT_EQ(v.sinceTakeoff, "\u2014");
    EXPECT_EQ(v.lastLanding, "\u2014");
    EXPECT_EQ(v.departure, "EHAM Amsterdam Airport Schiphol");
    flight.add(
        "20090712143600:4,74000:52,29000:600:0:TO=2:150:585:152:1500:150:240:20090712143500");
    flight.add("20090712144000:4,74000:52,29000:15:1:TD=-312/2:120:0:121:0:120:240:20090712143600");
    v = SummaryViewOf(flight, &airports, takeoff + 3600 + 62);
    EXPECT_EQ(v.sinceTakeoff, "1:01:02");
    EXPECT_EQ(v.highestAltitude, "600 ft");
    EXPECT_EQ(v.lastLanding, "-312 ft/min, Hard");
    EXPECT_EQ(v.distance, "0.9 NM");
}

}  // namespace
}  // namespace flenmark
