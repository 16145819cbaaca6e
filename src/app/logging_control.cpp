#include "app/logging_control.h"

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

void StartLogging(Program& program) {
    if (!RequireConnection(program)) return;
    program.Logging = true;
    RecordSample(program, "SA", true);
    if (!program.Logging) return;  // the first line could not be written
    program.PrevTickStamp = StampText(program.services.clock.utcNow());
    ShowMessage(program, program.Animation ? "Logging started (animation mode enabled)."
                                           : "Logging started.");
}

void ToggleAnimation(Program& program) {
    if (!RequireConnection(program)) return;
    if (program.Animation) {
        program.Animation = false;
        ShowMessage(program, "Animation mode disabled.");
        return;
    }
    program.Logging = true;
    program.Animation = true;
    RecordSample(program, "SA", true);
    if (!program.Logging) return;
    program.PrevTickStamp = StampText(program.services.clock.utcNow());
    ShowMessage(program, "Animation mode enabled.");
}

void ResumeLoggingAfterReconnect(Program& program) {
    if (!program.resume.pending || !program.Connected) return;
    const Program::Resume resume = program.resume;
    program.resume = {};
    if (!program.settings.ResumeLogging || program.Logging) return;
    program.Logging = true;
    program.Animation = resume.animation;
    program.Realtime = resume.realtime;
    MainWindowView& v = program.mainView;
    v.btnSetChase = v.btnSetLeft = v.btnSetRight = v.btnSetOverview = resume.realtime;
    RecordSample(program, "SA", true);
    if (!program.Logging) return;  // the line could not be written
    program.PrevTickStamp = StampText(program.services.clock.utcNow());
    ShowMessage(program, "Logging resumed.");
}

void StartLoggingOnConnectWhenAsked(Program& program) {
    if (!program.StartLoggingOnConnect || !program.Connected) return;
    program.StartLoggingOnConnect = false;
    if (!program.Logging) StartLogging(program);
}

void StopLogging(Program& program) {
    if (!program.Logging) return;
    const bool realtime = program.Realtime;
    program.Realtime = false;
    DisableViewButtons(program);
    RecordSample(program, "SO", false);
    program.Animation = false;
    UpdateLoggingLabels(program, false, false, false);
    // The realtime files show the final state; without tracking there is nothing to show, and
    // converting a realtime log that was never written would only report a failure.
    if (realtime) ConvertRealtimeFiles(program);
    program.Logging = false;
    program.mainView.label5.text = "No logging";
    ForgetPreviousPosition(program);
    ShowMessage(program, "Logging stopped.");
}

void ResetLog(Program& program, bool skipConfirmation) {
    if (!skipConfirmation &&
        !program.services.dialogs.askYesNo(
            "Reset log",
            "Warning, proceeding will delete your current flightlog until now!\r\nAre you sure "
            "you want to proceed?"))
        return;
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
