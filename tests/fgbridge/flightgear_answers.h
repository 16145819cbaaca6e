#pragma once

#include <string>
#include <vector>

namespace flenmark::testing {

// A property node of FlightGear's JSON answers.
inline std::string FgLeaf(const std::string& name, const std::string& value, int index = 0) {
    return "{\"path\":\"/x/" + name + "\",\"name\":\"" + name +
           "\",\"index\":" + std::to_string(index) + ",\"type\":\"double\",\"value\":" + value +
           "}";
}

inline std::string FgNode(const std::string& name, const std::vector<std::string>& children,
                          int index = 0) {
    std::string out = "{\"path\":\"/x/" + name + "\",\"name\":\"" + name +
                      "\",\"index\":" + std::to_string(index) +
                      ",\"nChildren\":" + std::to_string(children.size()) + ",\"children\":[";
    for (size_t i = 0; i < children.size(); ++i) out += (i ? "," : "") + children[i];
    return out + "]}";
}

// An AI aircraft node of /ai/models.
inline std::string FgAircraft(int index, int id, const std::string& callsign, double lat,
                              double lon, double alt) {
    return FgNode("aircraft",
                  {FgLeaf("id", std::to_string(id)), FgLeaf("callsign", "\"" + callsign + "\""),
                   FgLeaf("valid", "true"),
                   FgNode("position", {FgLeaf("latitude-deg", std::to_string(lat)),
                                       FgLeaf("longitude-deg", std::to_string(lon)),
                                       FgLeaf("altitude-ft", std::to_string(alt))}),
                   FgNode("orientation", {FgLeaf("true-heading-deg", "90")}),
                   FgNode("velocities", {FgLeaf("true-airspeed-kt", "250"),
                                         FgLeaf("vertical-speed-fps", "-10")})},
                  index);
}

}  // namespace flenmark::testing
