#include "kml/kml_templates.h"

#include "base/text_files.h"

namespace flenmark {

const char* KmlTemplateKey(Kml which) {
    static const char* const kKeys[kKmlTemplateCount] = {"KML=",
                                                         "KMLEnd=",
                                                         "Folder=",
                                                         "FolderEnd=",
                                                         "LookAt=",
                                                         "Path=",
                                                         "PathWarning=",
                                                         "PlacemarkEnd=",
                                                         "PathGND=",
                                                         "PlacemarkPin=",
                                                         "PlacemarkPinSmall=",
                                                         "PlacemarkPinSmallAir=",
                                                         "PlacemarkPinWarning=",
                                                         "PlacemarkPinWarningAir=",
                                                         "PinDot=",
                                                         "PinDotAir=",
                                                         "KMLRealtime=",
                                                         "KMLTCASBlue=",
                                                         "KMLTCASYellow=",
                                                         "KMLTCASOrange=",
                                                         "KMLTCASRed=",
                                                         "PredictedPath=",
                                                         "PredictedPathGND="};
    return kKeys[static_cast<size_t>(which)];
}

KmlTemplateSet ParseKmlTemplates(std::string_view fileText) {
    KmlTemplateSet set;
    for (const std::string& line : SplitLines(fileText)) {
        for (size_t k = 0; k < kKmlTemplateCount; ++k) {
            const std::string_view key = KmlTemplateKey(static_cast<Kml>(k));
            if (line.compare(0, key.size(), key) == 0)
                set.texts[k] = line.substr(line.find('=') + 1);
        }
    }
    return set;
}

std::string FillPlaceholder(const std::string& text, std::string_view word,
                            std::string_view value) {
    const size_t at = text.find(word);
    if (at == std::string::npos) throw TemplateError("template without " + std::string(word));
    std::string out;
    out.reserve(text.size() + value.size());
    out.append(text, 0, at).append(value).append(text, at + word.size());
    return out;
}

std::string InsertBehind(const std::string& text, std::string_view marker,
                         std::string_view insertion) {
    const size_t at = text.find(marker);
    if (at == std::string::npos) throw TemplateError("template without " + std::string(marker));
    std::string out = text;
    out.insert(at + marker.size(), insertion);
    return out;
}

}  // namespace flenmark

namespace flenmark {
namespace {

// Marks the place of value i while the places are found; no word can match across it.
std::string Mark(size_t i) {
    return std::string("\x01") + static_cast<char>('0' + i) + "\x01";
}

}  // namespace

TemplateFiller::TemplateFiller(std::string_view text, const std::vector<std::string_view>& words) {
    std::string marked(text);
    size_t i = 0;
    for (std::string_view word : words) marked = FillPlaceholder(marked, word, Mark(i++));
    size_t start = 0;
    for (size_t at = marked.find('\x01'); at != std::string::npos;
         at = marked.find('\x01', start)) {
        literals_.push_back(marked.substr(start, at - start));
        slots_.push_back(static_cast<size_t>(marked[at + 1] - '0'));
        start = at + 3;
    }
    literals_.push_back(marked.substr(start));
}

}  // namespace flenmark
