#include "kml/point_placemarks.h"

#include "base/number_text.h"
#include "kml/event_table.h"

namespace flenmark {
namespace {

bool OnGround(const LogFields& f) {
    return NumericValue(f[5]) == 1;
}

// The words of a point placemark in the order they are filled.
TemplateFiller PointFiller(const std::string& text, bool span, bool desc, bool dateTime, bool air) {
    std::vector<std::string_view> words;
    if (dateTime) words.push_back("DATETIME");
    if (span) words.push_back("</name>");
    words.push_back(desc ? "DESC" : "");
    for (const char* w : {"KIAS", "HDG", "SPDTAS", "GNDSPD", "VERTSPEED", "ALT", "ALTAGL", "TIME",
                          "DATE", "NAME", "LONY", "LATX"})
        words.push_back(w);
    words.push_back(air ? "ALTM" : "");
    std::erase_if(words, [](std::string_view w) { return w.empty(); });
    return TemplateFiller(text, words);
}

// The values of a point in the order of PointFiller's words.
struct PointValues {
    std::vector<std::string> texts;

    PointValues(const LogFields& f, std::string_view span, const std::string* desc, bool dateTime,
                bool air, const std::string& name) {
        if (dateTime) texts.push_back(StampDateTime(f[1]));
        if (!span.empty()) texts.push_back("</name>" + std::string(span));
        if (desc) texts.push_back(*desc);
        for (int field : {7, 12, 9, 11, 10, 4, 8}) {
            if (!ParseNumber(f[field])) throw ConversionFault("a flight value is not a number");
            texts.push_back(Trim(f[field]));
        }
        texts.push_back(StampTime(f[1]));
        texts.push_back(StampDate(f[1]));
        texts.push_back(name);
        texts.push_back(KmlCoordinate(f[2]));
        texts.push_back(KmlCoordinate(f[3]));
        if (!ParseNumber(texts[texts.size() - 2]) || !ParseNumber(texts.back()))
            throw ConversionFault("position is not a number");
        if (air) texts.push_back(MetresText(f[4]));
    }
};

}  // namespace

PointPlacemarkWriter::PointPlacemarkWriter(const KmlTemplateSet& t, bool withTimeSpan)
    : withTimeSpan_(withTimeSpan) {
    const Kml pins[4] = {Kml::PlacemarkPinSmall, Kml::PlacemarkPinSmallAir,
                         Kml::PlacemarkPinWarning, Kml::PlacemarkPinWarningAir};
    for (int i = 0; i < 4; ++i)
        pins_[i].emplace(PointFiller(t[pins[i]], true, true, false, i % 2 == 1));
    for (int i = 0; i < 2; ++i) {
        const std::string& text = t[i == 0 ? Kml::PinDot : Kml::PinDotAir];
        dotDateTime_[i] = !withTimeSpan && text.find("DATETIME") != std::string::npos;
        dots_[i].emplace(PointFiller(text, withTimeSpan, false, dotDateTime_[i], i == 1));
    }
}

void PointPlacemarkWriter::eventPin(std::string& out, const LogFields& f, const std::string& code,
                                    std::string_view timeSpan) const {
    const EventInfo e = *LookUpEvent(code, OnGround(f));
    const int which = (e.warning ? 2 : 0) + (e.inAir ? 1 : 0);
    // The event's text also as a plain description, for readers that show no balloon (GIS
    // tools); the balloon itself is made from the data as before.
    const std::string behindName = "<description>" + XmlText(e.description) + "</description>" +
                                   std::string(withTimeSpan_ ? timeSpan : std::string_view());
    const PointValues v(f, behindName, &e.description, false, e.inAir, XmlText(e.name));
    pins_[which]->appendTo(out, v.texts);
}

void PointPlacemarkWriter::dataDot(std::string& out, const LogFields& f,
                                   std::string_view timeSpan) const {
    const int which = OnGround(f) ? 0 : 1;
    // Named by their time, so that readers listing the placemarks tell them apart.
    const PointValues v(f, withTimeSpan_ ? timeSpan : std::string_view(), nullptr,
                        dotDateTime_[which], which == 1, StampTime(f[1]));
    dots_[which]->appendTo(out, v.texts);
}

bool IsEventCode(const std::string& code) {
    return !code.empty() && LookUpEvent(code, false).has_value();
}

std::string DotsFolderOpener(const KmlTemplateSet& t) {
    return FillTemplate(t[Kml::Folder],
                        {{"NAME", "Flight data"}, {"Type>check<", "Type>checkHideChildren<"}});
}

std::string AircraftPin(const KmlTemplateSet& t, std::string_view lat, std::string_view lon,
                        std::string_view name, std::string_view heading, std::string_view range,
                        const std::optional<std::string>& altitudeMetres) {
    std::vector<std::string_view> words = {"LATAC", "LATAC", "LONAC", "LONAC",
                                           "NAME",  "HDG",   "RANGE"};
    std::vector<std::string_view> values = {lat, lat, lon, lon, name, heading, range};
    const char* absolute = "<altitudeMode>absolute</altitudeMode>";
    const char* clamped = "<altitudeMode>clampToGround</altitudeMode>";
    if (!altitudeMetres) {
        words.insert(words.end(), {absolute, absolute});
        values.insert(values.end(), {clamped, clamped});
    }
    const std::string altitude = altitudeMetres ? "," + *altitudeMetres : "";
    words.push_back("ALTM");
    values.push_back(altitude);
    return TemplateFiller(t[Kml::PlacemarkPin], words).fill(values);
}

PointPlacemarksBuilder::PointPlacemarksBuilder(const KmlTemplateSet& t, bool realtime)
    : t_(&t),
      writer_(t, false),
      realtime_(realtime),
      eventsOpener_(FillPlaceholder(t[Kml::Folder], "NAME", "Special placemarks")),
      dotsOpener_(DotsFolderOpener(t)) {}

void PointPlacemarksBuilder::addTo(Texts& texts, const std::string& line,
                                   const std::string& previous, bool last) const {
    const LogFields f(line);
    if (!previous.empty() && StartsRecordingRun(line)) {
        // A new run: this line's dot, then the stop of the run before, unless it has its own.
        writer_.dataDot(texts.dots, f);
        if (!EndsRecordingRun(previous)) writer_.eventPin(texts.events, LogFields(previous), "SO");
    }
    std::string code = f[6];
    if (last && !realtime_ && code.rfind("SO", 0) != 0) code = "SO";
    if (IsEventCode(code))
        writer_.eventPin(texts.events, f, code);
    else
        writer_.dataDot(texts.dots, f);
}

void PointPlacemarksBuilder::add(const std::string& line, bool last) {
    addTo(texts_, line, lines_ > 0 ? previousLine_ : "", last);
    hasEvents_ = hasEvents_ || !texts_.events.empty();
    hasDots_ = hasDots_ || !texts_.dots.empty();
    previousLine_ = line;
    ++lines_;
}

void PointPlacemarksBuilder::drainInto(Texts& out) {
    out.events += texts_.events;
    out.dots += texts_.dots;
    texts_.events.clear();
    texts_.dots.clear();
}

PointPlacemarksBuilder::Texts PointPlacemarksBuilder::extra(const std::string* extraLine) const {
    Texts extra;
    if (extraLine) addTo(extra, *extraLine, lines_ > 0 ? previousLine_ : "", true);
    return extra;
}

void PointPlacemarksBuilder::finishInto(std::string& out, const std::string* extraLine) const {
    const Texts more = extra(extraLine);
    if (!hasEvents(more)) return;  // no event: no folder, no dots
    out += eventsOpener_ + texts_.events + more.events;
    const std::string& end = (*t_)[Kml::FolderEnd];
    if (hasDots(more)) out += dotsOpener_ + texts_.dots + more.dots + end;
    out += end;
}

std::string PointPlacemarksFolder(const KmlTemplateSet& t, const std::vector<std::string>& lines,
                                  bool realtime) {
    PointPlacemarksBuilder builder(t, realtime);
    for (size_t i = 0; i < lines.size(); ++i) builder.add(lines[i], i + 1 == lines.size());
    std::string out;
    builder.finishInto(out, nullptr);
    return out;
}

}  // namespace flenmark
