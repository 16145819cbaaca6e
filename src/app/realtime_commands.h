#pragma once

#include <optional>
#include <string>

namespace flenmark {

struct Program;

// Writes "Flenmark Realtime.kml" into the data folder: the network link that makes Google Earth
// reload the realtime files every second. Its path, or nullopt (with a message) when it cannot
// be written.
std::optional<std::string> WriteRealtimeLinkFile(Program& program);
// Writes the link and opens it. False (with a message) when it cannot be written.
bool WriteRealtimeLink(Program& program);

// "Generate Google Earth realtime link": switches realtime (and, when connected, logging) on
// and hands Google Earth the link.
void GenerateRealtimeLink(Program& program);

// "Toggle realtime logging".
void ToggleRealtime(Program& program);

// The realtime conversion of the main tick: "Realtime.kml" and "RealtimeLocation.kml".
void ConvertRealtimeFiles(Program& program);

// The four view buttons.
void SetChaseView(Program& program);
void SetOverviewView(Program& program);
void SetViewFromLeft(Program& program);
void SetViewFromRight(Program& program);

}  // namespace flenmark
