#include "kml/animated_kml.h"

#include "base/number_text.h"
#include "base/settings.h"
#include "base/text_files.h"
#include "kml/log_lines.h"
#include "kml/replay_parts.h"

namespace flenmark {
namespace {

UsableLines UsableLinesOf(const std::string& path, LineLayout layout) {
    const auto text = ReadWholeFile(path);
    if (!text) throw ConversionFault("cannot read " + path);
    return ReadUsableLines(*text, layout);
}

// Traffic was recorded when "Traffic.txt" has a first line that is not empty.
bool TrafficRecorded(const std::string& path) {
    const auto text = ReadWholeFile(path);
    if (!text) return false;
    const auto lines = SplitLines(*text);
    return !lines.empty() && !lines.front().empty();
}

}  // namespace

bool BuildAnimatedKml(const KmlTemplateSet& t, const Settings& settings, const std::string& folder,
                      std::string& out, size_t& damaged) {
    const size_t start = out.size();
    try {
        if (!FileExists(folder + "Animation.txt")) return true;
        const bool traffic = TrafficRecorded(folder + "Traffic.txt");
        const UsableLines animationRead = UsableLinesOf(folder + "Animation.txt", LineLayout::Log);
        const auto& animation = animationRead.lines;
        const auto log = UsableLinesOf(folder + "Flightlog.txt", LineLayout::Log).lines;
        if (animation.empty() || log.empty()) throw ConversionFault("nothing to animate");
        const UsableLines trafficRead =
            traffic ? UsableLinesOf(folder + "Traffic.txt", LineLayout::Traffic) : UsableLines{};
        const std::vector<std::string>& trafficLines = trafficRead.lines;
        damaged += animationRead.damaged + trafficRead.damaged;
        // Room for the whole section at once: it grows to hundreds of megabytes on long flights.
        out.reserve(out.size() + animation.size() * (t[Kml::PlacemarkPin].size() + 1500) +
                    log.size() * (t[Kml::PlacemarkPinSmallAir].size() + 600) +
                    trafficLines.size() *
                        (t[Kml::TCASBlue].size() + t[Kml::PlacemarkPinSmallAir].size() + 400));
        std::string opener = FillPlaceholder(t[Kml::Folder], "NAME", "Animation");
        // The list item type and the visibility go into the first folder: the section's own.
        const bool ownFolder = opener.find(">check<") != std::string::npos &&
                               opener.find("</name>") != std::string::npos;
        out += opener;
        AnimationFramesKml(t, settings, animation, log, out);
        if (ownFolder) {
            out.replace(start, opener.size(),
                        InsertBehind(FillPlaceholder(opener, ">check<", ">checkHideChildren<"),
                                     "</name>", "<visibility>0</visibility>"));
        } else {
            const std::string section =
                InsertBehind(FillPlaceholder(out.substr(start), ">check<", ">checkHideChildren<"),
                             "</name>", "<visibility>0</visibility>");
            out.replace(start, std::string::npos, section);
        }
        out += FillPlaceholder(t[Kml::Folder], "NAME", "Animated flight data");
        out += EventPlacemarksKml(t, log);
        out += t[Kml::FolderEnd];
        out += HistoryPathKml(t, log);
        if (traffic) {
            out += FillPlaceholder(t[Kml::Folder], "NAME", "Animated AI/Online traffic");
            TrafficKml(t, settings, trafficLines, out);
            out += t[Kml::FolderEnd];
        }
        out += t[Kml::FolderEnd];
        out += t[Kml::FolderEnd];
    } catch (const std::exception&) {
        out.resize(start);
        return false;
    }
    return true;
}

}  // namespace flenmark
