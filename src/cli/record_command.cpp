#include "cli/record_command.h"

#include <chrono>
#include <iostream>
#include <memory>
#include <thread>

#include "app/connection.h"
#include "app/link_operations.h"
#include "app/logging_control.h"
#include "app/main_tick.h"
#include "app/realtime_commands.h"
#include "app/startup.h"
#include "app/tick_deadline.h"
#include "base/command_line_error.h"
#include "cli/console_services.h"
#include "platform/system_clock.h"
#include "platform/system_info.h"
#include "platform/system_services.h"
#include "simlink/ai_traffic.h"
#include "simlink/fsuipc_client.h"

namespace flenmark::cli {
namespace {

struct RecordOptions {
    long ticks = -1;
    bool animation = false;
    bool realtime = false;
    int16_t tcasMode = kTcasOff;
    int16_t rangeNm = 20;
    long tickMs = 1000;
};

bool ParseTcasMode(const std::string& text, int16_t& mode) {
    static const char* const kModes[] = {"OFF", "ABV", "BLW", "NRM", "ALL"};
    for (int16_t i = 0; i < 5; ++i)
        if (text == kModes[i]) return mode = i, true;
    return false;
}

bool ParseLong(const std::string& text, long low, long high, long& out) {
    char* end = nullptr;
    out = std::strtol(text.c_str(), &end, 10);
    return !text.empty() && *end == '\0' && out >= low && out <= high;
}

// What is wrong with the options, naming the option and the reason; empty when they are right.
std::string Parse(const std::vector<std::string>& args, RecordOptions& o) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--animation" || a == "--realtime") {
            (a == "--animation" ? o.animation : o.realtime) = true;
            continue;
        }
        if (a != "--ticks" && a != "--tcas" && a != "--range" && a != "--tick-ms")
            return a + ": not an option of record";
        if (i + 1 == args.size()) return a + ": needs a value";
        const std::string& v = args[++i];
        const std::string named = a + " " + v + ": ";
        long n = 0;
        if (a == "--ticks" && !ParseLong(v, 0, 100000000, o.ticks))
            return named + "the number of ticks is a whole number from 0 to 100000000";
        if (a == "--tcas" && !ParseTcasMode(v, o.tcasMode))
            return named + "the traffic mode is OFF, ABV, BLW, NRM or ALL";
        if (a == "--range") {
            if (!ParseLong(v, 5, 40, n) || (n != 5 && n != 10 && n != 15 && n != 20 && n != 40))
                return named + "the range is 5, 10, 15, 20 or 40 nautical miles";
            o.rangeNm = static_cast<int16_t>(n);
        }
        if (a == "--tick-ms" && !ParseLong(v, 0, 60000, o.tickMs))
            return named + "the tick is a whole number of milliseconds from 0 to 60000";
    }
    return o.ticks < 0 ? "--ticks: record needs the number of ticks to record" : "";
}

enum class HostWait { Connected, NoAnswer, LostAtOnce };

HostWait WaitForHost(Program& program, SimLink& link, int& result) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    for (;;) {
        bool opened = false;
        {
            const TickDeadline deadline(link);
            opened = link.OpenLink(0, result);
        }
        if (opened) {
            program.Connected = true;
            MainTick(program);  // as the connect button does: read the aircraft at once
            return program.Connected ? HostWait::Connected : HostWait::LostAtOnce;
        }
        if (std::chrono::steady_clock::now() >= deadline) return HostWait::NoAnswer;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
}

// Stops logging and says how the recording went: 0 done, 3 ended early or with a gap.
int FinishRecording(Program& program) {
    if (program.WriteFailed) {
        StopLogging(program);
        std::cerr << "Recording ended early: the flight log could not be written.\n";
        return 3;
    }
    if (!program.Logging) {
        std::cerr << "Recording ended early: the link to the simulator was lost and did not come "
                     "back.\n";
        return 3;
    }
    StopLogging(program);
    std::cerr << "Recording done.\n";
    return 0;
}

}  // namespace

int RunRecordCommand(const std::vector<std::string>& args) {
    RecordOptions o;
    if (const std::string error = Parse(args, o); !error.empty()) {
        ReportCommandLineError("flenmark-cli", error);
        return 1;
    }
    // Faster than real time, the program clock still moves one second per tick.
    const bool stepped = o.tickMs < 1000;
    SystemClock systemClock;
    SteppedClock steppedClock;
    Clock& clock = stepped ? static_cast<Clock&>(steppedClock) : systemClock;
    const auto ownFolders = MakeFolders();
    Folders& folders = *ownFolders;
    ConsoleDialogs dialogs;
    ConsoleShell shell;
    ConsoleUiHooks ui;
    const auto transport = MakeIpcTransport();
    FsuipcClient link(*transport);
    Program program(Services{clock, folders, dialogs, shell, ui, link});
    ui.attach(program);
    if (!StartUp(program, SystemFormatOfTwoAndAHalf())) return 1;
    int result = 0;
    const HostWait wait = WaitForHost(program, link, result);
    if (wait == HostWait::NoAnswer) {
        std::cerr << NoConnectionMessage(result, 10) << "\n"
                  << SimulatorSourcesAdvice(link) << "\n";
        return 2;
    }
    if (wait == HostWait::LostAtOnce) {
        std::cerr
            << "The simulator answered, but its first reading failed and the link was lost.\n";
        return 2;
    }
    program.traffic.TCASMode = o.tcasMode;
    program.traffic.TCASRange = o.rangeNm;
    if (o.animation)
        ToggleAnimation(program);
    else
        StartLogging(program);
    if (o.realtime) {
        ToggleRealtime(program);
        // What the user opens in Google Earth; nothing here opens it.
        if (const auto link = WriteRealtimeLinkFile(program))
            std::cerr << "Realtime link for Google Earth: " << *link << "\n";
    }
    for (long tick = 0; tick < o.ticks; ++tick) {
        if (tick > 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(o.tickMs));
            if (stepped) steppedClock.tick();
        }
        if (program.Connected && program.traffic.TCASMode != kTcasOff) {
            const TickDeadline deadline(program.services.link);
            GetAI(program);
        }
        MainTick(program);
    }
    return FinishRecording(program);
}

}  // namespace flenmark::cli
