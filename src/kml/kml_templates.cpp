#include "kml/kml_templates.h"

#include <algorithm>

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

TemplateFiller::TemplateFiller(std::string_view text, const std::vector<std::string_view>& words,
                               const std::vector<std::string_view>& optional) {
    literals_.emplace_back(text);
    for (size_t w = 0; w < words.size(); ++w) {
        const std::string_view word = words[w];
        // The first place in the template that no word before took: values are not searched.
        bool placed = false;
        for (size_t i = 0; i < literals_.size() && !placed && !word.empty(); ++i) {
            const size_t at = literals_[i].find(word);
            if (at == std::string::npos) continue;
            std::string after = literals_[i].substr(at + word.size());
            literals_[i].resize(at);
            literals_.insert(literals_.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                             std::move(after));
            slots_.insert(slots_.begin() + static_cast<std::ptrdiff_t>(i), w);
            placed = true;
        }
        if (!placed && std::find(optional.begin(), optional.end(), word) == optional.end())
            throw TemplateError("template without " + std::string(word));
    }
}

std::string FillTemplate(std::string_view text, std::initializer_list<TemplateWord> words) {
    std::vector<std::string_view> names, values;
    for (const TemplateWord& w : words) {
        names.push_back(w.word);
        values.push_back(w.value);
    }
    return TemplateFiller(text, names).fill(values);
}

}  // namespace flenmark
