#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace flenmark {

// Every tunable value of the recorder, as stored in "Offsets.txt". Member names are the keys.
struct Settings {
    float HDGOffset = 2;
    float AltOffset = 100;
    float VSOffset = 80;
    float HDGOffset100 = 4;
    float AltOffset100 = 200;
    float VSOffset100 = 150;
    int16_t ChaseDegreeOffset = 5;
    int16_t OverviewDegreeOffset = 45;
    int16_t ChaseTilt = 70;
    int16_t OverviewTilt = 45;
    int16_t OverviewRangeMultiplier = 10;
    int16_t OverviewRangeMin = 2000;
    int16_t GNDTilt = 60;
    int16_t GNDRange = 400;
    int16_t PredPathMultiplier = 10;
    int16_t PredPathMultiplierTCAS = 10;
    bool Debuging = false;
    int16_t CheckVS = 150;
    int16_t LocInt = 50;
    int16_t GSInt = 50;
    int16_t IgnoreILSBelow = 150;
    int16_t IgnoreILSAbove = 5000;
    int16_t IgnoreILSAboveVS = 500;
    bool ForceNoWinXP = false;
    bool XPlane = false;
    std::string XPlanePath;
    std::string XPUIPC = "0";
    bool MinUpdate = true;
    bool Update = true;
    // Added after the 29 keys: older files without them read the defaults.
    bool ResumeLogging = true;
    bool SaveAsKMZ = false;     // "View flight in Google Earth" saves one KMZ file
    bool UsageReports = false;  // anonymous usage reports, only when the user allows them
};

// How the logging-parameters dialog normalises a field when it loses focus.
enum class DialogRule { None, Absolute, NotNegative, Range };

using SettingsMember =
    std::variant<float Settings::*, int16_t Settings::*, bool Settings::*, std::string Settings::*>;

// One row of the settings table, in file order.
struct SettingsKey {
    const char* key;
    SettingsMember member;
    const char* dialogPreset;  // what the dialog's Reset puts in the box; null when not in it
    DialogRule rule;
    int rangeMax;  // for DialogRule::Range
};

// The keys in file order: the 29 of old, then ResumeLogging, SaveAsKMZ and UsageReports.
const std::vector<SettingsKey>& SettingsTable();

// The value of a key as written to the file ("2", "2,5", "True", text as is).
std::string SettingValueText(const Settings& s, const SettingsKey& key, char decimalSeparator);

// Stores a value read from the file; false when it cannot be converted to the key's type.
bool SetSettingFromText(Settings& s, const SettingsKey& key, const std::string& text);

// The normalisation of a dialog text box: whole-number part (rounded down), then the rule;
// the result always fits the key's type. Text that is not a number reads as its leading
// number, or 0.
std::string NormaliseDialogValue(const std::string& text, const SettingsKey& key);

}  // namespace flenmark
