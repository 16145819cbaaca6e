#include "recorder/record_sample.h"

#include <stdexcept>

#include "base/number_text.h"
#include "base/text_files.h"
#include "base/utc_time.h"
#include "recorder/animation_recorder.h"
#include "recorder/flight_events.h"
#include "recorder/flight_log.h"
#include "recorder/sample_context.h"
#include "recorder/sampling_decision.h"

namespace flenmark {
namespace {

class WriteFailure : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

bool DecideToWrite(SampleContext& c, const std::string& code, bool force,
                   const std::string& stamp) {
    const bool write = force || !code.empty() || SampleIsWorthWriting(c) ||
                       QuietSpellOver(c.state.lastLine.Stamp, stamp);
    c.state.LineWrittenThisTick = write;
    return write;
}

void WriteSample(SampleContext& c, const std::string& callerCode, bool write,
                 const std::string& stamp, SampleOutcome& outcome) {
    outcome.logLineLost = write && c.Logging;  // until it is appended
    std::string code = c.PrevTickStamp.empty() ? "SA" : callerCode;
    code = DetectFlightEvents(c, code);
    const std::string previous = c.PrevTickStamp.empty() ? "-" : c.PrevTickStamp;
    const std::string line = BuildLogLine(c.telemetry, stamp, code, previous);
    if (write && c.Logging) {
        if (!AppendLogLine(c.flightLogPath, line)) throw WriteFailure("log");
        const TelemetrySnapshot& t = c.telemetry;
        c.state.lastLine = {t.HDGText, t.GndSpdText, t.AltText, t.VSText, stamp};
        outcome.line = line;
    }
    outcome.logLineLost = false;
    if (c.realtime && c.Logging &&
        !UpdateRealtimeText(c.flightLogPath, c.dataFolder + "Realtime.txt", line,
                            c.state.realtimeText))
        throw WriteFailure("realtime");
    if (!c.Animation) return;
    const AnimationOutcome animation = RecordAnimationFrame(c, code);
    outcome.framesLost = animation.framesLost;
    outcome.trafficLinesLost = animation.trafficLinesLost;
}

}  // namespace

SampleOutcome RecordSample(SampleContext& c, const std::string& code, bool force) {
    const std::string stamp = StampText(c.utcNow);
    if (c.Animation) c.state.AnimationStamp = stamp;
    SampleOutcome outcome;
    try {
        outcome.written = DecideToWrite(c, code, force, stamp);
        WriteSample(c, code, outcome.written, stamp, outcome);
    } catch (const WriteFailure&) {
        outcome.failed = true;
    } catch (const ConversionFault&) {
        outcome.failed = true;
    }
    return outcome;
}

}  // namespace flenmark
