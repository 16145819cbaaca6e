#include "app/recording.h"

#include "app/flight_keeping.h"
#include "app/logging_labels.h"
#include "app/messages.h"
#include "app/program.h"
#include "base/text_files.h"
#include "platform/data_folders.h"
#include "recorder/animation_recorder.h"
#include "recorder/flight_events.h"
#include "recorder/record_sample.h"
#include "recorder/sampling_decision.h"

namespace flenmark {
namespace {

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
    EndFlight(program, false);
    program.resume.pending = false;
    MainWindowView& v = program.mainView;
    v.btnSetChase = v.btnSetLeft = v.btnSetRight = v.btnSetOverview = false;
    UpdateLoggingLabels(program, false, false, false);
    ShowMessage(program, "Unable to write the flight log, logging stopped.");
}

// Overspeed turns the ground speed red, a stall the altitude, while the status window is open.
void WarningColours(Program& pr) {
    if (!pr.StatusWindowOpen) return;
    const TelemetrySnapshot& t = pr.telemetry;
    const PreviousTick& p = pr.prev;
    if (t.Overspeed != p.Overspeed)
        pr.statusView.label1.colour = p.Overspeed == 0 ? TextColour::Red : TextColour::Black;
    if (t.Stall != p.Stall)
        pr.statusView.label3.colour = p.Stall == 0 ? TextColour::Red : TextColour::Black;
}

}  // namespace

SampleContext SampleContextOf(Program& p) {
    return {p.Logging,
            p.Animation,
            p.PrevTickStamp,
            p.recorder,
            p.Realtime,
            p.telemetry,
            p.prev,
            p.settings,
            p.traffic,
            DataFolder(p.services.folders),
            p.FlightLogPath,
            p.services.clock.utcNow(),
            [&p](const std::string& text) { ShowMessage(p, text); }};
}

void RecordSample(Program& program, const std::string& code, bool force) {
    try {
        const bool wasWritten = program.recorder.LineWrittenThisTick;
        if (program.Logging && !program.flight.open) BeginFlight(program);
        SampleContext context = SampleContextOf(program);
        const SampleOutcome outcome = RecordSample(context, code, force);
        if (!outcome.line.empty()) TakeFlightLine(program, outcome.line);
        LostLines& lost = program.lostLines;
        lost.flightLog += outcome.logLineLost ? 1 : 0;
        lost.animation += outcome.framesLost;
        lost.traffic += outcome.trafficLinesLost;
        WarningColours(program);
        if (outcome.failed) return StopAfterWriteFailure(program);
        if (outcome.written || wasWritten)
            UpdateLoggingLabels(program, program.Logging, outcome.written, program.Realtime);
    } catch (const FolderError&) {
        if (program.Logging) ++program.lostLines.flightLog;
        StopAfterWriteFailure(program);
    }
}

bool SampleIsWorthWriting(Program& program) {
    return SampleIsWorthWriting(SampleContextOf(program));
}

std::string DetectFlightEvents(Program& program, std::string code) {
    SampleContext context = SampleContextOf(program);
    code = DetectFlightEvents(context, std::move(code));
    WarningColours(program);
    return code;
}

void RecordAnimationFrame(Program& program, const std::string& code) {
    SampleContext context = SampleContextOf(program);
    const AnimationOutcome lost = RecordAnimationFrame(context, code);
    program.lostLines.animation += lost.framesLost;
    program.lostLines.traffic += lost.trafficLinesLost;
}

}  // namespace flenmark
