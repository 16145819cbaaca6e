#include "app/flight_keeping.h"

#include "app/kept_flight_commands.h"
#include "app/program.h"
#include "logbook/logbook.h"
#include "platform/data_folders.h"

namespace flenmark {
namespace {

std::unique_ptr<Logbook> OpenLogbook(const std::string& dataFolder) {
    return Logbook::Open(dataFolder + "Logbook.sqlite");
}

}  // namespace

std::unique_ptr<Logbook> OpenLogbook(Program& program) {
    try {
        return OpenLogbook(DataFolder(program.services.folders));
    } catch (const FolderError&) {
        return nullptr;
    }
}

const AirportIndex* Airports(Program& program) {
    if (!program.airports) {
        const auto path = FindResource(program.services.folders, "Airports.txt");
        auto loaded = path ? AirportIndex::Load(*path) : std::nullopt;
        program.airports = std::make_shared<const AirportIndex>(
            loaded ? std::move(*loaded) : AirportIndex::FromText(""));
    }
    return program.airports->size() > 0 ? program.airports.get() : nullptr;
}

void BeginFlight(Program& program) {
    try {
        program.flight = {};
        program.flight.start = MarkFlightStart(DataFolder(program.services.folders));
        program.flight.open = true;
    } catch (const FolderError&) {
    }
}

void TakeFlightLine(Program& program, const std::string& line) {
    if (!program.flight.open) return;
    program.flight.tracker.add(line);
    if (!program.telemetry.AircraftTitle.empty())
        program.flight.aircraft = program.telemetry.AircraftTitle;
}

void EndFlight(Program& program, bool mayResume) {
    FlightInProgress& flight = program.flight;
    if (!flight.open) return;
    flight.open = mayResume;
    try {
        const std::string data = DataFolder(program.services.folders);
        const std::string files = FilesFolder(program.services.folders);
        const auto name = KeepFlight(data, files, flight.start, flight.folderName, flight.aircraft);
        if (!name) return;
        flight.folderName = *name;
        IndexKeptFlight(program, *name);
    } catch (const FolderError&) {
    }
}

void IndexKeptFlight(Program& program, const std::string& folderName) {
    try {
        const Folders& folders = program.services.folders;
        const auto entry =
            ReadKeptFlight(FilesFolder(folders) + folderName + "/", Airports(program));
        if (!entry || entry->flight.startUtc.empty()) return;
        if (const auto logbook = OpenLogbook(DataFolder(folders))) logbook->put(*entry);
    } catch (const FolderError&) {
    }
    ReloadLogbook(program);
}

void CheckLogbook(Program& program) {
    try {
        const Folders& folders = program.services.folders;
        const auto logbook = OpenLogbook(DataFolder(folders));
        if (logbook && logbook->madeAnew())
            logbook->rebuild(FilesFolder(folders), Airports(program));
    } catch (const FolderError&) {
    }
}

}  // namespace flenmark
