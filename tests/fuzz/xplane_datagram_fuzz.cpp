// Datagrams from X-Plane, or from anything that sends to the bridge's port: each is taken as an
// RREF or RPOS answer or refused, and what gets into the flight state stays within what the
// offsets can hold.
#include <cmath>

#include "fuzz_support.h"
#include "xpbridge/xplane_datagrams.h"
#include "xpbridge/xplane_state.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace flenmark;
    using fuzz::Require;
    const std::span<const uint8_t> datagram(data, size);
    xpbridge::XPlaneValues values;
    if (const auto rref = xpbridge::ParseRref(datagram)) {
        Require(rref->size() * 8 + 5 == size, "every byte of an answer belongs to a value");
        for (const xpbridge::RrefValue& v : *rref) values.take(v);
    }
    if (const auto fix = xpbridge::ParseRpos(datagram)) values.takePosition(*fix);
    simhost::FlightState state;
    xpbridge::ApplyXPlane(values, state);
    Require(std::isfinite(state.altFt) && std::isfinite(state.verticalSpeedFpm) &&
                std::isfinite(state.groundSpeedKt),
            "no value that is not a number gets in");
    Require(state.latDeg >= -90 && state.latDeg <= 90, "latitude stays a latitude");
    Require(state.lonDeg >= -180 && state.lonDeg <= 180, "longitude stays a longitude");
    for (const simhost::TrafficAircraft& a : state.traffic)
        Require(a.id >= 0 && a.latDeg >= -90 && a.latDeg <= 90, "traffic has a position");
    simhost::OffsetTable table;
    state.writeTo(table);
    return 0;
}
