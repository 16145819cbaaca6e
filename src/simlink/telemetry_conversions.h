#pragma once

#include <cstdint>
#include <string>

namespace flenmark {

// Conversions of the simulator's raw offset values into the snapshot's units and texts.
// Texts use `sep` as decimal separator. Functions that can overflow throw ConversionFault.

// Latitude and longitude texts, cut to at most 13 digits after the separator.
std::string LatitudeText(int64_t raw, char sep);
std::string LongitudeText(int64_t raw, char sep);

// The cut applied to a latitude or longitude text (negative exponents written out first).
std::string CutCoordinateText(const std::string& text, char sep);

// Whole feet, truncated toward zero ("-12" for -12.7 ft); raw is metres with 32 fraction bits.
std::string AltitudeText(int64_t raw);

// Knots from metres per second x 65536.
std::string GroundSpeedText(int32_t raw, char sep);

// Degrees in [0, 360) from a 32-bit angle.
std::string HeadingText(int32_t raw, char sep);

// Feet per minute from metres per second x 256; raw x 60 must fit 32 bits.
std::string VerticalSpeedText(int32_t raw, char sep);

// The frozen last airborne vertical speed as whole feet per minute; when that is 0, the
// whole part of the current vertical speed text instead.
std::string LastAirVerticalSpeedText(int32_t raw, const std::string& vsText);

// Ground elevation in feet from metres x 256.
double GroundElevationFeet(int32_t raw);

// "1" only at full travel (16383).
std::string GearText(int32_t raw);

int16_t FlapsPercent(int32_t raw);
int16_t SpoilersDeployed(int32_t raw);
int16_t TailhookDown(double position);

// True when the localiser needle byte lies inside the capture band of `locIntPercent`.
bool LocalizerCaptured(uint8_t needle, int locIntPercent);

struct GlideslopeReading {
    int16_t needle = 0;
    int16_t state = 1;  // 0 below the band, 1 inside, 2 above
};
GlideslopeReading GlideslopeBand(uint8_t needle, int gsIntPercent);

// Height above ground. On the ground the reference height is taken anew into groundOffset.
std::string HeightAboveGroundText(double altFeet, double elevationFeet, bool onGround,
                                  float& groundOffset, char sep);

}  // namespace flenmark
