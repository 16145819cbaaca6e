#pragma once

#include <string>

namespace flenmark {

struct Program;

// The flights window opened or closed: while it is open the program publishes the logbook
// (ProgramView::logbook) and publishes it again whenever a flight is kept, renamed or deleted.
// Without a readable logbook the kept flights' logs are read instead.
void FlightsWindowOpened(Program& program);
void FlightsWindowClosed(Program& program);
// Reads the logbook again for the open flights window.
void ReloadLogbook(Program& program);

// The actions on a kept flight, `folder` being its full path ending with "/".
// Converts its log with the animated replay into a KML (or KMZ) document in its folder, named
// after it, and opens that.
void ViewKeptFlightInGoogleEarth(Program& program, const std::string& folder);
// Exports it as GPX or CSV where the user chooses.
void ExportKeptFlight(Program& program, const std::string& folder);
void OpenKeptFlightFolder(Program& program, const std::string& folder);
// Asks for a new name, then renames it (see RenameKeptFlight).
void AskRenameKeptFlight(Program& program, const std::string& folder);
// Renames its folder and its logbook entry; a name that is not a plain folder name or that is
// taken is refused with a message saying why. True when renamed.
bool RenameKeptFlight(Program& program, const std::string& folder, const std::string& newName);
// Asks first, then moves its folder to the trash (or, when there is none and the user agrees
// again, deletes it) and takes it out of the logbook.
void AskDeleteKeptFlight(Program& program, const std::string& folder);

}  // namespace flenmark
