#include "base/geodesy.h"

#include <cmath>

namespace flenmark {

double GreatCircleDistanceNm(double lat1, double lon1, double lat2, double lon2,
                             bool anglesInRadians) {
    if (!anglesInRadians) {
        const float toRad = 3.141593f / 180.0f;
        lat1 *= toRad;
        lon1 *= toRad;
        lat2 *= toRad;
        lon2 *= toRad;
    }
    // The difference of longitude is kept in single precision; the trigonometry runs in double,
    // since single precision loses short distances (a ten-thousandth of a degree comes out 1% off).
    const double dLon = static_cast<float>(lon2 - lon1);
    const double a = std::sin(dLon) * std::cos(lat2);
    const double b =
        std::cos(lat1) * std::sin(lat2) - std::sin(lat1) * std::cos(lat2) * std::cos(dLon);
    const double num = std::sqrt(a * a + b * b);
    const double den =
        std::sin(lat1) * std::sin(lat2) + std::cos(lat1) * std::cos(lat2) * std::cos(dLon);
    if (den == 0) return num == 0 ? 0.0 : 5409.69272219995;
    const double d = std::atan(num / den) * kEarthRadiusNm;
    return d < 0 ? -d : d;
}

double BearingDeg(double lonFrom, double latFrom, double lonTo, double latTo) {
    const double dx = lonTo - lonFrom;
    const double dy = latTo - latFrom;
    const double k = 57.29578f;
    if (dx == 0) return dy < 0 ? 180.0 : 0.0;
    if (dy == 0) return dx > 0 ? 90.0 : 270.0;
    if (dx > 0 && dy > 0) return std::atan(dx / dy) * k;
    if (dx > 0) return 180.0 - std::atan(dx / -dy) * k;
    if (dy < 0) return 180.0 + std::atan(-dx / -dy) * k;
    return 360.0 - std::atan(-dx / dy) * k;
}

double LatDegreesPerSecond(double groundSpeedKnots, double lon, double lat) {
    const double perSecond = groundSpeedKnots / 3600.0;
    if (groundSpeedKnots == 0) return 0;
    const double d1 = 10000.0 * GreatCircleDistanceNm(lat, lon, lat - 0.0001, lon, false);
    const double d2 = 10000.0 * GreatCircleDistanceNm(lat, lon, lat + 0.0001, lon, false);
    return (perSecond / d1 + perSecond / d2) / 2.0;
}

double LonDegreesPerSecond(double groundSpeedKnots, double lon, double lat) {
    if (groundSpeedKnots == 0) return 0;
    const double degreeNm = GreatCircleDistanceNm(lat, lon, lat, lon + 1.0, false);
    if (degreeNm < 1e-3) return 0;  // at a pole there is no eastward track
    return groundSpeedKnots / 3600.0 / degreeNm;
}

}  // namespace flenmark
