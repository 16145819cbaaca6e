#include "app/tcas_display.h"

#include <cmath>

#include "app/link_operations.h"
#include "app/messages.h"
#include "app/program.h"
#include "app/tick_deadline.h"
#include "base/geodesy.h"
#include "base/number_text.h"
#include "recorder/animation_recorder.h"
#include "simlink/ai_traffic.h"

namespace flenmark {

std::string TcasModeText(int16_t mode) {
    static const char* const kNames[] = {"OFF", "ABV", "BLW", "NRM", "ALL"};
    return mode >= 0 && mode <= 4 ? kNames[mode] : "OFF";
}

std::string TcasRangeText(int16_t range) {
    return IntText(range) + "NM";
}

void CycleTCASMode(Program& program) {
    program.traffic.TCASMode =
        program.Connected ? static_cast<int16_t>((program.traffic.TCASMode + 1) % 5) : 0;
}

void ZoomIn(Program& program) {
    int16_t& r = program.traffic.TCASRange;
    if (r == 5 || r == 10)
        r = 5;
    else if (r == 15)
        r = 10;
    else if (r == 20)
        r = 15;
    else if (r == 40)
        r = 20;
}

void ZoomOut(Program& program) {
    int16_t& r = program.traffic.TCASRange;
    if (r == 5)
        r = 10;
    else if (r == 10)
        r = 15;
    else if (r == 15)
        r = 20;
    else if (r == 20 || r == 40)
        r = 40;
}

bool ToggleTCASOnTop(Program& program) {
    program.TCASOnTop = !program.TCASOnTop;
    ShowMessage(program, program.TCASOnTop ? "TCAS window set always on top."
                                           : "TCAS always on top disabled.");
    return program.TCASOnTop;
}

std::string ScopePosition(Program& program, double lat, double lon) {
    const TelemetrySnapshot& t = program.telemetry;
    const auto ownLat = ParseNumber(t.LatText), ownLon = ParseNumber(t.LonText),
               heading = ParseNumber(t.HDGText);
    if (!ownLat || !ownLon || !heading || program.traffic.TCASRange <= 0) {
        ShowMessage(program, "Unable to calculate X and Y pos for TCAS.");
        return "0:0";
    }
    double rel = BearingDeg(*ownLon, *ownLat, lon, lat) - *heading;
    if (rel < 0) rel += 360;
    const double d = GreatCircleDistanceNm(*ownLat, *ownLon, lat, lon, false);
    const float scale = (kScopeSize / 2.0f) / program.traffic.TCASRange;
    const double r = d * scale;
    double theta = -(rel - 90);
    if (theta < 0) theta += 360;
    theta *= 3.14159265 / 180;
    const double dy = RoundHalfEven(-std::sin(theta) * r);
    const double dx = RoundHalfEven(std::cos(theta) * r);
    const auto y = static_cast<int64_t>(RoundHalfEven(dy + kScopeSize / 2.0));
    const auto x = static_cast<int64_t>(RoundHalfEven(dx + kScopeSize / 2.0));
    return IntText(x) + ":" + IntText(y);
}

namespace {

void DrawTarget(Program& program, double lat, double lon, double alt) {
    const int16_t cls = ClassifyTraffic(program, lat, lon, alt, "", "", "");
    if (cls == 0) return;
    const std::string pos = ScopePosition(program, lat, lon);
    const size_t colon = pos.find(':');
    TcasTarget target;
    target.x = static_cast<int>(NumericValue(pos.substr(0, colon)));
    target.y = static_cast<int>(NumericValue(pos.substr(colon + 1)));
    target.traffic = cls;
    target.caption = RelativeAltitudeText(alt, NumericValue(program.telemetry.AltText));
    program.tcasView.targets.push_back(target);
}

}  // namespace

void TcasTimerTick(Program& program) {
    program.tcasView.targets.clear();
    if (!program.Connected || program.traffic.TCASMode == kTcasOff) return;
    {
        const TickDeadline deadline(program.services.link);
        GetAI(program);
    }
    const AITrafficTable& table = program.traffic.AITraffic;
    for (int row = 1; row < AITrafficTable::kRows && program.Connected; ++row) {
        if (!table.occupied(row)) continue;
        const auto lat = ParseNumber(table.at(row, 1)), lon = ParseNumber(table.at(row, 2)),
                   alt = ParseNumber(table.at(row, 3));
        if (!lat || !lon || !alt) {
            ShowMessage(program, "Unable to draw the TCAS.");
            continue;
        }
        DrawTarget(program, *lat, *lon, *alt);
    }
}

}  // namespace flenmark
