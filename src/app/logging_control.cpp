#include "app/logging_control.h"

#include "app/flight_keeping.h"
#include "app/logging_labels.h"
#include "app/messages.h"
#include "app/program.h"
#include "app/realtime_commands.h"
#include "app/recording.h"
#include "base/text_files.h"
#include "base/utc_time.h"
#include "platform/data_folders.h"

namespace flenmark {
namespace {

bool RequireConnection(Program& program) {
    if (!program.Connected) ShowMessage(program, "No open FS connection.");
    return program.Connected;
}

void DisableViewButtons(Program& program) {
    MainWindowView& v = program.mainView;
    v.btnSetChase = v.btnSetLeft = v.btnSetRight = v.btnSetOverview = false;
}

// Creates the file if needed, then deletes it.
bool DeleteLogFile(const std::string& path) {
    return EnsureFileExists(path) && RemoveFile(path);
}

std::string StartMessage(const Program& program) {
    return program.Animation ? "Logging started (animation mode enabled)." : "Logging started.";
}

}  // namespace

void ForgetPreviousPosition(Program& program) {
    PreviousTick& p = program.prev;
    p.LonText.clear();
    p.LatText.clear();
    p.GndSpdText.clear();
    p.AltText.clear();
    p.HDGText.clear();
    program.PrevTickStamp.clear();
}

void BeginLogging(Program& program, bool animation, const std::string& message) {
    if (program.Logging) return;
    if (!program.prev.HasReading) {
        // Connected, but nothing read yet: the next reading is the first line.
        program.StartLoggingOnConnect = true;
        program.AnimationOnConnect = program.Animation || animation;
        return;
    }
    program.flight.open = false;  // a new recording is a new flight
    program.Logging = true;
    program.Animation = program.Animation || animation;
    program.lostLinesAtStart = program.lostLines;
    RecordSample(program, "SA", true);
    if (!program.Logging) return;  // the first line could not be written
    program.PrevTickStamp = StampText(program.services.clock.utcNow());
    if (!message.empty()) ShowMessage(program, message);
}

void StartLogging(Program& program) {
    if (!RequireConnection(program) || program.Logging) return;
    BeginLogging(program, false, StartMessage(program));
}

void ToggleAnimation(Program& program) {
    if (!RequireConnection(program)) return;
    if (program.Animation) {
        program.Animation = false;
        UpdateLoggingLabels(program, program.Logging, false, program.Realtime);
        ShowMessage(program, "Animation mode disabled.");
        return;
    }
    if (!program.Logging) return BeginLogging(program, true, "Animation mode enabled.");
    // A recording that runs has its start already: the frames join it.
    program.Animation = true;
    UpdateLoggingLabels(program, true, false, program.Realtime);
    ShowMessage(program, "Animation mode enabled.");
}

std::optional<std::string> BeginLoggingWithThisReading(Program& program) {
    const Program::Resume resume = program.resume;
    program.resume = {};
    const bool start = program.StartLoggingOnConnect;
    program.StartLoggingOnConnect = false;
    if (program.Logging) return std::nullopt;
    if (resume.pending && program.settings.ResumeLogging) {
        program.Logging = true;
        program.Animation = resume.animation;
        program.Realtime = resume.realtime;
        MainWindowView& v = program.mainView;
        v.btnSetChase = v.btnSetLeft = v.btnSetRight = v.btnSetOverview = resume.realtime;
        return "Logging resumed.";
    }
    if (!start) return std::nullopt;
    program.flight.open = false;  // a new recording is a new flight
    program.lostLinesAtStart = program.lostLines;
    program.Logging = true;
    program.Animation = program.AnimationOnConnect;
    return StartMessage(program);
}

void StopLogging(Program& program) {
    if (!program.Logging) return;
    const bool realtime = program.Realtime;
    program.Realtime = false;
    DisableViewButtons(program);
    RecordSample(program, "SO", false);
    EndFlight(program, false);
    program.Animation = false;
    UpdateLoggingLabels(program, false, false, false);
    // The realtime files show the final state; without tracking there is nothing to show, and
    // converting a realtime log that was never written would only report a failure.
    if (realtime) ConvertRealtimeFiles(program);
    program.Logging = false;
    program.mainView.label5.text = "No logging";
    ForgetPreviousPosition(program);
    ShowMessage(program, "Logging stopped.");
    const LostLines lost = program.lostLines.since(program.lostLinesAtStart);
    if (lost.any()) ShowMessage(program, "This recording has gaps: " + LostLinesText(lost) + ".");
}

void ResetLog(Program& program, bool skipConfirmation) {
    if (!skipConfirmation &&
        !program.services.dialogs.askYesNo(
            "Reset log",
            "Warning, proceeding will delete your current flightlog until now!\r\nAre you sure "
            "you want to proceed?"))
        return;
    // The run so far is a flight of its own; the log goes on as a new one.
    EndFlight(program, false);
    bool ok = false;
    try {
        const std::string folder = DataFolder(program.services.folders);
        ok = DeleteLogFile(folder + "Flightlog.txt") && DeleteLogFile(folder + "Animation.txt") &&
             DeleteLogFile(folder + "Traffic.txt") && EnsureFileExists(folder + "Flightlog.txt");
    } catch (const FolderError&) {
    }
    // The realtime files start afresh from the new log.
    program.recorder.realtimeText.valid = false;
    program.realtime.kml.reset();
    if (!ok) {
        ShowMessage(program, "Unable to delete tracklog, try again with realtime mode off.");
        return;
    }
    if (program.Logging)
        RecordSample(program, "SA=" + GetUtcHHMM(program.services.clock.utcNow()), false);
    ShowMessage(program, "Tracklog reset.");
}

}  // namespace flenmark
