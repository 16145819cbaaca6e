#include "realtime/realtime_documents.h"

#include <cmath>

#include "base/geodesy.h"
#include "base/number_text.h"
#include "kml/kml_values.h"
#include "kml/point_placemarks.h"
#include "recorder/animation_recorder.h"

namespace flenmark {
namespace {

constexpr double kPi = 3.14159265;

struct Position {
    std::string lon, lat;
    double x, y;
};

Position OwnPosition(const TelemetrySnapshot& t) {
    Position p{KmlCoordinate(t.LonText), KmlCoordinate(t.LatText), 0, 0};
    const auto x = ParseNumber(p.lon), y = ParseNumber(p.lat);
    if (!x || !y) throw ConversionFault("no position");
    p.x = *x;
    p.y = *y;
    return p;
}

std::string AircraftPlacemark(const RealtimeScene& program, const Position& p,
                              const std::string& range) {
    const TelemetrySnapshot& t = program.telemetry;
    const std::string heading = IntTextOf(t.HDGText);
    const std::string name =
        "Your aircraft: alt=" + t.AltText + " spd=" + IntTextOf(t.GndSpdText) + " hdg=" + heading;
    return AircraftPin(program.templates, p.lat, p.lon, name, heading, range,
                       t.OnGround == 1 ? std::nullopt : std::optional(MetresText(t.AltText)));
}

std::string OwnPredictedPath(const RealtimeScene& program, const Position& p) {
    const TelemetrySnapshot& t = program.telemetry;
    const KmlTemplateSet& k = program.templates;
    const int seconds = program.settings.PredPathMultiplier;
    const double speed = NumericValue(t.GndSpdText);
    const double h = NumericValue(t.HDGText) * kPi / 180;
    const double predLat = p.y + std::cos(h) * LatDegreesPerSecond(speed, p.x, p.y) * seconds;
    const double predLon = p.x + std::sin(h) * LonDegreesPerSecond(speed, p.x, p.y) * seconds;
    const double alt = NumericValue(t.AltText);
    const double predAltFeet = alt + (alt - NumericValue(program.prevAltText)) * seconds;
    if (t.OnGround == 1) {
        return FillPlaceholder(k[Kml::PredictedPathGND], "NAME", "Predicted Flightpath") + p.lon +
               "," + p.lat + " " + KmlNumber(predLon) + "," + KmlNumber(predLat) +
               k[Kml::PlacemarkEnd];
    }
    return FillPlaceholder(k[Kml::PredictedPath], "NAME", "Predicted Flightpath") + p.lon + "," +
           p.lat + "," + KmlNumber(alt * 0.3048) + " " + KmlNumber(predLon) + "," +
           KmlNumber(predLat) + "," + KmlNumber(predAltFeet * 0.3048) + k[Kml::PlacemarkEnd];
}

std::string TrafficOpener(const KmlTemplateSet& k, int16_t cls, const std::string& callsign) {
    const std::string name = "Predicted Flightpath " + callsign;
    switch (cls) {
        case 2:
            return FillPlaceholder(k[Kml::TCASYellow], "NAME", name + " ;Getting Close");
        case 3:
            return FillPlaceholder(k[Kml::TCASOrange], "NAME", name + " ;Close");
        case 4:
            return FillPlaceholder(k[Kml::TCASRed], "NAME", name + " ;Too close");
        default:
            return FillPlaceholder(k[Kml::TCASBlue], "NAME", name);
    }
}

// One traffic aircraft: its predicted line and its label. Throws for a row it cannot read.
std::string TrafficAircraftKml(const RealtimeScene& program, int row) {
    const AITrafficTable& table = program.traffic.AITraffic;
    const KmlTemplateSet& k = program.templates;
    auto number = [&](int column) {
        const auto v = ParseNumber(table.at(row, column));
        if (!v) throw ConversionFault("traffic cell is not a number");
        return *v;
    };
    const double lat = number(1), lon = number(2), alt = number(3), h = number(4);
    const double speed = number(5), vs = number(7);
    const std::string callsign = XmlText(table.at(row, 6));
    const int seconds = program.settings.PredPathMultiplierTCAS;
    const double latRate = speed / 3600 / GreatCircleDistanceNm(lat, lon, lat + 1, lon, false);
    const double lonDegreeNm = GreatCircleDistanceNm(lat, lon, lat, lon + 1, false);
    const double lonRate = lonDegreeNm > 0 ? speed / 3600 / lonDegreeNm : 0;
    const double d = (h + 180) * kPi / 180;
    const double predLat = lat + std::cos(d) * latRate * seconds;
    const double predLon = lon + std::sin(d) * lonRate * seconds;
    const double predAltFeet = alt + vs / 60 * seconds;
    const TelemetrySnapshot& own = program.telemetry;
    const auto classified = ClassifyTraffic(lat, lon, alt, own.AltText, own.LonText, own.LatText,
                                            program.traffic.TCASRange, program.traffic.TCASMode);
    if (!classified && program.showMessage) program.showMessage("Error in drawing TCAS table.");
    const int16_t cls = classified.value_or(0);
    std::string out = TrafficOpener(k, cls, callsign) + KmlNumber(lon) + "," + KmlNumber(lat) +
                      "," + KmlNumber(alt * 0.3048) + " " + KmlNumber(predLon) + "," +
                      KmlNumber(predLat) + "," + KmlNumber(predAltFeet * 0.3048) +
                      k[Kml::PlacemarkEnd];
    const std::string relative = RelativeAltitudeText(alt, NumericValue(program.telemetry.AltText));
    // The label's balloon shows what is known of the aircraft, where the template has room for it.
    static const std::vector<std::string_view> kWords = {
        "NAME", "DESC",   "KIAS", "HDG",  "SPDTAS", "GNDSPD", "VERTSPEED",
        "ALT",  "ALTAGL", "TIME", "DATE", "LATX",   "LONY",   "ALTM"};
    static const std::vector<std::string_view> kOptional(kWords.begin() + 1, kWords.begin() + 11);
    const std::string values[] = {callsign + " " + relative,
                                  "AI/Online traffic: " + callsign,
                                  "-",
                                  IntText(IntOf(std::fmod(h + 180, 360))),
                                  "-",
                                  KmlNumber(speed),
                                  KmlNumber(vs),
                                  KmlNumber(alt),
                                  "-",
                                  "-",
                                  "-",
                                  KmlNumber(lat),
                                  KmlNumber(lon),
                                  KmlNumber(alt * 0.3048)};
    TemplateFiller(k[Kml::PlacemarkPinSmallAir], kWords, kOptional).appendTo(out, values);
    return out;
}

}  // namespace

CameraView BuildCameraDocument(const RealtimeScene& program) {
    const TelemetrySnapshot& t = program.telemetry;
    const Settings& s = program.settings;
    const bool air = t.OnGround != 1;
    CameraView view;
    int sideOffset = 0;
    if (!air) {
        view.tilt = IntText(s.GNDTilt);
        view.range = IntText(s.GNDRange);
    } else if (program.chaseView) {
        view.tilt = IntText(s.ChaseTilt);
        view.range = KmlNumber(NumericValue(t.AltAGLText) * 1.2 + 500);
        sideOffset = s.ChaseDegreeOffset;
    } else {
        view.tilt = IntText(s.OverviewTilt);
        const double range = NumericValue(t.AltAGLText) * s.OverviewRangeMultiplier;
        view.range = range < s.OverviewRangeMin ? IntText(s.OverviewRangeMin) : KmlNumber(range);
        sideOffset = s.OverviewDegreeOffset;
    }
    int64_t heading = IntOf(NumericValue(t.HDGText));
    if (air) heading += program.viewFromRight ? -sideOffset : sideOffset;
    if (heading > 360) heading -= 360;
    if (heading < 0) heading += 360;
    view.heading = IntText(heading);
    const Position p = OwnPosition(t);
    const KmlTemplateSet& k = program.templates;
    const std::string lookAt = FillTemplate(k[Kml::LookAt], {{"LATX", p.lat},
                                                             {"LONY", p.lon},
                                                             {"HDG", view.heading},
                                                             {"RANGE", view.range},
                                                             {"TILT", view.tilt}});
    const std::string head = FillPlaceholder(k[Kml::Head], "NAME",
                                             XmlText(program.productWord + " Realtime Chase View"));
    const size_t cut = head.find("<StyleMap id=\"msn_ylw-");
    if (cut == std::string::npos)
        throw TemplateError("document head without the pushpin style map");
    view.document = head.substr(0, cut) + lookAt + head.substr(cut) + k[Kml::End];
    return view;
}

std::string BuildRealtimeSection(const RealtimeScene& program, const std::string& cameraRange) {
    const KmlTemplateSet& k = program.templates;
    const Position p = OwnPosition(program.telemetry);
    std::string out = FillPlaceholder(k[Kml::Folder], "NAME", "Aircraft position");
    out += AircraftPlacemark(program, p, cameraRange);
    out += OwnPredictedPath(program, p) + k[Kml::FolderEnd];
    if (program.traffic.TCASMode == 0) return out;
    out += FillPlaceholder(k[Kml::Folder], "NAME", "AI/Multiplayer traffic");
    for (int row = 1; row < AITrafficTable::kRows; ++row) {
        if (!program.traffic.AITraffic.occupied(row)) continue;
        try {
            out += TrafficAircraftKml(program, row);
        } catch (const ConversionFault&) {
            // A damaged row: that aircraft is left out this second.
        }
    }
    return out + k[Kml::FolderEnd];
}

}  // namespace flenmark
