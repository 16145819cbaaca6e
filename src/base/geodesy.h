#pragma once

namespace flenmark {

// Earth radius in nautical miles (the single-precision value of 3443.917).
inline constexpr double kEarthRadiusNm = 3443.9169921875;

// Great-circle distance in nautical miles; angles in degrees unless anglesInRadians.
// Central angles above 90 degrees fold back (the arc tangent of one argument).
double GreatCircleDistanceNm(double lat1, double lon1, double lat2, double lon2,
                             bool anglesInRadians);

// Compass bearing in degrees [0, 360) from one point to another, 0 = north, 90 = east.
double BearingDeg(double lonFrom, double latFrom, double lonTo, double latTo);

// Degrees of latitude covered per second at a ground speed in knots, due north.
double LatDegreesPerSecond(double groundSpeedKnots, double lon, double lat);

// Degrees of longitude covered per second at a ground speed in knots, due east at `lat`:
// the speed divided by the length of one degree of longitude there.
double LonDegreesPerSecond(double groundSpeedKnots, double lon, double lat);

// The smallest box around the points added to it, in degrees; empty until the first point.
struct GeoBox {
    double west = 180, east = -180, south = 90, north = -90;

    void add(double lon, double lat) {
        west = lon < west ? lon : west;
        east = lon > east ? lon : east;
        south = lat < south ? lat : south;
        north = lat > north ? lat : north;
    }
    bool empty() const { return west > east; }
};

}  // namespace flenmark
