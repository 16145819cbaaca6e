#include <cmath>

#include "app/number_text.h"
#include "app/settings.h"
#include "kml/geodesy.h"
#include "kml/kml_values.h"
#include "kml/replay_parts.h"
#include "platform/clock.h"

namespace flenmark {
namespace {

int64_t StampSeconds(const std::string& stamp) {
    StampDateTime(stamp);  // throws for anything but 14 digits
    auto n = [&](size_t from, size_t count) { return std::stoi(stamp.substr(from, count)); };
    return ToEpochSeconds({n(0, 4), n(4, 2), n(6, 2), n(8, 2), n(10, 2), n(12, 2)});
}

bool IsStamp(const std::string& s) {
    try {
        StampSeconds(s);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

double Number(const std::string& text) {
    const auto v = ParseNumber(text);
    if (!v) throw ConversionFault("not a number");
    return *v;
}

struct ClassLook {
    Kml opener;
    const char* suffix;
};

ClassLook LookOf(const std::string& cls) {
    if (cls == "2") return {Kml::TCASYellow, " ;Getting Close"};
    if (cls == "3") return {Kml::TCASOrange, " ;Close"};
    if (cls == "4") return {Kml::TCASRed, " ;Too close"};
    return {Kml::TCASBlue, ""};
}

// One aircraft of one frame: its predicted path and its placemark.
std::string TrafficPlacemark(const KmlTemplateSet& t, int lookAheadSeconds, const LogFields& f,
                             const std::string& begin) {
    const std::string span = "<TimeSpan><begin>" + StampDateTime(begin) + "</begin><end>" +
                             StampDateTime(f[1]) + "</end></TimeSpan>";
    const double lat = Number(f[3]), lon = Number(f[4]), altFt = Number(f[5]);
    const double heading = Number(f[6]), speed = Number(f[7]), vs = Number(f[9]);
    const std::string callsign = XmlText(f[8]);
    const ClassLook look = LookOf(f[10]);
    std::string out = InsertBehind(
        FillPlaceholder(t[look.opener], "NAME", "Predicted Flightpath " + callsign + look.suffix),
        "</name>", span);
    const double rateLat = speed / 3600 / GreatCircleDistanceNm(lat, lon, lat + 1, lon, false);
    const double lonDegreeNm = GreatCircleDistanceNm(lat, lon, lat, lon + 1, false);
    const double rateLon = lonDegreeNm > 0 ? speed / 3600 / lonDegreeNm : 0;
    const double d = (heading + 180) * 3.14159265 / 180;
    const double predLat = lat + std::cos(d) * rateLat * lookAheadSeconds;
    const double predLon = lon + std::sin(d) * rateLon * lookAheadSeconds;
    const double predAltFt = altFt + vs / 60 * lookAheadSeconds;
    out += KmlNumber(lon) + "," + KmlNumber(lat) + "," + KmlNumber(altFt * 0.3048) + " " +
           KmlNumber(predLon) + "," + KmlNumber(predLat) + "," + KmlNumber(predAltFt * 0.3048) +
           t[Kml::PlacemarkEnd];
    std::string pin = FillPlaceholder(t[Kml::PlacemarkPinSmallAir], "NAME", callsign + " " + XmlText(f[11]));
    const std::string& hdg = f[6];
    const std::pair<const char*, std::string> values[] = {
        {"DESC", "AI/Online traffic: " + callsign}, {"KIAS", "-"}, {"HDG", hdg.substr(0, hdg.find('.'))},
        {"SPDTAS", "-"}, {"GNDSPD", KmlNumber(speed)}, {"VERTSPEED", KmlNumber(vs)},
        {"ALT", KmlNumber(altFt)}, {"ALTAGL", "-"}, {"TIME", StampTime(f[1])}, {"DATE", StampDate(f[1])}};
    for (const auto& [word, value] : values) pin = FillPlaceholder(pin, word, value);
    pin = InsertBehind(pin, "</name>", span);
    pin = FillPlaceholder(pin, "LATX", KmlNumber(lat));
    pin = FillPlaceholder(pin, "LONY", KmlNumber(lon));
    return out + FillPlaceholder(pin, "ALTM", KmlNumber(altFt * 0.3048));
}

}  // namespace

std::string TrafficKml(const KmlTemplateSet& t, const Settings& settings,
                       const std::vector<std::string>& lines) {
    std::string out;
    std::string previousLineStamp;  // P: the stamp of the line before
    std::string joinStamp;          // J: where the current frame joins the one before
    for (const std::string& line : lines) {
        const LogFields f(line);
        const std::string stamp = f[1];
        std::string prev = f[12];
        const std::string p = previousLineStamp;
        previousLineStamp = stamp;
        if (f[2].empty() || !IsStamp(stamp)) continue;
        if (stamp != p) {
            joinStamp = p.empty() ? stamp : p;
            // Frames a few seconds apart join without a gap.
            if (IsStamp(p) && IsStamp(prev) && StampSeconds(prev) >= StampSeconds(p) &&
                StampSeconds(prev) - StampSeconds(p) < 5)
                prev = p;
        } else {
            prev = joinStamp;
        }
        const std::string begin = prev != stamp && IsStamp(prev) ? StampPlusOneSecond(prev) : stamp;
        try {
            out += TrafficPlacemark(t, settings.PredPathMultiplierTCAS, f, begin);
        } catch (const ConversionFault&) {
            // A damaged line: left out, the rest of the traffic is shown.
        }
    }
    return out;
}

}  // namespace flenmark
