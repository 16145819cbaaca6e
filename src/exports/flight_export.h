#pragma once

#include <string>

namespace flenmark {

// Exports a recorded flight to `outPath`, GPX or CSV by its extension (".gpx", ".csv"). The file
// is written aside and put in place whole. False (and the file as it was) when the log cannot
// be read, holds no usable line or the file cannot be written.
struct ExportResult {
    bool exported = false;
    size_t damagedLines = 0;
};
ExportResult ExportFlight(const std::string& logPath, const std::string& outPath,
                          const std::string& name);

// The extension of a file name in lower case ("gpx" of "Flight.GPX"); "" without one.
std::string FileExtension(const std::string& path);

// True for an output path this export can write.
bool IsExportPath(const std::string& outPath);

}  // namespace flenmark
