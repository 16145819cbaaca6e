#pragma once

#include <string>

#include "base/settings.h"

namespace flenmark {

struct Program;

// Creates an empty "Offsets.txt" in the data folder when it is missing.
void EnsureSettingsFile(Program& program);

// Reads "Offsets.txt" into program.settings over the defaults. A value that cannot be read
// leaves its key at the default, and the message line names it ("Offsets.txt: VSOffset=nan
// cannot be read; the key takes its default."); the other keys keep what the file says.
void LoadSettings(Program& program);

// The settings a file holds over the defaults, for a program that only reads them (the
// updater); a value that cannot be read leaves its key at the default.
Settings ReadSettingsFile(const std::string& path);

// Writes all keys in table order. The file is replaced atomically, so it always holds
// the complete old or the complete new settings; "OffsetsBackup.txt" exists only meanwhile.
// Returns false (after showing the message) when the settings could not be saved.
bool SaveSettings(Program& program);

}  // namespace flenmark
