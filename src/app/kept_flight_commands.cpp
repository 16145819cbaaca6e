#include "app/kept_flight_commands.h"

#include <filesystem>

#include "app/conversion_command.h"
#include "app/flight_conversion.h"
#include "app/flight_keeping.h"
#include "app/flights_view.h"
#include "app/messages.h"
#include "app/program.h"
#include "base/utf8_path.h"
#include "exports/flight_export.h"
#include "logbook/flight_folder_name.h"
#include "logbook/logbook.h"
#include "platform/data_folders.h"
#include "platform/trash.h"

namespace flenmark {
namespace {

namespace fs = std::filesystem;

// "Flight 2009-07-12 14.35" of ".../Flight 2009-07-12 14.35/".
std::string NameOf(const std::string& folder) {
    fs::path p = PathOf(folder);
    if (!p.has_filename()) p = p.parent_path();
    return TextOf(p.filename());
}

std::string WithoutSlash(std::string folder) {
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    return folder;
}

std::vector<LogbookEntry> ReadKeptFlights(Program& program) {
    std::vector<LogbookEntry> entries;
    for (const std::string& folder : KeptFlightFolders(FilesFolder(program.services.folders)))
        if (auto entry = ReadKeptFlight(folder, Airports(program)))
            entries.push_back(std::move(*entry));
    return entries;
}

std::vector<LogbookEntry> LoadFlights(Program& program) {
    if (const auto logbook = OpenLogbook(program)) {
        if (logbook->madeAnew())
            logbook->rebuild(FilesFolder(program.services.folders), Airports(program));
        if (auto entries = logbook->list()) return std::move(*entries);
    }
    return ReadKeptFlights(program);
}

// "the flight of 2009-07-12 14:35 from EHAM to EGLL"
std::string Described(const Program& program, const std::string& folder) {
    if (program.logbookEntries)
        for (const LogbookEntry& e : *program.logbookEntries)
            if (e.folder == folder) {
                const FlightSummary& f = e.flight;
                std::string text = "the flight of " + FlightDateText(f.startUtc);
                if (!f.departure.empty()) text += " from " + f.departure;
                if (!f.arrival.empty()) text += " to " + f.arrival;
                return text + " (\"" + NameOf(folder) + "\")";
            }
    return "the flight \"" + NameOf(folder) + "\"";
}

void Forget(Program& program, const std::string& folder) {
    if (const auto logbook = OpenLogbook(program)) logbook->remove(folder);
    // A flight interrupted by the simulator's loss is kept anew when it goes on.
    if (program.flight.folderName == NameOf(folder)) program.flight.folderName.clear();
    ReloadLogbook(program);
}

}  // namespace

void FlightsWindowOpened(Program& program) {
    program.FlightsWindowOpen = true;
    ReloadLogbook(program);
}

void FlightsWindowClosed(Program& program) {
    program.FlightsWindowOpen = false;
    program.logbookEntries.reset();
}

void ReloadLogbook(Program& program) {
    if (!program.FlightsWindowOpen) return;
    try {
        program.logbookEntries =
            std::make_shared<const std::vector<LogbookEntry>>(LoadFlights(program));
    } catch (const FolderError&) {
        program.logbookEntries = std::make_shared<const std::vector<LogbookEntry>>();
    }
}

void ViewKeptFlightInGoogleEarth(Program& program, const std::string& folder) {
    const std::string name = NameOf(folder);
    const std::string document = folder + name + (program.settings.SaveAsKMZ ? ".kmz" : ".kml");
    ShowMessage(program, "Converting flightlog...");
    program.services.ui.refresh();
    const ConversionOutcome converted =
        ConvertLogToKml(program, folder + "Flightlog.txt", document, name, false, "");
    if (!converted) return;
    if (converted.damagedLines == 0 && !converted.replayLeftOut)
        ShowMessage(program, "Tracklog converted and saved, opening Google Earth...");
    OpenOrTellWhere(program, document, "the flight in Google Earth");
}

void ExportKeptFlight(Program& program, const std::string& folder) {
    const std::string name = NameOf(folder);
    const auto path = program.services.dialogs.chooseSaveFile(
        "Export flight", folder + name + ".gpx", "GPX (*.gpx);;CSV (*.csv)");
    if (!path) return;
    const std::string out = IsExportPath(*path) ? *path : *path + ".gpx";
    const ExportResult r = ExportFlight(folder + "Flightlog.txt", out, name);
    if (!r.exported) return ShowMessage(program, "Not able to export flightlog");
    ShowMessage(program, r.damagedLines == 0
                             ? "Flight exported."
                             : "Flight exported; " + std::to_string(r.damagedLines) +
                                   " damaged line" + (r.damagedLines == 1 ? "" : "s") +
                                   " left out.");
}

void OpenKeptFlightFolder(Program& program, const std::string& folder) {
    OpenOrTellWhere(program, folder, "the flight's folder");
}

void AskRenameKeptFlight(Program& program, const std::string& folder) {
    const auto name = program.services.dialogs.askText(
        "Rename flight", "New name for the folder of " + Described(program, folder) + ":");
    if (name) RenameKeptFlight(program, folder, *name);
}

bool RenameKeptFlight(Program& program, const std::string& folder, const std::string& newName) {
    std::string renamed;
    const FlightRename outcome = RenameFlightFolder(folder, newName, renamed);
    const char* refusal = nullptr;
    switch (outcome) {
        case FlightRename::Renamed:
            break;
        case FlightRename::NotAName:
            refusal =
                "A flight's name may not be empty, hold / \\ : * ? \" < > | or end with a dot or "
                "a space.";
            break;
        case FlightRename::Taken:
            refusal = "Another flight or folder has that name already.";
            break;
        case FlightRename::Failed:
            refusal = "The flight's folder could not be renamed; is a file of it open?";
            break;
    }
    if (refusal) {
        program.services.dialogs.message("Rename flight", refusal);
        return false;
    }
    if (const auto logbook = OpenLogbook(program)) logbook->move(folder, renamed);
    if (program.flight.folderName == NameOf(folder)) program.flight.folderName = NameOf(renamed);
    ReloadLogbook(program);
    ShowMessage(program, "Flight renamed.");
    return true;
}

void AskDeleteKeptFlight(Program& program, const std::string& folder) {
    Dialogs& dialogs = program.services.dialogs;
    if (!dialogs.askYesNo("Delete flight", "Delete " + Described(program, folder) +
                                               "? Its folder is moved to the trash."))
        return;
    if (!MoveToTrash(WithoutSlash(folder))) {
        if (!dialogs.askYesNo("Delete flight",
                              "The flight's folder cannot be moved to the trash. Delete it for "
                              "good? It cannot be brought back."))
            return;
        std::error_code ec;
        fs::remove_all(PathOf(folder), ec);
        if (ec) {
            dialogs.message("Delete flight", "The flight's folder could not be deleted.");
            return ReloadLogbook(program);
        }
    }
    Forget(program, folder);
    ShowMessage(program, "Flight deleted.");
}

}  // namespace flenmark
