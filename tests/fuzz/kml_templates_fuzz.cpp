// A template file someone edited: loading it and converting a flight with it never faults; a
// template that lacks a word fails the conversion instead.
#include "fuzz_program.h"
#include "fuzz_support.h"
#include "app/flight_conversion.h"

namespace {

const char* kLog =
    "20090712143500:4,76:52,3:10:1::0:0:0:0:0:240:-\r\n"
    "20090712143510:4,761:52,301:900:0:TO=3:140:890:150:800:145:240:20090712143509\r\n"
    "20090712143520:4,762:52,302:1500:0:O:260:1490:270:0:265:240:20090712143519\r\n"
    "20090712143530:4,763:52,303:1500:0:OE:200:1490:210:0:205:250:20090712143529\r\n"
    "20090712143540:4,764:52,304:10:1:TD=-312/2:120:0:120:0:118:240:20090712143539\r\n";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace flenmark;
    testing::TestProgram& t = fuzz::Program();
    static const KmlTemplateSet standard = t.program.kmlTemplates;
    t.program.kmlTemplates =
        ParseKmlTemplates(std::string_view(reinterpret_cast<const char*>(data), size));
    testing::WriteFile(t.dataPath("Flightlog.txt"), kLog);
    testing::WriteFile(t.dataPath("Animation.txt"), kLog);
    testing::WriteFile(t.dataPath("Traffic.txt"),
                       "20090712143510:7:52.31:4.77:2000:90:250:KLM1:0:2:+11:20090712143509\r\n");
    ConvertLogToKml(t.program, t.dataPath("Flightlog.txt"), t.dataPath("Flightlog.kml"), "F", false,
                    "");
    t.program.telemetry.LatText = "52.3";
    t.program.telemetry.LonText = "4.76";
    ConvertLogToKml(t.program, t.dataPath("Flightlog.txt"), t.dataPath("Realtime.kml"), "R", true,
                    t.dataPath("Camera.kml"));
    t.program.kmlTemplates = standard;
    return 0;
}
