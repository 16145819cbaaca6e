#include "kml/kml_template_limits.h"

#include "base/text_files.h"
#include "kml/kml_templates.h"

namespace flenmark {
namespace {

// The key of a template line, or nullptr for a line that sets no template.
const char* KeyOf(std::string_view line) {
    for (size_t k = 0; k < kKmlTemplateCount; ++k) {
        const char* key = KmlTemplateKey(static_cast<Kml>(k));
        if (line.rfind(key, 0) == 0) return key;
    }
    return nullptr;
}

bool HoldsControlCharacter(std::string_view text) {
    for (unsigned char c : text)
        if (c < 0x20 && c != '\t') return true;
    return false;
}

}  // namespace

std::string KmlTemplateTextProblem(std::string_view fileText) {
    size_t number = 0;
    for (const std::string& line : SplitLines(fileText)) {
        ++number;
        const char* key = KeyOf(line);
        if (!key) continue;
        const std::string where = "line " + std::to_string(number) + " (" + key + ")";
        if (line.size() > kKmlTemplateLimit)
            return where + " is " + std::to_string(line.size()) + " bytes long; a template may be " +
                   std::to_string(kKmlTemplateLimit) + " at most";
        if (HoldsControlCharacter(line)) return where + " holds a control character";
    }
    return {};
}

}  // namespace flenmark
