#include "online/embedded_version.h"

#include <algorithm>

#include "base/text_files.h"
#include "online/version_file.h"

namespace flenmark {

int EmbeddedVersion(const std::string& programPath) {
    const auto bytes = ReadWholeFile(programPath);
    if (!bytes) return 0;
    const std::string marker = "FLENMARK-VERSION:";
    // The reader's own copy of the marker stands alone; the stamp has a version behind it.
    for (size_t at = bytes->find(marker); at != std::string::npos;
         at = bytes->find(marker, at + 1)) {
        const size_t start = at + marker.size();
        const size_t end =
            std::min<size_t>(bytes->find_first_not_of("0123456789.", start), start + 20);
        if (const int version = VersionNumber(bytes->substr(start, end - start))) return version;
    }
    return 0;
}

int OwnVersionNumber() {
    return VersionNumber(FLENMARK_VERSION);
}

}  // namespace flenmark
