#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace flenmark {

// An airport of "Airports.txt" (made by scripts/make-airports).
struct Airport {
    std::string code;  // "EHAM"
    std::string name;  // "Amsterdam Airport Schiphol"
    double latDeg = 0;
    double lonDeg = 0;
    // An airport or airfield with a runway; false for heliports, seaplane and balloon bases
    // and closed fields.
    bool hasRunway = true;
};

// The airports of the world in cells of one degree, so that finding the nearest one looks at a
// few hundred airports at most.
class AirportIndex {
  public:
    // The airports of the file's text; lines that cannot be read are left out.
    static AirportIndex FromText(std::string_view text);
    // nullopt when the file cannot be read.
    static std::optional<AirportIndex> Load(const std::string& path);

    // The nearest airport with a runway within `withinKm`; when none is, the nearest other one
    // (a heliport, a closed field) that near; nullptr when nothing is.
    const Airport* nearest(double latDeg, double lonDeg, double withinKm) const;
    size_t size() const { return airports_.size(); }

  private:
    void add(Airport airport);
    void sortIntoCells();
    // The airports of one cell, as a range of airports_.
    std::pair<size_t, size_t> cell(int latCell, int lonCell) const;

    std::vector<Airport> airports_;
    std::vector<int32_t> cellKeys_;  // sorted, one per airport
};

}  // namespace flenmark
