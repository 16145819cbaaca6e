#pragma once

#include <string>
#include <vector>

namespace flenmark::testing {

// What a viewer shows of a KML document, one line per placemark in document order: its name,
// the time it shows (its own span or the nearest folder's), its look (the style it resolves to,
// shared or its own, with the balloon text its style makes of its data), its geometry with every
// coordinate, and each point of a time track. Two documents that show the same have the same
// digest, however they spell it: shared or inline styles, spans on folders or on placemarks,
// long or short number forms, a line drawn whole or cut into pieces that continue each other (of
// one name, time and look), a document whole or split into documents it links (local network
// links are followed in their place). An error line stands for a file that is not XML.
std::vector<std::string> KmlDigest(const std::string& path);

// The first difference between two digests, numbers compared within `tolerance` (degrees and
// metres alike); empty when they show the same.
std::string DigestDifference(const std::vector<std::string>& before,
                             const std::vector<std::string>& after, double tolerance);

}  // namespace flenmark::testing
