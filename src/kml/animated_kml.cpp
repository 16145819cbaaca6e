#include "kml/animated_kml.h"

#include "app/data_folders.h"
#include "app/messages.h"
#include "app/number_text.h"
#include "app/program.h"
#include "app/text_files.h"
#include "kml/replay_parts.h"

namespace flenmark {
namespace {

std::vector<std::string> NonEmptyLines(const std::string& path) {
    const auto text = ReadWholeFile(path);
    if (!text) throw ConversionFault("cannot read " + path);
    std::vector<std::string> lines = SplitLines(*text);
    std::erase_if(lines, [](const std::string& l) { return l.empty(); });
    return lines;
}

// Traffic was recorded when "Traffic.txt" has a first line that is not empty.
bool TrafficRecorded(const std::string& path) {
    const auto text = ReadWholeFile(path);
    if (!text) return false;
    const auto lines = SplitLines(*text);
    return !lines.empty() && !lines.front().empty();
}

}  // namespace

std::string BuildAnimatedKml(Program& program) {
    try {
        const std::string folder = DataFolder(program.services.folders);
        if (!FileExists(folder + "Animation.txt")) return {};
        const bool traffic = TrafficRecorded(folder + "Traffic.txt");
        const auto animation = NonEmptyLines(folder + "Animation.txt");
        const auto log = NonEmptyLines(folder + "Flightlog.txt");
        if (animation.empty() || log.empty()) throw ConversionFault("nothing to animate");
        const KmlTemplateSet& t = program.kmlTemplates;
        std::string section = FillPlaceholder(t[Kml::Folder], "NAME", "Animation") +
                              AnimationFramesKml(t, program.settings, animation, log);
        section = FillPlaceholder(section, ">check<", ">checkHideChildren<");
        section = InsertBehind(section, "</name>", "<visibility>0</visibility>");
        section += FillPlaceholder(t[Kml::Folder], "NAME", "Animated flight data");
        section += EventPlacemarksKml(t, log) + t[Kml::FolderEnd];
        section += HistoryPathKml(t, log);
        if (traffic) {
            section += FillPlaceholder(t[Kml::Folder], "NAME", "Animated AI/Online traffic");
            section += TrafficKml(t, program.settings, NonEmptyLines(folder + "Traffic.txt"));
            section += t[Kml::FolderEnd];
        }
        return section + t[Kml::FolderEnd] + t[Kml::FolderEnd];
    } catch (const std::exception&) {
        ShowMessage(program, "Not able to convert flightlog");
        return {};
    }
}

}  // namespace flenmark
