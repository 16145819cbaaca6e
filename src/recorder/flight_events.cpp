#include "recorder/flight_events.h"

#include "base/number_text.h"
#include "recorder/sample_context.h"

namespace flenmark {
namespace {

struct EventContext {
    SampleContext& program;
    std::string code;

    void fire(const std::string& eventCode, const std::string& message) {
        code = eventCode;
        if (program.showMessage) program.showMessage(message);
    }
};

bool InIlsWindow(const SampleContext& p, double height, double vs) {
    const Settings& s = p.settings;
    return height > s.IgnoreILSBelow && height < s.IgnoreILSAbove && vs < s.IgnoreILSAboveVS;
}

void Markers(EventContext& e, double vs) {
    const TelemetrySnapshot& t = e.program.telemetry;
    const PreviousTick& p = e.program.prev;
    if (vs >= e.program.settings.IgnoreILSAboveVS) return;
    if (t.InnerMarker != p.InnerMarker && t.InnerMarker == 1)
        e.fire("IM", "Event: Passing inner marker");
    if (t.MiddleMarker != p.MiddleMarker && t.MiddleMarker == 1)
        e.fire("MM", "Event: Passing middle marker");
    if (t.OuterMarker != p.OuterMarker && t.OuterMarker == 1)
        e.fire("OM", "Event: Passing outer marker");
}

void Ils(EventContext& e, double height, double vs) {
    const TelemetrySnapshot& t = e.program.telemetry;
    const PreviousTick& p = e.program.prev;
    const bool window = InIlsWindow(e.program, height, vs);
    if (t.GSState != p.GSState && window && t.GSAlive == p.GSAlive) {
        if (t.GSState == 0) e.fire("BG", "Event: Below glideslope");
        if (t.GSState == 1) e.fire("OG", "Event: On glideslope");
        if (t.GSState == 2) e.fire("AG", "Event: Above glideslope");
    }
    if (t.LocCaptured != p.LocCaptured && window && p.GSNeedle != 0) {
        if (t.LocCaptured)
            e.fire("LI", "Event: Localizer intercept");
        else
            e.fire("LL", "Event: Localizer lost");
    }
}

// A two-state change: `up` when the previous value was set, `down` when it was clear.
void Toggle(EventContext& e, int16_t now, int16_t before, const char* codeWhenSet,
            const char* messageWhenSet, const char* codeWhenClear, const char* messageWhenClear) {
    if (now == before) return;
    if (before != 0)
        e.fire(codeWhenSet, messageWhenSet);
    else
        e.fire(codeWhenClear, messageWhenClear);
}

void FlapsAndGear(EventContext& e) {
    SampleContext& pr = e.program;
    const TelemetrySnapshot& t = pr.telemetry;
    if (t.FlapsPct != pr.state.PrevFlapsPct) {
        const std::string n = IntText(t.FlapsPct);
        e.fire("FL=" + n, "Event: Flaps " + n + "%");
    }
    pr.state.PrevFlapsPct = t.FlapsPct;
    if (pr.state.PrevGearText.empty()) pr.state.PrevGearText = t.GearText;
    if (t.GearText != pr.state.PrevGearText) {
        if (t.GearText != "1")
            e.fire("GU", "Event: Gear up");
        else
            e.fire("GD", "Event: Gear down");
    }
}

void GroundContact(EventContext& e) {
    const TelemetrySnapshot& t = e.program.telemetry;
    const PreviousTick& p = e.program.prev;
    if (t.OnGround == p.OnGround) return;
    const std::string autobrake = IntText(t.Autobrake);
    if (p.OnGround == 1 && t.OnGround == 0) {
        e.fire("TO=" + autobrake, "Event: Take-off");
    } else {
        e.fire("TD=" + t.LastAirVSText + "/" + autobrake,
               "Event: Touchdown, " + t.LastAirVSText + "ft/m");
    }
}

}  // namespace

std::string DetectFlightEvents(SampleContext& program, std::string code) {
    const TelemetrySnapshot& t = program.telemetry;
    if (!program.prev.HasReading) {
        // The first reading of a run: what the next one is compared with, no event of its own.
        program.state.PrevFlapsPct = t.FlapsPct;
        program.state.PrevGearText = t.GearText;
        return code;
    }
    const double height = NumericValue(program.telemetry.AltAGLText);
    const double vs = NumericValue(program.telemetry.VSText);
    EventContext e{program, std::move(code)};
    const PreviousTick& p = program.prev;
    Markers(e, vs);
    Ils(e, height, vs);
    Toggle(e, t.Tailhook, p.Tailhook, "TU", "Event: Tailhook up", "TL", "Event: Tailhook down");
    Toggle(e, t.Spoilers, p.Spoilers, "SU", "Event: Spoilers retracted", "SD",
           "Event: Spoilers deployed");
    FlapsAndGear(e);
    Toggle(e, t.Overspeed, p.Overspeed, "OE", "Event: Recovered from overspeed", "O",
           "Event: Overspeeding!!");
    Toggle(e, t.Stall, p.Stall, "SE", "Event: Recovered from stall", "S", "Event: Stalling!!");
    GroundContact(e);
    program.state.PrevGearText = t.GearText;
    return e.code;
}

}  // namespace flenmark
