#pragma once

#include <string>

namespace flenmark {

struct Program;

// "View flight in Google Earth": asks for a name, converts "Flightlog.txt" with the animated
// replay, keeps a named copy in the saved tracks folder and opens it. Ends logging.
void ConvertFlightLogCommand(Program& program);

// "Export GPX/CSV...": the flight in the data folder as GPX or CSV, where the user chooses.
void ExportFlightCommand(Program& program);

// Asks where (starting in `folder` with `name`), then exports the log there as GPX or CSV by
// the chosen file's type, named `name`; the message line says how it went.
void ExportLogAsked(Program& program, const std::string& logPath, const std::string& folder,
                    const std::string& name);

// "Open SavedLogs folder".
void OpenSavedTracksFolder(Program& program);

// The "dd-mm-yyyy hh.mm" stamp of saved track names, from the local time.
std::string SavedTrackStamp(const Program& program);

}  // namespace flenmark
