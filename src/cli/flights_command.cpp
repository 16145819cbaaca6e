#include "cli/flights_command.h"

#include <cstdio>
#include <iostream>

#include "app/flights_view.h"
#include "base/command_line_error.h"
#include "base/text_files.h"
#include "logbook/logbook.h"
#include "platform/data_folders.h"
#include "platform/system_services.h"

namespace flenmark::cli {
namespace {

std::string JsonString(const std::string& s) {
    std::string out = "\"";
    for (const unsigned char c : s) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "\\u%04x", c);
            out += buffer;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

std::string JsonNumber(double v) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.1f", v);
    return buffer;
}

void PrintJson(const std::vector<LogbookEntry>& entries) {
    std::cout << "[";
    for (size_t i = 0; i < entries.size(); ++i) {
        const FlightSummary& f = entries[i].flight;
        std::cout << (i ? ",\n " : "\n ") << "{\"start_utc\": " << JsonString(f.startUtc)
                  << ", \"end_utc\": " << JsonString(f.endUtc)
                  << ", \"departure\": " << JsonString(f.departure)
                  << ", \"departure_name\": " << JsonString(f.departureName)
                  << ", \"arrival\": " << JsonString(f.arrival)
                  << ", \"arrival_name\": " << JsonString(f.arrivalName)
                  << ", \"aircraft\": " << JsonString(f.aircraft)
                  << ", \"block_time_s\": " << f.blockTimeS << ", \"air_time_s\": " << f.airTimeS
                  << ", \"distance_nm\": " << JsonNumber(f.distanceNm)
                  << ", \"max_altitude_ft\": " << f.maxAltitudeFt << ", \"landing_rate_fpm\": "
                  << (f.landingRateFpm ? std::to_string(*f.landingRateFpm) : "null")
                  << ", \"landing_rating\": " << JsonString(f.landingRating)
                  << ", \"touchdowns\": " << f.touchdowns
                  << ", \"folder\": " << JsonString(entries[i].folder) << "}";
    }
    std::cout << (entries.empty() ? "]\n" : "\n]\n");
}

void PrintTable(const std::vector<LogbookEntry>& entries) {
    const FlightsView view = MakeFlightsView(entries, "", FlightColumn::Date, true);
    std::printf("%-16s  %-6s  %-6s  %6s  %6s  %10s  %s\n", "Date (UTC)", "From", "To", "Block",
                "Air", "Distance", "Landing  Aircraft");
    for (const FlightRow& r : view.rows)
        std::printf("%-16s  %-6s  %-6s  %6s  %6s  %10s  %s  %s\n", r.date.c_str(), r.from.c_str(),
                    r.to.c_str(), r.blockTime.c_str(), r.airTime.c_str(), r.distance.c_str(),
                    r.landing.empty() ? "-" : r.landing.c_str(), r.aircraft.c_str());
    std::printf("%s\n", TotalsText(view.totals).c_str());
}

}  // namespace

int RunFlightsCommand(const std::vector<std::string>& args) {
    bool json = false, rebuild = false;
    for (const std::string& a : args) {
        if (a == "--json") {
            json = true;
        } else if (a == "--rebuild") {
            rebuild = true;
        } else {
            ReportCommandLineError("flenmark-cli", "flights: unknown option " + a);
            return 1;
        }
    }
    const auto folders = MakeFolders();
    try {
        const std::string data = DataFolder(*folders);
        CreateFolders(data);
        const auto logbook = Logbook::Open(data + "Logbook.sqlite");
        if (!logbook) {
            std::cerr << "flenmark-cli: the logbook " << data
                      << "Logbook.sqlite cannot be opened\n";
            return 1;
        }
        if (rebuild || logbook->madeAnew()) {
            const auto airportsPath = FindResource(*folders, "Airports.txt");
            const auto airports = airportsPath ? AirportIndex::Load(*airportsPath) : std::nullopt;
            const auto count =
                logbook->rebuild(FilesFolder(*folders), airports ? &*airports : nullptr);
            if (!count) {
                std::cerr << "flenmark-cli: the logbook could not be made again\n";
                return 1;
            }
            if (rebuild && !json) {
                std::cout << *count << " flights in the logbook\n";
                return 0;
            }
        }
        const auto entries = logbook->list();
        if (!entries) {
            std::cerr << "flenmark-cli: the logbook cannot be read\n";
            return 1;
        }
        json ? PrintJson(*entries) : PrintTable(*entries);
        return 0;
    } catch (const FolderError& e) {
        std::cerr << "flenmark-cli: " << e.what() << "\n";
        return 1;
    }
}

}  // namespace flenmark::cli
