#include "exports/flight_export.h"
#include "exports/kmz_package.h"

namespace flenmark {

bool IsKmzPath(const std::string& path) {
    return FileExtension(path) == "kmz";
}

}  // namespace flenmark
