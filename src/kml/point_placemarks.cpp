#include "kml/point_placemarks.h"

#include "app/number_text.h"
#include "kml/event_table.h"

namespace flenmark {
namespace {

bool OnGround(const LogFields& f) { return NumericValue(f[5]) == 1; }

// The flight data every point placemark shows, in the order the templates are filled.
std::string FillFlightData(std::string text, const LogFields& f) {
    const std::pair<const char*, int> numbers[] = {{"KIAS", 7}, {"HDG", 12}, {"SPDTAS", 9},
                                                   {"GNDSPD", 11}, {"VERTSPEED", 10},
                                                   {"ALT", 4}, {"ALTAGL", 8}};
    for (const auto& [word, field] : numbers) {
        if (!ParseNumber(f[field])) throw ConversionFault("a flight value is not a number");
        text = FillPlaceholder(text, word, Trim(f[field]));
    }
    text = FillPlaceholder(text, "TIME", StampTime(f[1]));
    return FillPlaceholder(text, "DATE", StampDate(f[1]));
}

std::string FillPosition(std::string text, const LogFields& f, bool withAltitude) {
    const std::string lon = KmlCoordinate(f[2]);
    const std::string lat = KmlCoordinate(f[3]);
    if (!ParseNumber(lon) || !ParseNumber(lat)) throw ConversionFault("position is not a number");
    text = FillPlaceholder(text, "LONY", lon);
    text = FillPlaceholder(text, "LATX", lat);
    return withAltitude ? FillPlaceholder(text, "ALTM", MetresText(f[4])) : text;
}

std::string WithTimeSpan(std::string text, const std::string& timeSpan) {
    return timeSpan.empty() ? text : InsertBehind(text, "</name>", timeSpan);
}

}  // namespace

bool IsEventCode(const std::string& code) { return !code.empty() && LookUpEvent(code, false).has_value(); }

std::string EventPin(const KmlTemplateSet& t, const LogFields& f, const std::string& code,
                     const std::string& timeSpan) {
    const EventInfo e = *LookUpEvent(code, OnGround(f));
    const Kml which = e.inAir ? (e.warning ? Kml::PlacemarkPinWarningAir : Kml::PlacemarkPinSmallAir)
                              : (e.warning ? Kml::PlacemarkPinWarning : Kml::PlacemarkPinSmall);
    std::string pin = WithTimeSpan(t[which], timeSpan);
    pin = FillPlaceholder(pin, "DESC", e.description);
    pin = FillFlightData(pin, f);
    pin = FillPlaceholder(pin, "NAME", XmlText(e.name));
    return FillPosition(pin, f, e.inAir);
}

std::string DataDot(const KmlTemplateSet& t, const LogFields& f, const std::string& timeSpan,
                    bool fillDateTime) {
    const bool air = !OnGround(f);
    std::string dot = WithTimeSpan(t[air ? Kml::PinDotAir : Kml::PinDot], timeSpan);
    if (fillDateTime && dot.find("DATETIME") != std::string::npos)
        dot = FillPlaceholder(dot, "DATETIME", StampDateTime(f[1]));
    dot = FillFlightData(dot, f);
    dot = FillPlaceholder(dot, "NAME", "");
    return FillPosition(dot, f, air);
}

std::string DotsFolderOpener(const KmlTemplateSet& t) {
    return InsertBehind(FillPlaceholder(t[Kml::Folder], "NAME", "Flight data"), "Type>check", "HideChildren");
}

std::string PointPlacemarksFolder(const KmlTemplateSet& t, const std::vector<std::string>& lines,
                                  bool realtime) {
    std::string events;
    std::string dots;
    auto addEvent = [&](const LogFields& f, const std::string& code) {
        if (events.empty()) events = FillPlaceholder(t[Kml::Folder], "NAME", "Special placemarks");
        events += EventPin(t, f, code, "");
    };
    auto addDot = [&](const LogFields& f) {
        if (dots.empty()) dots = DotsFolderOpener(t);
        dots += DataDot(t, f, "", true);
    };
    for (size_t i = 0; i < lines.size(); ++i) {
        const LogFields f(lines[i]);
        if (i > 0 && StartsRecordingRun(lines[i])) {
            addDot(f);
            addEvent(LogFields(lines[i - 1]), "SO");
        }
        std::string code = f[6];
        if (i + 1 == lines.size() && !realtime && code.rfind("SO", 0) != 0) code = "SO";
        if (IsEventCode(code)) addEvent(f, code);
        else addDot(f);
    }
    if (!dots.empty()) dots += t[Kml::FolderEnd];
    return events.empty() ? std::string() : events + dots + t[Kml::FolderEnd];
}

}  // namespace flenmark
