#pragma once

#include <string>
#include <vector>

#include "kml/kml_templates.h"

namespace flenmark {

// The "Flight" folder: one folder per recording run, holding the flown track as line pieces
// split where the aircraft landed, took off, or began or ended an overspeed or stall.
// Throws ConversionFault or TemplateError on a line or template it cannot use.
std::string TrackFolder(const KmlTemplateSet& t, const std::vector<std::string>& lines);

// The coordinate text of a log point: "lon,lat,metres " in the air, "lon,lat " on the ground.
std::string PointCoordinates(const std::string& lon, const std::string& lat,
                             const std::string& altFeet, bool onGround);

// The opener of a line piece: "On Ground", the warning name, or "In the air".
std::string PieceOpener(const KmlTemplateSet& t, bool onGround, bool warning,
                        const std::string& warningName);

}  // namespace flenmark
