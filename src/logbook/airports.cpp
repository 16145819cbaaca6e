#include "logbook/airports.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <numeric>

#include "base/geodesy.h"
#include "base/text_files.h"

namespace flenmark {
namespace {

constexpr double kKmPerNm = 1.852;
constexpr int kLonCells = 360;

int LatCell(double latDeg) {
    return std::clamp(static_cast<int>(std::floor(latDeg)), -90, 89);
}
int LonCell(double lonDeg) {
    const int c = static_cast<int>(std::floor(lonDeg));
    return ((c + 180) % kLonCells + kLonCells) % kLonCells - 180;
}
int32_t CellKey(int latCell, int lonCell) {
    return (latCell + 90) * kLonCells + (lonCell + 180);
}

std::optional<double> Degrees(std::string_view text, double limit) {
    try {
        size_t used = 0;
        const double value = std::stod(std::string(text), &used);
        if (used != text.size() || !(std::abs(value) <= limit)) return std::nullopt;
        return value;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

std::optional<Airport> ParseLine(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || line.front() == '#') return std::nullopt;
    const auto f = SplitFields(line, '\t');
    if (f.size() != 5 || f[0].empty() || f[1].size() != 1) return std::nullopt;
    const auto lat = Degrees(f[2], 90);
    const auto lon = Degrees(f[3], 180);
    if (!lat || !lon) return std::nullopt;
    return Airport{std::string(f[0]), std::string(f[4]), *lat, *lon, f[1] == "A"};
}

}  // namespace

AirportIndex AirportIndex::FromText(std::string_view text) {
    AirportIndex index;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        if (auto airport = ParseLine(text.substr(start, end - start)))
            index.add(std::move(*airport));
        start = end + 1;
    }
    index.sortIntoCells();
    return index;
}

std::optional<AirportIndex> AirportIndex::Load(const std::string& path) {
    const auto text = ReadWholeFile(path);
    if (!text) return std::nullopt;
    return FromText(*text);
}

void AirportIndex::add(Airport airport) {
    airports_.push_back(std::move(airport));
}

void AirportIndex::sortIntoCells() {
    std::vector<int32_t> keys(airports_.size());
    for (size_t i = 0; i < airports_.size(); ++i)
        keys[i] = CellKey(LatCell(airports_[i].latDeg), LonCell(airports_[i].lonDeg));
    std::vector<size_t> order(airports_.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return keys[a] < keys[b]; });
    std::vector<Airport> sorted;
    sorted.reserve(airports_.size());
    cellKeys_.clear();
    for (size_t i : order) {
        sorted.push_back(std::move(airports_[i]));
        cellKeys_.push_back(keys[i]);
    }
    airports_ = std::move(sorted);
}

std::pair<size_t, size_t> AirportIndex::cell(int latCell, int lonCell) const {
    const auto range =
        std::equal_range(cellKeys_.begin(), cellKeys_.end(), CellKey(latCell, lonCell));
    return {static_cast<size_t>(range.first - cellKeys_.begin()),
            static_cast<size_t>(range.second - cellKeys_.begin())};
}

const Airport* AirportIndex::nearest(double latDeg, double lonDeg, double withinKm) const {
    // The cells a circle of `withinKm` may reach: one degree of latitude is 111 km, one of
    // longitude shrinks towards the poles, where every cell of the ring is looked at.
    const int latSpan = static_cast<int>(std::ceil(withinKm / 111.0));
    const double cosLat =
        std::cos(std::min(std::abs(latDeg) + latSpan, 90.0) * std::numbers::pi / 180.0);
    const int lonSpan = cosLat * 111.0 * (kLonCells / 2) <= withinKm
                            ? kLonCells / 2
                            : static_cast<int>(std::ceil(withinKm / (111.0 * cosLat)));
    const Airport* best[2] = {nullptr, nullptr};  // with a runway, without
    double bestKm[2] = {withinKm, withinKm};
    const int lat0 = LatCell(latDeg), lon0 = LonCell(lonDeg);
    for (int la = std::max(lat0 - latSpan, -90); la <= std::min(lat0 + latSpan, 89); ++la) {
        for (int dl = -lonSpan; dl <= lonSpan && dl < kLonCells - lonSpan; ++dl) {
            const auto [first, last] = cell(la, LonCell(lon0 + dl));
            for (size_t i = first; i < last; ++i) {
                const Airport& a = airports_[i];
                const double km =
                    GreatCircleDistanceNm(latDeg, lonDeg, a.latDeg, a.lonDeg, false) * kKmPerNm;
                const int k = a.hasRunway ? 0 : 1;
                if (km <= bestKm[k]) best[k] = &a, bestKm[k] = km;
            }
        }
    }
    return best[0] ? best[0] : best[1];
}

}  // namespace flenmark
