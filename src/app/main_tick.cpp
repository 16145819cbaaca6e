#include "app/main_tick.h"

#include <optional>

#include "app/connection.h"
#include "app/link_operations.h"
#include "app/logging_control.h"
#include "app/logging_labels.h"
#include "app/messages.h"
#include "app/program.h"
#include "app/realtime_commands.h"
#include "app/recording.h"
#include "app/status_window.h"
#include "app/tick_deadline.h"
#include "base/date_time.h"
#include "base/utc_time.h"
#include "recorder/flight_log.h"

namespace flenmark {
namespace {

// The logging buttons follow the program's state in its view (ViewOf).
void UpdateButtons(Program& program) {
    MainWindowView& v = program.mainView;
    v.btnResetLog = v.btnConvert = LogHasContent(program.FlightLogPath);
}

void FillFirstSampleDefaults(Program& program) {
    if (program.prev.LatText.empty()) program.prev.LatText = program.telemetry.LatText;
    if (program.prev.LonText.empty()) program.prev.LonText = program.telemetry.LonText;
    for (std::string* s : {&program.recorder.lastLine.HDG, &program.recorder.lastLine.VS,
                           &program.recorder.lastLine.GndSpd, &program.recorder.lastLine.Alt})
        if (s->empty()) *s = "0";
}

// The summary shows the flight being recorded, or the one that ended last (as it ended) until
// another begins.
void UpdateFlightSummary(Program& program) {
    const FlightTracker& flight = program.flight.tracker;
    const int64_t now =
        program.flight.open ? ToEpochSeconds(program.services.clock.utcNow()) : flight.lastEpochS();
    program.mainView.flight =
        SummaryViewOf(flight, flight.empty() ? nullptr : Airports(program), now);
}

// Steps of a tick in which the link was up at its start. False when the link was lost.
bool ConnectedTick(Program& program) {
    ReadTelemetry(program);
    if (!program.Connected) return false;
    UpdateLoggingLabels(program, program.Logging, false, program.Realtime);
    FillFirstSampleDefaults(program);
    if (program.StatusWindowOpen) UpdateStatusWindow(program);
    // One sample a tick: when logging begins with this reading, it is the start line.
    const std::optional<std::string> begun = BeginLoggingWithThisReading(program);
    RecordSample(program, begun ? "SA" : "", begun.has_value());
    if (begun && program.Logging) ShowMessage(program, *begun);
    if (program.Realtime) ConvertRealtimeFiles(program);
    CopyPreviousTick(program);
    program.PrevTickStamp = StampText(program.services.clock.utcNow());
    return true;
}

}  // namespace

void CopyPreviousTick(Program& program) {
    const TelemetrySnapshot& t = program.telemetry;
    PreviousTick& p = program.prev;
    p.HDGText = t.HDGText;
    p.GndSpdText = t.GndSpdText;
    p.LatText = t.LatText;
    p.LonText = t.LonText;
    p.AltText = t.AltText;
    p.VSText = t.VSText;
    p.OnGround = t.OnGround;
    p.Spoilers = t.Spoilers;
    p.Tailhook = t.Tailhook;
    p.Overspeed = t.Overspeed;
    p.Stall = t.Stall;
    p.InnerMarker = t.InnerMarker;
    p.MiddleMarker = t.MiddleMarker;
    p.OuterMarker = t.OuterMarker;
    p.LocCaptured = t.LocCaptured;
    p.GSState = t.GSState;
    p.GSAlive = t.GSAlive;
    p.GSNeedle = t.GSNeedle;
    p.HasReading = true;
}

void MainTick(Program& program) {
    const TickDeadline deadline(program.services.link);
    UpdateButtons(program);
    MainWindowView& view = program.mainView;
    view.label9.text = NextClockLabel(view.label9.text, program.services.clock.utcNow());
    if (!program.Connected) {
        TryAutoConnect(program);
    } else if (!ConnectedTick(program)) {
        UpdateFlightSummary(program);
        return;  // the link was lost during the read: the rest of the tick is skipped
    }
    UpdateFlightSummary(program);
    if (!program.Connected) {
        program.traffic.TCASMode = 0;
        view.lblConnect = {"Not connected", TextColour::Red};
        if (view.minimized && program.PrevConnected) {
            view.minimized = false;
            program.services.ui.restoreFromTray();
        }
    } else {
        view.lblConnect = {"Connected", TextColour::Black};
    }
    if (program.UsageReportPending) {
        if (program.extensions.sendUsageReport) program.extensions.sendUsageReport();
        program.UsageReportPending = false;
    }
    program.PrevConnected = program.Connected;
}

}  // namespace flenmark
