// FlightGear's property server answers, or whatever answers in its place: the bridge's state
// keeps positions the offsets can hold, and writing it into the table never overflows.
#include "fgbridge/flightgear_reader.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace flenmark;
    using fuzz::Require;
    auto json = fgbridge::ParseJson(std::string(reinterpret_cast<const char*>(data), size));
    if (!json) return 0;
    const fgbridge::PropertyTree tree(std::move(*json));
    fgbridge::FlightGearTrees trees;
    for (auto* slot :
         {&trees.position, &trees.orientation, &trees.velocities, &trees.gear, &trees.surfaces,
          &trees.controls, &trees.markers, &trees.nav, &trees.airspeed, &trees.alarms,
          &trees.autobrake, &trees.tailhook, &trees.ai})
        *slot = tree;
    simhost::FlightState state;
    state.latDeg = 21.3;
    state.lonDeg = -157.9;
    fgbridge::ApplyFlightGear(trees, state);
    Require(state.latDeg >= -90 && state.latDeg <= 90, "latitude stays a latitude");
    Require(state.lonDeg >= -180 && state.lonDeg <= 180, "longitude stays a longitude");
    for (const simhost::TrafficAircraft& a : state.traffic)
        Require(a.id == 0 || (a.latDeg >= -90 && a.latDeg <= 90 && a.lonDeg >= -180 &&
                              a.lonDeg <= 180 && a.id > 0),
                "traffic has a position and an id");
    simhost::OffsetTable table;
    state.writeTo(table);
    return 0;
}
