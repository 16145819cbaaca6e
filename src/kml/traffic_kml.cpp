#include <array>
#include <cmath>

#include "base/geodesy.h"
#include "base/number_text.h"
#include "base/settings.h"
#include "kml/kml_values.h"
#include "kml/replay_parts.h"

namespace flenmark {
namespace {

// A number field: its value, and its text as KML writes it.
struct NumberField {
    double value;
    std::string text;
};

NumberField Number(const std::string& field) {
    std::string text = KmlCoordinate(field);
    const auto v = ParseNumber(text);
    if (!v) throw ConversionFault("not a number");
    return {*v, std::move(text)};
}

// The path templates of the closeness classes, and what the path's name says of each.
constexpr Kml kClassOpeners[] = {Kml::TCASBlue, Kml::TCASYellow, Kml::TCASOrange, Kml::TCASRed};

struct ClassLook {
    size_t opener;  // into kClassOpeners
    const char* suffix;
};

ClassLook LookOf(const std::string& cls) {
    if (cls == "2") return {1, " ;Getting Close"};
    if (cls == "3") return {2, " ;Close"};
    if (cls == "4") return {3, " ;Too close"};
    return {0, ""};
}

// One aircraft of one frame: its predicted path and its placemark. Their time is the span of
// the folder they are written into.
std::string TrafficPlacemark(const KmlTemplateSet& t, const std::vector<TemplateFiller>& openers,
                             const TemplateFiller& pinFiller, int lookAheadSeconds,
                             const LogFields& f) {
    const NumberField latField = Number(f[3]), lonField = Number(f[4]), altField = Number(f[5]);
    const NumberField speedField = Number(f[7]), vsField = Number(f[9]);
    const double lat = latField.value, lon = lonField.value, altFt = altField.value;
    const double heading = Number(f[6]).value, speed = speedField.value, vs = vsField.value;
    const std::string callsign = XmlText(f[8]);
    const ClassLook look = LookOf(f[10]);
    std::string out;
    const std::string name = "Predicted Flightpath " + callsign + look.suffix;
    openers[look.opener].appendTo(out, std::array<std::string_view, 1>{name});
    const double rateLat = speed / 3600 / GreatCircleDistanceNm(lat, lon, lat + 1, lon, false);
    const double lonDegreeNm = GreatCircleDistanceNm(lat, lon, lat, lon + 1, false);
    const double rateLon = lonDegreeNm > 0 ? speed / 3600 / lonDegreeNm : 0;
    const double d = (heading + 180) * 3.14159265 / 180;
    const double predLat = lat + std::cos(d) * rateLat * lookAheadSeconds;
    const double predLon = lon + std::sin(d) * rateLon * lookAheadSeconds;
    const double predAltFt = altFt + vs / 60 * lookAheadSeconds;
    const std::string altMetres = KmlNumber(altFt * 0.3048);
    out += lonField.text + "," + latField.text + "," + altMetres + " " + KmlDegrees(predLon) + "," +
           KmlDegrees(predLat) + "," + KmlNumber(predAltFt * 0.3048) + t[Kml::PlacemarkEnd];
    // "Traffic.txt" keeps the heading turned by 180 degrees: the balloon shows the aircraft's own.
    const std::string ownHeading = WholeDegreesText(heading + 180);
    const std::string values[] = {callsign + " " + XmlText(f[11]),
                                  "AI/Online traffic: " + callsign,
                                  "-",
                                  ownHeading,
                                  "-",
                                  speedField.text,
                                  vsField.text,
                                  altField.text,
                                  "-",
                                  StampTime(f[1]),
                                  StampDate(f[1]),
                                  "</name>",
                                  latField.text,
                                  lonField.text,
                                  altMetres};
    pinFiller.appendTo(out, values);
    return out;
}

}  // namespace

TrafficWriter::TrafficWriter(const KmlTemplateSet& t, const Settings& settings)
    : t_(t),
      lookAheadSeconds_(settings.PredPathMultiplierTCAS),
      pinFiller_(t[Kml::PlacemarkPinSmallAir],
                 {"NAME", "DESC", "KIAS", "HDG", "SPDTAS", "GNDSPD", "VERTSPEED", "ALT", "ALTAGL",
                  "TIME", "DATE", "</name>", "LATX", "LONY", "ALTM"}) {
    // Every template it uses is taken apart now, before the first line: a template without its
    // word fails here and not in the middle of a document.
    for (Kml opener : kClassOpeners)
        openers_.emplace_back(t[opener], std::vector<std::string_view>{"NAME"});
}

void TrafficWriter::add(const std::string& line, std::string& out) {
    add(LogFields(line), out);
}

void TrafficWriter::add(const LogFields& f, std::string& out) {
    const std::string& stamp = f[1];
    if (f[2].empty() || !StampSeconds(stamp)) return;
    if (stamp != frameStamp_) {
        // The second before shows until this one begins, when this one follows within a few
        // seconds (frames of one recording); otherwise for its own second.
        const auto held = StampSeconds(frameStamp_), now = StampSeconds(stamp);
        closeSecond(held && *now > *held && *now - *held < 5 ? stamp : frameStamp_, out);
        frameStamp_ = stamp;
        frameAircraft_.clear();
    }
    // An aircraft written twice for one second (the recorder's last second) is shown once.
    if (!frameAircraft_.insert(f[2]).second) return;
    try {
        second_ += TrafficPlacemark(t_, openers_, pinFiller_, lookAheadSeconds_, f);
    } catch (const ConversionFault&) {
        // a damaged line: left out, the rest of the traffic is shown
    }
}

// Writes the aircraft of the second held back in a folder that carries their time, from that
// second until `end`.
void TrafficWriter::closeSecond(const std::string& end, std::string& out) {
    if (second_.empty()) return;
    out += "<Folder><name>" + StampDisplayName(frameStamp_) + "</name><TimeSpan><begin>" +
           StampDateTime(frameStamp_) + "</begin><end>" + StampDateTime(end) +
           "</end></TimeSpan><styleUrl>#frame</styleUrl>" + second_ + "</Folder>";
    second_.clear();
}

void TrafficWriter::finish(std::string& out) {
    closeSecond(frameStamp_, out);
}

void TrafficKml(const KmlTemplateSet& t, const Settings& settings,
                const std::vector<std::string>& lines, std::string& out) {
    TrafficWriter writer(t, settings);
    for (const std::string& line : lines) writer.add(line, out);
    writer.finish(out);
}

}  // namespace flenmark
