#include "kml/kml_values.h"
#include "kml/point_placemarks.h"
#include "kml/replay_parts.h"

namespace flenmark {
namespace {

std::string BeginSpan(const std::string& stamp) {
    return "<TimeSpan><begin>" + StampDateTime(stamp) + "</begin></TimeSpan>";
}

}  // namespace

std::string EventPlacemarksKml(const KmlTemplateSet& t, const std::vector<std::string>& lines) {
    // Opened before the first member, so the caller's closing tag always has its opener.
    std::string out = FillPlaceholder(t[Kml::Folder], "NAME", "Special placemarks");
    const PointPlacemarkWriter writer(t, true);
    bool pendingStop = false;
    bool stopDone = false;
    size_t i = 0;
    while (i < lines.size()) {
        const LogFields f(lines[i]);
        std::string code = f[6];
        if (pendingStop) {
            pendingStop = false;
            stopDone = true;
            code = "SO";
        } else if (i > 0 && StartsRecordingRun(lines[i])) {
            if (!stopDone) {
                // The first line of a new run: its dot, then the previous run's stop.
                pendingStop = true;
                writer.dataDot(out, f, BeginSpan(f[1]));
                --i;
                continue;
            }
            pendingStop = stopDone = false;
        }
        if (IsEventCode(code))
            writer.eventPin(out, f, code, BeginSpan(f[1]));
        else
            writer.dataDot(out, f, BeginSpan(f[1]));
        ++i;
    }
    return out;
}

}  // namespace flenmark
