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
// "Flight data" dots at its end, built line by line like the track.
class PointPlacemarksBuilder {
  public:
    PointPlacemarksBuilder(const KmlTemplateSet& t, bool realtime);
    // `last`: the log's last line, which an ordinary conversion marks as the stop of the log.
    void add(const std::string& line, bool last);
    // Appends the folder (nothing when the log has no event at all): the lines added so far
    // and, when given, one more last line that is not kept.
    void finishInto(std::string& out, const std::string* extraLine) const;

    // The placemarks of the extra line, and the folder in parts that point into them and into
    // what is kept here, so a caller can write it without joining them.
    struct Texts {
        std::string events;
        std::string dots;
    };
    Texts extra(const std::string* extraLine) const;
    void pieces(const Texts& extra, std::vector<std::string_view>& out) const;
    // Moves the events and dots made so far to `out`, for a caller that writes them as they
    // grow; afterwards pieces() holds only what is still to come.
    void drainInto(Texts& out);

  private:
    void addTo(Texts& texts, bool eventsOpen, bool dotsOpen, const std::string& line,
               const std::string& previous, bool last) const;

    const KmlTemplateSet* t_;
    PointPlacemarkWriter writer_;
    bool realtime_;
    Texts texts_;
    bool eventsOpen_ = false;
    bool dotsOpen_ = false;
    std::string previousLine_;
    size_t lines_ = 0;
};

std::string PointPlacemarksFolder(const KmlTemplateSet& t, const std::vector<std::string>& lines,
                                  bool realtime);

// The "Flight data" folder opener, whose children are hidden in the list.
std::string DotsFolderOpener(const KmlTemplateSet& t);

}  // namespace flenmark
