// A build without libzip (a Windows cross build made without scripts/windows-libzip) writes no
// KMZ: the conversion says it could not convert, and KML files are written as ever.
#include "exports/kmz_package.h"

namespace flenmark {

bool PackKmz(const std::string&, const std::string&, const std::string&) {
    return false;
}

}  // namespace flenmark
