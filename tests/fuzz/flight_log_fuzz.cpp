// A flight log with its animation and traffic logs, as a damaged file or a hand-edited one may
// hold them: the ordinary and the realtime conversion either fail or write well-formed KML.
#include "fuzz_program.h"
#include "fuzz_support.h"
#include "app/flight_conversion.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace flenmark;
    testing::TestProgram& t = fuzz::Program();
    const auto parts = fuzz::Parts(data, size, 3);
    t.program.realtime.kml.reset();  // each input is a new log, as after a reset
    testing::WriteFile(t.dataPath("Flightlog.txt"), parts[0]);
    testing::WriteFile(t.dataPath("Animation.txt"), parts[1]);
    testing::WriteFile(t.dataPath("Traffic.txt"), parts[2]);
    t.program.DecimalSeparator = size % 2 ? ',' : '.';
    const std::string kml = t.dataPath("Flightlog.kml");
    if (ConvertLogToKml(t.program, t.dataPath("Flightlog.txt"), kml, "Flight <&>", false, ""))
        fuzz::Require(fuzz::WellFormed(testing::ReadFile(kml)), "a converted flight is XML");
    TelemetrySnapshot& now = t.program.telemetry;
    now.LatText = "52,3";
    now.LonText = "4.76";
    now.AltText = "1500";
    now.HDGText = "359.5";
    now.GndSpdText = "120";
    now.AltAGLText = "1490";
    now.OnGround = size % 3 == 0;
    t.program.traffic.TCASMode = 4;
    const std::string live = t.dataPath("Realtime.kml"), camera = t.dataPath("Camera.kml");
    if (ConvertLogToKml(t.program, t.dataPath("Flightlog.txt"), live, "Live", true, camera)) {
        fuzz::Require(fuzz::WellFormed(testing::ReadFile(live)), "a realtime document is XML");
        fuzz::Require(fuzz::WellFormed(testing::ReadFile(camera)), "a camera document is XML");
    }
    return 0;
}
