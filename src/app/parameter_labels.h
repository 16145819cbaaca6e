#pragma once

#include "base/settings.h"

namespace flenmark {

// What the logging parameters dialog says of a value: in words, and its unit.
struct ParameterLabel {
    const char* words;  // "Heading change that logs a point, up to 10000 ft"
    const char* unit;   // "degrees"
};

// The label of a key the dialog edits; the key's own name for any other.
ParameterLabel ParameterLabelOf(const SettingsKey& key);

}  // namespace flenmark
