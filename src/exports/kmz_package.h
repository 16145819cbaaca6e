#pragma once

#include <string>

namespace flenmark {

// A KMZ: one zip file holding the document as "doc.kml" and the PNG icons of `iconsFolder` as
// "icons/NAME.png", which the document refers to, so a flight can be mailed or shared as one
// file. Written aside and put in place whole; false (and `kmzPath` as it was) on any failure.
bool PackKmz(const std::string& kmlPath, const std::string& iconsFolder,
             const std::string& kmzPath);

// True when `path` names a KMZ (by its extension, in any case).
bool IsKmzPath(const std::string& path);

}  // namespace flenmark
