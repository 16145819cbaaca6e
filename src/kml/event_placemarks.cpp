#include "kml/kml_values.h"
#include "kml/point_placemarks.h"
#include "kml/replay_parts.h"

namespace flenmark {
namespace {

std::string BeginSpan(const std::string& stamp) {
    return "<TimeSpan><begin>" + StampDateTime(stamp) + "</begin></TimeSpan>";
}

}  // namespace

EventPlacemarksWriter::EventPlacemarksWriter(const KmlTemplateSet& t) : t_(t), writer_(t, true) {}

void EventPlacemarksWriter::add(const std::string& line, std::string& out) {
    // Opened before the first member, so the caller's closing tag always has its opener.
    if (previous_.empty()) out += FillPlaceholder(t_[Kml::Folder], "NAME", "Special placemarks");
    const LogFields f(line);
    if (!previous_.empty() && StartsRecordingRun(line)) {
        // The first line of a new run: its dot, then the previous run's stop, unless it has one.
        writer_.dataDot(out, f, BeginSpan(f[1]));
        const LogFields before(previous_);
        if (!EndsRecordingRun(previous_)) writer_.eventPin(out, before, "SO", BeginSpan(before[1]));
    }
    const std::string& code = f[6];
    if (IsEventCode(code))
        writer_.eventPin(out, f, code, BeginSpan(f[1]));
    else
        writer_.dataDot(out, f, BeginSpan(f[1]));
    previous_ = line;
}

std::string EventPlacemarksKml(const KmlTemplateSet& t, const std::vector<std::string>& lines) {
    EventPlacemarksWriter writer(t);
    std::string out;
    for (const std::string& line : lines) writer.add(line, out);
    if (lines.empty()) out = FillPlaceholder(t[Kml::Folder], "NAME", "Special placemarks");
    return out;
}

}  // namespace flenmark
