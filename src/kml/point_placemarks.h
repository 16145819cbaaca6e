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
// "Flight data" dots at its end; empty when the log has no event at all.
std::string PointPlacemarksFolder(const KmlTemplateSet& t, const std::vector<std::string>& lines,
                                  bool realtime);

// The "Flight data" folder opener, whose children are hidden in the list.
std::string DotsFolderOpener(const KmlTemplateSet& t);

}  // namespace flenmark
