#pragma once

#include <string>

namespace flenmark {

struct SampleContext;

// Appends this tick's frame to "Animation.txt" (not while parked without an event, once the
// file has its first frame) and, unless the TCAS mode is OFF, the traffic table's aircraft
// with their class and relative altitude to "Traffic.txt".
void RecordAnimationFrame(SampleContext& context, const std::string& code);

// Relative altitude in hundreds of feet with an explicit sign: "+12", "+0", "-3".
std::string RelativeAltitudeText(double trafficAltFeet, double ownAltFeet);

}  // namespace flenmark
