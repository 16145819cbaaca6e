#include "app/parameter_labels.h"

#include <cstring>

namespace flenmark {
namespace {

struct KeyLabel {
    const char* key;
    ParameterLabel label;
};

// In table order, the keys the dialog edits.
constexpr KeyLabel kLabels[] = {
    {"HDGOffset", {"Heading change that logs a point, up to 10000 ft", "degrees"}},
    {"AltOffset", {"Altitude change that logs a point in level flight, up to 10000 ft", "ft"}},
    {"VSOffset", {"Vertical speed change that logs a point, up to 10000 ft", "ft/min"}},
    {"HDGOffset100", {"Heading change that logs a point, above 10000 ft", "degrees"}},
    {"AltOffset100", {"Altitude change that logs a point in level flight, above 10000 ft", "ft"}},
    {"VSOffset100", {"Vertical speed change that logs a point, above 10000 ft", "ft/min"}},
    {"ChaseDegreeOffset", {"Chase camera's heading offset", "degrees"}},
    {"OverviewDegreeOffset", {"Overview camera's heading offset", "degrees"}},
    {"ChaseTilt", {"Chase camera's tilt", "degrees"}},
    {"OverviewTilt", {"Overview camera's tilt", "degrees"}},
    {"OverviewRangeMultiplier", {"Overview camera's range for each foot above ground", "m"}},
    {"OverviewRangeMin", {"Overview camera's least range", "m"}},
    {"GNDTilt", {"Camera tilt on the ground", "degrees"}},
    {"GNDRange", {"Camera range on the ground", "m"}},
    {"PredPathMultiplier", {"Predicted path ahead of the aircraft", "seconds"}},
    {"PredPathMultiplierTCAS", {"Predicted path ahead of traffic", "seconds"}},
    {"CheckVS", {"Vertical speed from which the aircraft climbs or descends", "ft/min"}},
    {"LocInt", {"Localizer capture band, of full deflection", "%"}},
    {"GSInt", {"Glideslope band, of full deflection", "%"}},
    {"IgnoreILSBelow", {"ILS ignored at or below this height", "ft above ground"}},
    {"IgnoreILSAbove", {"ILS ignored at or above this height", "ft above ground"}},
    {"IgnoreILSAboveVS", {"ILS and markers ignored at or above this vertical speed", "ft/min"}},
};

}  // namespace

ParameterLabel ParameterLabelOf(const SettingsKey& key) {
    for (const KeyLabel& l : kLabels)
        if (std::strcmp(l.key, key.key) == 0) return l.label;
    return {key.key, ""};
}

}  // namespace flenmark
