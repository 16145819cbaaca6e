#include "app/connection.h"

#include <cstdint>

#include "app/logging_control.h"
#include "app/logging_labels.h"
#include "app/main_tick.h"
#include "app/messages.h"
#include "app/program.h"
#include "app/tick_deadline.h"
#include "simlink/single_read.h"

namespace flenmark {
namespace {

void ShowConnected(Program& program) {
    program.mainView.lblConnect = {"Connected", TextColour::Black};
}

void SwitchTcasOff(Program& program) {
    program.traffic.TCASMode = 0;  // the TCAS window shows "OFF" from the mode
}

void RestoreIfLostWhileMinimized(Program& program) {
    if (program.mainView.minimized && program.PrevConnected) {
        program.mainView.minimized = false;
        program.services.ui.restoreFromTray();
    }
}

void DisableViewButtons(MainWindowView& view) {
    view.btnSetOverview = view.btnSetRight = view.btnSetLeft = view.btnSetChase = false;
}

}  // namespace

std::string SimulatorSourcesAdvice(const SimLink& link) {
    std::string advice =
        "On this system the recorder is fed by flenmark-simhost (the simulator stand-in), "
        "flenmark-fgbridge (FlightGear with its property server, --httpd=8080) or "
        "flenmark-xpbridge (X-Plane): start one of them first.";
    const std::string places = link.hostPlaces();
    if (!places.empty()) advice += "\nLooked for a simulator at " + places + ".";
    return advice;
}

void Connect(Program& program) {
    if (program.Connected) return;
    int result = 0;
    bool opened = false;
    {
        const TickDeadline deadline(program.services.link);
        opened = program.services.link.OpenLink(0, result);
    }
    if (opened) {
        program.Connected = true;
        ShowConnected(program);
        MainTick(program);
        return;
    }
    SwitchTcasOff(program);
    program.Connected = false;
    program.mainView.lblConnect = {"Not connected", TextColour::Red};
    program.services.dialogs.message(
        "Connection failure",
        "Connection failed, please make sure your FS is running and you installed FSUIPC (or "
        "XPUIPC for X-Plane) correctly.\n\nError code: " +
            std::to_string(result) +
            (LinkFaultOfThisComputer(result).empty()
                 ? std::string()
                 : " (" + LinkFaultOfThisComputer(result) + ")") +
            "\n\n" + SimulatorSourcesAdvice(program.services.link));
}

std::string LinkFaultOfThisComputer(int code) {
    switch (code) {
        case kLinkMapCreateFailed:
            return "the link could not make its shared memory block on this computer";
        case kLinkMapViewFailed:
            return "the link could not map its shared memory block";
        default:
            return {};
    }
}

std::string NoConnectionMessage(int code, int seconds) {
    std::string fault = LinkFaultOfThisComputer(code);
    if (fault.empty())
        return "No simulator answered within " + std::to_string(seconds) + " seconds (error code " +
               std::to_string(code) + ").";
    fault[0] = 'T';
    return fault + " (error code " + std::to_string(code) + ").";
}

void TryAutoConnect(Program& program) {
    int result = 0;
    program.Connected = program.services.link.OpenLink(0, result);
    if (program.Connected) {
        ShowConnected(program);
        return;
    }
    SwitchTcasOff(program);
    program.mainView.lblConnect = {"Not connected", TextColour::Red};
    RestoreIfLostWhileMinimized(program);
}

void HandleConnectionLost(Program& program, LostDuring during) {
    if (program.Logging && program.settings.ResumeLogging)
        program.resume = {true, program.Animation, program.Realtime};
    // Kept as it stands; when logging resumes, the flight goes on.
    if (program.Logging) EndFlight(program, program.resume.pending);
    program.services.link.CloseLink();
    program.Connected = false;
    if (program.StatusWindowOpen) {
        StatusWindowView& s = program.statusView;
        for (LabelView* label : {&s.label1, &s.label12, &s.label2, &s.label3, &s.label4, &s.label8})
            label->text.clear();
    }
    program.Logging = false;
    program.Realtime = false;
    DisableViewButtons(program.mainView);
    if (during == LostDuring::Telemetry) program.Animation = false;
    UpdateLoggingLabels(program, false, false, false);
    ForgetPreviousPosition(program);
    // The next reading begins a new run: nothing of this one is compared with it.
    program.prev = PreviousTick{};
    program.mainView.lblConnect.text = "Not connected";
    RestoreIfLostWhileMinimized(program);
    if (during == LostDuring::Telemetry) program.mainView.lblConnect.colour = TextColour::Red;
    ShowMessage(program, "Connection to FS timed out.");
}

}  // namespace flenmark
