#include "logbook/flight_summary.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "base/date_time.h"
#include "base/geodesy.h"
#include "base/number_text.h"
#include "base/text_files.h"
#include "kml/event_table.h"
#include "kml/log_lines.h"

namespace flenmark {
namespace {

int Digits(std::string_view s, size_t at, size_t n) {
    int v = 0;
    for (size_t i = at; i < at + n; ++i) v = v * 10 + (s[i] - '0');
    return v;
}

// A usable line's stamp (14 digits) as seconds since 1970.
int64_t StampSeconds(std::string_view stamp) {
    return ToEpochSeconds({Digits(stamp, 0, 4), Digits(stamp, 4, 2), Digits(stamp, 6, 2),
                           Digits(stamp, 8, 2), Digits(stamp, 10, 2), Digits(stamp, 12, 2)});
}

void NameAirport(const AirportIndex* airports, const std::optional<std::pair<double, double>>& at,
                 std::string& code, std::string& name) {
    if (!airports || !at) return;
    if (const Airport* a = airports->nearest(at->first, at->second, kAirportRadiusKm)) {
        code = a->code;
        name = a->name;
    }
}

}  // namespace

std::string UtcText(int64_t epochS) {
    const DateTime t = FromEpochSeconds(epochS);
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02dT%02d:%02d:%02dZ", t.year, t.month, t.day,
                  t.hour, t.minute, t.second);
    return buffer;
}

void FlightTracker::add(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (!IsUsableLine(line, LineLayout::Log)) return;
    const auto f = SplitFields(line, ':');
    const int64_t s = StampSeconds(f[0]);
    const auto lon = ParseNumber(f[1]);
    const auto lat = ParseNumber(f[2]);
    const bool onGround = f[4] == "1";
    const std::string_view code = f[5];
    if (lines_++ == 0) {
        firstS_ = s;
        if (!onGround) airborneFromS_ = s;
    }
    lastS_ = s;
    maxAltitudeFt_ = std::max<int64_t>(maxAltitudeFt_, SaturatingCast<int64_t>(NumericValue(f[3])));
    if (lat && lon) {
        const std::pair<double, double> pos{*lat, *lon};
        if (lastPos_)
            distanceNm_ += GreatCircleDistanceNm(lastPos_->first, lastPos_->second, pos.first,
                                                 pos.second, false);
        lastPos_ = pos;
        if (onGround) {
            // A flight that begins in the air has no departure.
            if (!firstGround_ && !airborneFromS_) firstGround_ = pos;
            lastGround_ = pos;
        }
        lastOnGround_ = onGround;
    }
    if (code.rfind("TO=", 0) == 0) {
        if (!takeoffS_) takeoffS_ = s;
        if (!airborneFromS_) airborneFromS_ = s;
    } else if (code.rfind("TD=", 0) == 0) {
        ++touchdowns_;
        lastTouchdownS_ = s;
        const std::string_view rate = code.substr(3, code.find('/') - 3);
        if (const auto v = ParseNumber(rate)) landingRateFpm_ = SaturatingCast<int64_t>(*v);
    }
}

FlightSummary FlightTracker::summary(const AirportIndex* airports) const {
    FlightSummary f;
    if (lines_ == 0) return f;
    f.startUtc = UtcText(firstS_);
    f.endUtc = UtcText(lastS_);
    f.blockTimeS = std::max<int64_t>(0, lastS_ - firstS_);
    if (airborneFromS_) {
        // Still in the air at the end: airborne until the last line.
        const bool landed = lastTouchdownS_ && *lastTouchdownS_ >= *airborneFromS_;
        f.airTimeS = std::max<int64_t>(0, (landed ? *lastTouchdownS_ : lastS_) - *airborneFromS_);
    }
    NameAirport(airports, firstGround_, f.departure, f.departureName);
    // A flight that ends in the air has no arrival.
    if (lastOnGround_) NameAirport(airports, lastGround_, f.arrival, f.arrivalName);
    f.distanceNm = distanceNm_;
    f.maxAltitudeFt = maxAltitudeFt_;
    f.landingRateFpm = landingRateFpm_;
    if (landingRateFpm_) f.landingRating = TouchdownGrade(static_cast<double>(*landingRateFpm_));
    f.touchdowns = touchdowns_;
    return f;
}

std::optional<FlightSummary> SummarizeLog(const std::string& logPath,
                                          const AirportIndex* airports) {
    UsableLineReader reader(logPath, LineLayout::Log);
    if (!reader.opened()) return std::nullopt;
    FlightTracker tracker;
    for (std::string line; reader.next(line);) tracker.add(line);
    return tracker.summary(airports);
}

}  // namespace flenmark
