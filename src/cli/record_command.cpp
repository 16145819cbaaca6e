#include "cli/record_command.h"

#include <chrono>
#include <filesystem>
#include <iostream>
#include <optional>

#include "app/connection.h"
#include "app/link_operations.h"
#include "app/logging_control.h"
#include "app/lost_lines.h"
#include "app/main_tick.h"
#include "app/realtime_commands.h"
#include "app/startup.h"
#include "app/tick_deadline.h"
#include "base/command_line_error.h"
#include "base/date_time.h"
#include "base/utf8_path.h"
#include "cli/chosen_data_folder.h"
#include "cli/console_services.h"
#include "platform/data_folders.h"
#include "platform/end_requests.h"
#include "platform/system_clock.h"
#include "platform/system_info.h"
#include "platform/system_services.h"
#include "simlink/ai_traffic.h"
#include "simlink/fsuipc_client.h"

namespace flenmark::cli {
namespace {

struct RecordOptions {
    std::optional<long> ticks;  // none: until stopped
    bool animation = false;
    bool realtime = false;
    int16_t tcasMode = kTcasOff;
    int16_t rangeNm = 20;
    long tickMs = 1000;
    std::string dataFolder;  // empty: the usual one
};

// Without --ticks, a recording whose simulator has not answered for this long (on the
// recorder's clock) ends: the simulator is gone for good.
constexpr int64_t kGoneForGoodSeconds = 600;

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

// What is wrong with the value of option `a`; empty when it is right.
std::string ParseValue(const std::string& a, const std::string& v, RecordOptions& o) {
    const std::string named = a + " " + v + ": ";
    long n = 0;
    if (a == "--ticks") {
        if (!ParseLong(v, 0, 100000000, n))
            return named + "the number of ticks is a whole number from 0 to 100000000";
        o.ticks = n;
    } else if (a == "--tcas" && !ParseTcasMode(v, o.tcasMode)) {
        return named + "the traffic mode is OFF, ABV, BLW, NRM or ALL";
    } else if (a == "--range") {
        if (!ParseLong(v, 5, 40, n) || (n != 5 && n != 10 && n != 15 && n != 20 && n != 40))
            return named + "the range is 5, 10, 15, 20 or 40 nautical miles";
        o.rangeNm = static_cast<int16_t>(n);
    } else if (a == "--tick-ms" && !ParseLong(v, 0, 60000, o.tickMs)) {
        return named + "the tick is a whole number of milliseconds from 0 to 60000";
    } else if (a == "--data-folder") {
        if (v.empty()) return named + "the data folder needs a name";
        std::error_code ec;
        o.dataFolder = TextOf(std::filesystem::absolute(PathOf(v), ec).lexically_normal());
        while (o.dataFolder.size() > 1 && o.dataFolder.back() == '/') o.dataFolder.pop_back();
        if (ec) return named + "the folder cannot be found from here";
    }
    return "";
}

// What is wrong with the options, naming the option and the reason; empty when they are right.
std::string Parse(const std::vector<std::string>& args, RecordOptions& o) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--animation" || a == "--realtime") {
            (a == "--animation" ? o.animation : o.realtime) = true;
            continue;
        }
        if (a != "--ticks" && a != "--tcas" && a != "--range" && a != "--tick-ms" &&
            a != "--data-folder")
            return a + ": not an option of record";
        if (i + 1 == args.size()) return a + ": needs a value";
        if (std::string error = ParseValue(a, args[++i], o); !error.empty()) return error;
    }
    return "";
}

// One tick of the recording: the traffic table when it is recorded, then the main tick.
void RecordOneTick(Program& program, const RecordOptions& o) {
    // A lost link switches the traffic off: the recording asked for it all along.
    if (program.Connected) program.traffic.TCASMode = o.tcasMode;
    if (program.Connected && program.traffic.TCASMode != kTcasOff) {
        const TickDeadline deadline(program.services.link);
        GetAI(program);
    }
    MainTick(program);
}

enum class HostWait { Connected, NoAnswer, LostAtOnce, Stopped };

// Waits up to 10 seconds for the simulator; its first reading opens the log.
HostWait WaitForHost(Program& program, const RecordOptions& o, EndRequests& ends, int& result) {
    SimLink& link = program.services.link;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    for (;;) {
        bool opened = false;
        {
            const TickDeadline deadline(link);
            opened = link.OpenLink(0, result);
        }
        if (opened) {
            program.Connected = true;
            RecordOneTick(program, o);  // as the connect button does: read the aircraft at once
            return program.Connected ? HostWait::Connected : HostWait::LostAtOnce;
        }
        if (std::chrono::steady_clock::now() >= deadline) return HostWait::NoAnswer;
        if (ends.waitFor(std::chrono::milliseconds(100))) return HostWait::Stopped;
    }
}

enum class RecordEnd { LastTick, Stopped, GoneForGood };

int64_t Seconds(const Clock& clock) {
    return ToEpochSeconds(clock.utcNow());
}

// The ticks after the first reading: N in all with --ticks, else until Ctrl+C or SIGTERM, or
// until the simulator is gone for good.
RecordEnd RecordTicks(Program& program, const RecordOptions& o, EndRequests& ends,
                      SteppedClock* stepped) {
    const Clock& clock = program.services.clock;
    int64_t lastAnswer = Seconds(clock);
    for (long tick = 1; !o.ticks || tick < *o.ticks; ++tick) {
        if (ends.waitFor(std::chrono::milliseconds(o.tickMs))) return RecordEnd::Stopped;
        if (stepped) stepped->tick();
        RecordOneTick(program, o);
        if (program.Connected)
            lastAnswer = Seconds(clock);
        else if (Seconds(clock) - lastAnswer >= kGoneForGoodSeconds)
            return RecordEnd::GoneForGood;
    }
    return RecordEnd::LastTick;
}

// Stops logging and says how the recording went and where it is: 0 done, 3 ended early or with
// a gap.
int FinishRecording(Program& program, RecordEnd end, const std::string& dataFolder) {
    int status = 0;
    if (program.WriteFailed) {
        std::cerr << "Recording ended early: the flight log could not be written.\n";
        status = 3;
    } else if (!program.Logging) {
        std::cerr << "Recording ended early: the link to the simulator was lost and did not come "
                  << (end == RecordEnd::GoneForGood ? "back within ten minutes.\n" : "back.\n");
        status = 3;
    }
    StopLogging(program);
    if (program.lostLines.any()) {
        std::cerr << "The recording has gaps: " << LostLinesText(program.lostLines) << ".\n";
        status = 3;
    } else if (status == 0) {
        std::cerr << (end == RecordEnd::Stopped ? "Recording stopped.\n" : "Recording done.\n");
    }
    std::cerr << "The logs are in " << dataFolder << "\n";
    return status;
}

}  // namespace

int RunRecordCommand(const std::vector<std::string>& args) {
    RecordOptions o;
    if (const std::string error = Parse(args, o); !error.empty()) {
        ReportCommandLineError("flenmark-cli", error);
        return 1;
    }
    EndRequests ends;  // from here on Ctrl+C and SIGTERM end the recording as Stop does
    // Faster than real time, the program clock still moves one second per tick.
    const bool stepped = o.tickMs < 1000;
    SystemClock systemClock;
    SteppedClock steppedClock;
    Clock& clock = stepped ? static_cast<Clock&>(steppedClock) : systemClock;
    const auto systemFolders = MakeFolders();
    ChosenDataFolder chosenFolders(*systemFolders, o.dataFolder);
    Folders& folders = o.dataFolder.empty() ? *systemFolders : chosenFolders;
    ConsoleDialogs dialogs;
    ConsoleShell shell;
    ConsoleUiHooks ui;
    const auto transport = MakeIpcTransport();
    FsuipcClient link(*transport);
    Program program(Services{clock, folders, dialogs, shell, ui, link});
    ui.attach(program);
    if (!StartUp(program, SystemFormatOfTwoAndAHalf())) return 1;
    const std::string dataFolder = DataFolder(folders);
    std::cerr << "Recording into " << dataFolder << "\n";
    program.traffic.TCASRange = o.rangeNm;
    program.StartLoggingOnConnect = true;
    program.AnimationOnConnect = o.animation;
    int result = 0;
    switch (WaitForHost(program, o, ends, result)) {
        case HostWait::NoAnswer:
            std::cerr << NoConnectionMessage(result, 10) << "\n"
                      << SimulatorSourcesAdvice(link) << "\n";
            return 2;
        case HostWait::LostAtOnce:
            std::cerr << "The simulator answered, but its first reading failed and the link was "
                         "lost.\n";
            return 2;
        case HostWait::Stopped:
            std::cerr << "Stopped before a simulator answered.\n";
            return 2;
        case HostWait::Connected:
            break;
    }
    if (o.realtime) {
        ToggleRealtime(program);
        // What the user opens in Google Earth; nothing here opens it.
        if (const auto realtimeLink = WriteRealtimeLinkFile(program))
            std::cerr << "Realtime link for Google Earth: " << *realtimeLink << "\n";
    }
    const RecordEnd end = RecordTicks(program, o, ends, stepped ? &steppedClock : nullptr);
    // Faster than real time, the closing line takes the next second, as a tick would.
    if (stepped) steppedClock.tick();
    return FinishRecording(program, end, dataFolder);
}

}  // namespace flenmark::cli
