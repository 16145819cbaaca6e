#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "xpbridge/xplane_datagrams.h"

namespace flenmark::xpbridge {

// The values the bridge subscribes to, each under an index of its own.
enum Own : int32_t {
    kOnGround,
    kIndicatedKt,
    kTrueMps,
    kGroundMps,
    kVerticalFpm,
    kHeadingDeg,
    kAglM,
    kGear,
    kFlaps,
    kSpeedBrake,
    kTailhook,
    kOverspeed,
    kStall,
    kAutobrake,
    kOuterMarker,
    kMiddleMarker,
    kInnerMarker,
    kLocDots,
    kGsDots,
    kLocShown,
    kGsShown,
    kOwnCount
};

// Traffic: X-Plane 12's TCAS targets 1..40 (target 0 is the user's aircraft) and X-Plane 11's
// multiplayer planes 1..19, a block of indices each.
enum TcasField : int32_t {
    kTcasLat,
    kTcasLon,
    kTcasEleM,
    kTcasHeading,
    kTcasMps,
    kTcasFpm,
    kTcasId,
    kTcasCallsign,
    kTcasFields = kTcasCallsign + 8
};
enum PlaneField : int32_t {
    kPlaneLat,
    kPlaneLon,
    kPlaneEleM,
    kPlaneHeading,
    kPlaneEast,
    kPlaneUp,
    kPlaneSouth,
    kPlaneFields
};
// The first bytes of the aircraft's name (sim/aircraft/view/acf_ui_name), one index each.
inline constexpr int32_t kTitleBase = 40;
inline constexpr int kTitleBytes = 48;
static_assert(kOwnCount <= kTitleBase);
inline constexpr int kTcasTargets = 40;
inline constexpr int kMultiplayerPlanes = 19;
inline constexpr int32_t kTcasBase = 100;
static_assert(kTitleBase + kTitleBytes <= kTcasBase);
inline constexpr int32_t kPlaneBase = kTcasBase + kTcasTargets * kTcasFields;
int32_t TcasIndex(int target, int field);  // target 1..40
int32_t PlaneIndex(int plane, int field);  // plane 1..19

// One subscription: its index, the dataref and the values it may take.
struct Dataref {
    int32_t index;
    std::string path;
    double low;
    double high;
};

// Every subscription, own values first.
const std::vector<Dataref>& Datarefs();

// The latest values X-Plane sent. Only what can be true gets in: a known index, a finite value
// within the dataref's range, a position on the earth.
class XPlaneValues {
  public:
    XPlaneValues();
    // False (and nothing stored) for a value that is not taken.
    bool take(const RrefValue& value);
    bool takePosition(const RposFix& fix);
    std::optional<float> get(int32_t index) const;
    const std::optional<RposFix>& position() const { return position_; }

  private:
    std::vector<std::optional<float>> values_;
    std::optional<RposFix> position_;
};

}  // namespace flenmark::xpbridge
