#include "recorder/record_sample.h"

#include <stdexcept>

#include "platform/data_folders.h"
#include "app/messages.h"
#include "app/program.h"
#include "base/number_text.h"
#include "base/text_files.h"
#include "base/utc_time.h"
#include "recorder/animation_recorder.h"
#include "recorder/flight_events.h"
#include "recorder/flight_log.h"
#include "recorder/logging_labels.h"
#include "recorder/sampling_decision.h"

namespace flenmark {
namespace {

class WriteFailure : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

bool DecideToWrite(Program& program, const std::string& code, bool force,
                   const std::string& stamp) {
    bool write = force || !code.empty() || SampleIsWorthWriting(program);
    if (!write && program.LineWrittenThisTick) {
        UpdateLoggingLabels(program, program.Logging, false, program.Realtime);
        program.LineWrittenThisTick = false;
    }
    if (QuietSpellOver(program.lastLine.Stamp, stamp)) write = true;
    if (write) {
        UpdateLoggingLabels(program, program.Logging, true, program.Realtime);
        program.LineWrittenThisTick = true;
    }
    return write;
}

void RememberWrittenLine(Program& program, const std::string& stamp) {
    const TelemetrySnapshot& t = program.telemetry;
    program.lastLine = {t.HDGText, t.GndSpdText, t.AltText, t.VSText, stamp};
}

// Writing failed: stop everything that writes files, keep what is written, keep running.
void StopAfterWriteFailure(Program& program) {
    if (program.Realtime) {
        try {
            RemoveFileIgnoringCase(DataFolder(program.services.folders), "RealtimeLocation.kml");
        } catch (const FolderError&) {
        }
    }
    program.Logging = false;
    program.Animation = false;
    program.Realtime = false;
    program.WriteFailed = true;
    program.resume.pending = false;
    MainWindowView& v = program.mainView;
    v.btnSetChase = v.btnSetLeft = v.btnSetRight = v.btnSetOverview = false;
    UpdateLoggingLabels(program, false, false, false);
    ShowMessage(program, "Unable to write the flight log, logging stopped.");
}

void WriteSample(Program& program, const std::string& callerCode, bool force,
                 const std::string& stamp) {
    const bool write = DecideToWrite(program, callerCode, force, stamp);
    std::string code = program.PrevTickStamp.empty() ? "SA" : callerCode;
    code = DetectFlightEvents(program, code);
    const std::string previous = program.PrevTickStamp.empty() ? "-" : program.PrevTickStamp;
    const std::string line = BuildLogLine(program.telemetry, stamp, code, previous);
    if (write && program.Logging) {
        if (!AppendLogLine(program.FlightLogPath, line)) throw WriteFailure("log");
        RememberWrittenLine(program, stamp);
    }
    if (program.Realtime && program.Logging) {
        const std::string realtimePath = DataFolder(program.services.folders) + "Realtime.txt";
        if (!UpdateRealtimeText(program.FlightLogPath, realtimePath, line, program.realtimeText))
            throw WriteFailure("realtime");
    }
    if (program.Animation) RecordAnimationFrame(program, code);
}

}  // namespace

void RecordSample(Program& program, const std::string& code, bool force) {
    const std::string stamp = StampText(program.services.clock.utcNow());
    if (program.Animation) program.AnimationStamp = stamp;
    try {
        WriteSample(program, code, force, stamp);
    } catch (const WriteFailure&) {
        StopAfterWriteFailure(program);
    } catch (const ConversionFault&) {
        StopAfterWriteFailure(program);
    } catch (const FolderError&) {
        StopAfterWriteFailure(program);
    }
}

}  // namespace flenmark
