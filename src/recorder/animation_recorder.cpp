#include "recorder/animation_recorder.h"

#include <algorithm>

#include "base/number_text.h"
#include "base/text_files.h"
#include "recorder/flight_log.h"
#include "recorder/sample_context.h"

namespace flenmark {
namespace {

class AnimationFailure : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Parked frames are skipped once the file has a frame: only a file whose first line exists
// and is empty takes them.
bool StationaryFrameWanted(const std::string& path) {
    if (!EnsureFileExists(path)) throw AnimationFailure("animation file");
    const auto lines = ReadLeadingLines(path, 1);
    if (!lines) throw AnimationFailure("animation file");
    return !lines->empty() && lines->front().empty();
}

std::string TrafficLines(SampleContext& program, const std::string& stamp,
                         const std::string& prev) {
    const AITrafficTable& table = program.traffic.AITraffic;
    const double ownAlt = NumericValue(program.telemetry.AltText);
    std::string text;
    for (int row = 1; row < AITrafficTable::kRows; ++row) {
        if (table.at(row, 1).empty()) continue;
        const double lat = NumericValue(table.at(row, 1));
        const double lon = NumericValue(table.at(row, 2));
        const double alt = NumericValue(table.at(row, 3));
        const TelemetrySnapshot& own = program.telemetry;
        const auto classified =
            ClassifyTraffic(lat, lon, alt, own.AltText, own.LonText, own.LatText,
                            program.traffic.TCASRange, program.traffic.TCASMode);
        if (!classified && program.showMessage) program.showMessage("Error in drawing TCAS table.");
        const int16_t cls = classified.value_or(0);
        text += stamp;
        for (int c : {0, 1, 2, 3, 4, 5, 6, 7}) text += ":" + table.at(row, c);
        text += ":" + IntText(cls) + ":" + RelativeAltitudeText(alt, ownAlt) + ":" + prev + "\r\n";
    }
    return text;
}

}  // namespace

std::string RelativeAltitudeText(double trafficAltFeet, double ownAltFeet) {
    const int64_t rel = IntOf((trafficAltFeet - ownAltFeet) / 100.0);
    return (rel >= 0 ? "+" : "") + IntText(rel);
}

AnimationOutcome RecordAnimationFrame(SampleContext& program, const std::string& code) {
    AnimationOutcome lost;
    std::string traffic;
    try {
        const std::string folder = program.dataFolder;
        const std::string stamp = program.state.AnimationStamp;
        const std::string prev =
            !code.empty() ? "" : (program.PrevTickStamp.empty() ? "-" : program.PrevTickStamp);
        const std::string animationPath = folder + "Animation.txt";
        const bool parked = code.empty() && NumericValue(program.telemetry.GndSpdText) == 0;
        lost.framesLost = 1;  // until it is written or known not to be due
        if (!parked || StationaryFrameWanted(animationPath)) {
            const std::string line = BuildLogLine(program.telemetry, stamp, code, prev);
            if (!AppendLogLine(animationPath, line)) throw AnimationFailure("animation file");
        }
        lost.framesLost = 0;
        if (program.traffic.TCASMode == kTcasOff) return lost;
        const std::string trafficPath = folder + "Traffic.txt";
        traffic = TrafficLines(program, stamp, prev);
        if (!EnsureFileExists(trafficPath) ||
            (!traffic.empty() && !AppendText(trafficPath, traffic)))
            throw AnimationFailure("traffic file");
    } catch (const std::exception&) {
        lost.trafficLinesLost =
            static_cast<size_t>(std::count(traffic.begin(), traffic.end(), '\n'));
        if (program.showMessage) program.showMessage("Error in animating flight.");
    }
    return lost;
}

}  // namespace flenmark
