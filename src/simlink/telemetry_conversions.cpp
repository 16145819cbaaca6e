#include "simlink/telemetry_conversions.h"

#include <cctype>
#include <cmath>

#include "base/number_text.h"

namespace flenmark {
namespace {

constexpr double kTwo32 = 4294967296.0;
constexpr double kFeetPerMetre = 3.28084;

}  // namespace

std::string CutCoordinateText(const std::string& text, char sep) {
    std::string t = text;
    const size_t n = t.size();
    if (n >= 4 && t[n - 4] == 'E' && t[n - 3] == '-' &&
        std::isdigit(static_cast<unsigned char>(t[n - 2])) &&
        std::isdigit(static_cast<unsigned char>(t[n - 1]))) {
        // Tiny values near the equator or the prime meridian: write them out as plain decimals.
        t = PlainNumberText(NumericValue(t), sep);
    }
    const size_t s = t.find(sep);
    t = s == std::string::npos ? t.substr(0, 13) : t.substr(0, s + 1 + 13);
    if (!t.empty() && t.back() == 'E') t.pop_back();
    return t;
}

std::string LatitudeText(int64_t raw, char sep) {
    const double deg = static_cast<double>(raw) * 90.0 / (10001750.0 * 65536.0 * 65536.0);
    return CutCoordinateText(NumberText(deg, sep), sep);
}

std::string LongitudeText(int64_t raw, char sep) {
    const double deg = static_cast<double>(raw) * 360.0 / (65536.0 * 65536.0 * 65536.0 * 65536.0);
    return CutCoordinateText(NumberText(deg, sep), sep);
}

std::string AltitudeText(int64_t raw) {
    const double feet = static_cast<double>(raw) * kFeetPerMetre / kTwo32;
    return IntText(static_cast<int64_t>(std::trunc(feet)));
}

std::string GroundSpeedText(int32_t raw, char sep) {
    return NumberText(static_cast<double>(raw) * 3600.0 / 65536.0 / 1852.0, sep);
}

std::string HeadingText(int32_t raw, char sep) {
    double deg = static_cast<double>(raw) * 360.0 / kTwo32;
    if (deg < 0) deg += 360.0;
    return NumberText(deg, sep);
}

std::string VerticalSpeedText(int32_t raw, char sep) {
    int32_t times60 = 0;
    if (__builtin_mul_overflow(raw, 60, &times60)) throw ConversionFault("overflow");
    return NumberText(static_cast<double>(times60) * kFeetPerMetre / 256.0, sep);
}

std::string LastAirVerticalSpeedText(int32_t raw, const std::string& vsText) {
    const double v = static_cast<double>(raw) * 60.0 * kFeetPerMetre / 256.0;
    const std::string text = IntText(IntOf(v));
    return text == "0" ? IntTextOf(vsText) : text;
}

double GroundElevationFeet(int32_t raw) {
    return static_cast<double>(raw) * kFeetPerMetre / 256.0;
}

std::string GearText(int32_t raw) {
    return IntText(IntOf(static_cast<double>(raw) / 16383.0));
}

int16_t FlapsPercent(int32_t raw) {
    if (raw == 0) return 0;
    return RoundToInt16(static_cast<double>(raw) / 16383.0 * 100.0);
}

int16_t SpoilersDeployed(int32_t raw) {
    return RoundToInt16(static_cast<double>(raw) / 16383.0);
}

int16_t TailhookDown(double position) {
    if (!std::isfinite(position)) throw ConversionFault("not a number");
    return RoundToInt16(position);
}

bool LocalizerCaptured(uint8_t needle, int locIntPercent) {
    const int n = needle > 128 ? needle - 256 : needle;
    const double limit = locIntPercent / 100.0 * 128.0;
    return -limit < n && n < limit;
}

GlideslopeReading GlideslopeBand(uint8_t needle, int gsIntPercent) {
    GlideslopeReading r;
    r.needle = static_cast<int16_t>(needle > 119 ? needle - 256 : needle);
    if (r.needle <= gsIntPercent / 100.0 * -118.0) r.state = 0;
    if (r.needle >= gsIntPercent / 100.0 * 119.0) r.state = 2;
    return r;
}

std::string HeightAboveGroundText(double altFeet, double elevationFeet, bool onGround,
                                  float& groundOffset, char sep) {
    if (onGround) groundOffset = static_cast<float>(altFeet - elevationFeet);
    const double agl = altFeet - elevationFeet - static_cast<double>(groundOffset);
    return agl < 0 ? "0" : NumberText(agl, sep);
}

}  // namespace flenmark
