#pragma once

#include <cstddef>
#include <string>

namespace flenmark {

struct SampleContext;

// Lines of the animation logs that were due and could not be written.
struct AnimationOutcome {
    size_t framesLost = 0;        // of "Animation.txt"
    size_t trafficLinesLost = 0;  // of "Traffic.txt"
};

// Appends this tick's frame to "Animation.txt" (not while parked without an event, once the
// file has its first frame) and, unless the TCAS mode is OFF, the traffic table's aircraft
// with their class and relative altitude to "Traffic.txt". A failure ends the call with
// "Error in animating flight." on the message line.
AnimationOutcome RecordAnimationFrame(SampleContext& context, const std::string& code);

// Relative altitude in hundreds of feet with an explicit sign: "+12", "+0", "-3".
std::string RelativeAltitudeText(double trafficAltFeet, double ownAltFeet);

}  // namespace flenmark
