#pragma once

#include <string>
#include <vector>

#include "kml/kml_templates.h"
#include "kml/kml_values.h"

namespace flenmark {

// The placemark of one log point: an event pin for a code the event table knows, a small
// data dot otherwise. `timeSpan`, when not empty, goes directly behind the name.
std::string EventPin(const KmlTemplateSet& t, const LogFields& f, const std::string& code,
                     const std::string& timeSpan);
std::string DataDot(const KmlTemplateSet& t, const LogFields& f, const std::string& timeSpan,
                    bool fillDateTime);

// True when the code makes an event pin rather than a data dot.
bool IsEventCode(const std::string& code);

// The "Special placemarks" folder of an ordinary or realtime conversion, holding the
// "Flight data" dots at its end; empty when the log has no event at all.
std::string PointPlacemarksFolder(const KmlTemplateSet& t, const std::vector<std::string>& lines,
                                  bool realtime);

// The "Flight data" folder opener, whose children are hidden in the list.
std::string DotsFolderOpener(const KmlTemplateSet& t);

}  // namespace flenmark
