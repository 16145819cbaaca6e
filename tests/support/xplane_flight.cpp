#include "support/xplane_flight.h"

#include <string>

namespace flenmark::testing {

XPlaneMoment ShortXPlaneFlight(double t) {
    XPlaneMoment m;
    const bool air = t < 8;
    m.latDeg = 52.3 + 0.000674 * t;
    m.lonDeg = 4.76;
    m.aglM = air ? static_cast<float>(40 - 5 * t) : 0;
    m.elevationM = 3 + m.aglM;
    auto& d = m.datarefs;
    d["sim/flightmodel/failures/onground_any"] = air ? 0 : 1;
    d["sim/flightmodel/position/vh_ind_fpm"] = air ? -250 : 0;
    d["sim/flightmodel/position/indicated_airspeed"] = 140;
    d["sim/flightmodel/position/groundspeed"] = 75;
    d["sim/flightmodel2/gear/deploy_ratio[0]"] = t < 4 ? 0 : 1;
    d["sim/flightmodel2/controls/flap1_deploy_ratio"] = t < 5.5 ? 0.25f : 0.5f;
    d["sim/cockpit2/switches/auto_brake_level"] = 2;
    d["sim/cockpit2/radios/indicators/outer_marker_lit"] = t > 2.5 && t < 3.5;
    const std::string tcas = "sim/cockpit2/tcas/targets/";
    for (int k : {1, 2}) {
        const std::string at = "[" + std::to_string(k) + "]";
        d[tcas + "modeS_id" + at] = static_cast<float>(0xA0 + k);
        d[tcas + "position/lat" + at] = static_cast<float>(m.latDeg + (k == 1 ? 0.005 : 0.1));
        d[tcas + "position/lon" + at] = 4.76f;
        d[tcas + "position/ele" + at] = static_cast<float>(m.elevationM + (k == 1 ? 60 : 1000));
    }
    d[tcas + "flight_id[8]"] = 'D';
    d[tcas + "flight_id[9]"] = 'L';
    d[tcas + "flight_id[10]"] = 'H';
    return m;
}

}  // namespace flenmark::testing
