#pragma once

#include <string>

// Each program carries its version as a text that can be read from the file without running
// it: "FLENMARK-VERSION:" followed by the dotted version.
#define FLENMARK_EMBED_VERSION()                                                                \
    extern "C" {                                                                                \
    [[gnu::used]] const char kFlenmarkEmbeddedVersion[] = "FLENMARK-VERSION:" FLENMARK_VERSION; \
    }

namespace flenmark {

// The version number (major * 10000 + minor * 100 + revision) a program file carries; 0 when
// the file is missing or carries none.
int EmbeddedVersion(const std::string& programPath);

// The number of this build's own version.
int OwnVersionNumber();

}  // namespace flenmark
