#pragma once

#include <string>

#include "base/settings.h"

namespace flenmark {

struct Program;

// Creates an empty "Offsets.txt" in the data folder when it is missing.
void EnsureSettingsFile(Program& program);

// Reads "Offsets.txt" into program.settings over the defaults. A value that cannot be read
// shows a message and sets the first 23 keys back to their defaults.
void LoadSettings(Program& program);

// The settings a file holds over the defaults, for a program that only reads them (the
// updater); reading stops at a value that cannot be read.
Settings ReadSettingsFile(const std::string& path);

// Writes all keys in table order. The file is replaced atomically, so it always holds
// the complete old or the complete new settings; "OffsetsBackup.txt" exists only meanwhile.
// Returns false (after showing the message) when the settings could not be saved.
bool SaveSettings(Program& program);

}  // namespace flenmark
