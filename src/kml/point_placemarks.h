#pragma once

#include <optional>
#include <string>
#include <vector>

#include "kml/kml_templates.h"
#include "kml/kml_values.h"

namespace flenmark {

// Writes the placemark of one log point: an event pin for a code the event table knows, a
// small data dot otherwise. With a time span, the span stands directly behind the name.
class PointPlacemarkWriter {
  public:
    PointPlacemarkWriter(const KmlTemplateSet& t, bool withTimeSpan);

    void eventPin(std::string& out, const LogFields& f, const std::string& code,
                  std::string_view timeSpan = {}) const;
    void dataDot(std::string& out, const LogFields& f, std::string_view timeSpan = {}) const;

  private:
    std::optional<TemplateFiller> pins_[4];  // ground, air, warning, warning in the air
    std::optional<TemplateFiller> dots_[2];  // ground, air
    bool dotDateTime_[2] = {false, false};
    bool withTimeSpan_;
};

// True when the code makes an event pin rather than a data dot.
bool IsEventCode(const std::string& code);

// The "Special placemarks" folder of an ordinary or realtime conversion, holding the
// "Flight data" dots at its end, built line by line like the track. The folder is shown only when
// the log has an event; the dots' folder only when it has dots as well.
class PointPlacemarksBuilder {
  public:
    // Throws TemplateError when the folders' template lacks a word it needs.
    PointPlacemarksBuilder(const KmlTemplateSet& t, bool realtime);
    // `last`: the log's last line, which an ordinary conversion marks as the stop of the log.
    void add(const std::string& line, bool last);
    // Appends the folder (nothing when the log has no event at all): the lines added so far
    // and, when given, one more last line that is not kept.
    void finishInto(std::string& out, const std::string* extraLine) const;

    // Event pins and data dots, without the folders around them.
    struct Texts {
        std::string events;
        std::string dots;
    };
    // The placemarks of one more last line that is not kept.
    Texts extra(const std::string* extraLine) const;
    // The placemarks made so far and not yet moved away.
    const Texts& texts() const { return texts_; }
    // Moves the placemarks made so far to `out`, for a caller that writes them as they grow.
    void drainInto(Texts& out);

    // Whether the log, with `extra`, has an event pin (the folder is shown) and a data dot.
    bool hasEvents(const Texts& extra) const { return hasEvents_ || !extra.events.empty(); }
    bool hasDots(const Texts& extra) const { return hasDots_ || !extra.dots.empty(); }
    // The openers of "Special placemarks" and of the "Flight data" folder within it.
    const std::string& eventsOpener() const { return eventsOpener_; }
    const std::string& dotsOpener() const { return dotsOpener_; }

  private:
    void addTo(Texts& texts, const std::string& line, const std::string& previous, bool last) const;

    const KmlTemplateSet* t_;
    PointPlacemarkWriter writer_;
    bool realtime_;
    std::string eventsOpener_, dotsOpener_;
    Texts texts_;
    bool hasEvents_ = false;
    bool hasDots_ = false;
    std::string previousLine_;
    size_t lines_ = 0;
};

std::string PointPlacemarksFolder(const KmlTemplateSet& t, const std::vector<std::string>& lines,
                                  bool realtime);

// The "Flight data" folder opener, whose children are hidden in the list.
std::string DotsFolderOpener(const KmlTemplateSet& t);

// The aircraft's own placemark ("PlacemarkPin="), filled in one pass: LATAC and LONAC twice
// each, NAME, HDG, RANGE, and ALTM as "," and the altitude in metres; on the ground (no
// altitude) the template's two absolute altitude modes clamp it to the ground instead.
std::string AircraftPin(const KmlTemplateSet& t, std::string_view lat, std::string_view lon,
                        std::string_view name, std::string_view heading, std::string_view range,
                        const std::optional<std::string>& altitudeMetres);

}  // namespace flenmark
