#include "simhost/scenario.h"

namespace flenmark::simhost {

// A left-hand circuit from runway 24 at a field 10 ft above sea level, about eight minutes
// long, landing back on runway 24, with one of every flight event on the way and traffic at
// every closeness.
const std::string& DefaultScenarioText() {
    static const std::string text = R"(# Parked at the apron, engines running
at 0 set lat 52.3
at 0 set lon 4.76
at 0 set elev 10
at 0 set onground 1
at 0 set gear 1
at 0 set hdg 150
at 0 set loc 100
at 0 set autobrake 0
at 0 aircraft Flenmark Trainer 172
# Traffic: close, near, around, in range, out of range, and one crossing
at 0 traffic 0 id=1001 lat=52.3167 lon=4.76 alt=400 hdg=90 gs=0 vs=0 callsign=KLM1234
at 0 traffic 1 id=1002 lat=52.25 lon=4.76 alt=1000 hdg=240 gs=0 vs=0 callsign=TRA 5X
at 0 traffic 2 id=1003 lat=52.3 lon=4.8963 alt=1800 hdg=270 gs=0 vs=0 callsign=EZY12AB
at 0 traffic 3 id=1004 lat=52.4667 lon=4.76 alt=3000 hdg=180 gs=0 vs=0 callsign=ABCDEFGHIJKLMNO
at 0 traffic 4 id=1005 lat=52.8 lon=4.76 alt=5000 hdg=180 gs=0 vs=0 callsign=BAW2841
at 0 traffic 5 id=1006 lat=52.35 lon=4.6 alt=2500 hdg=120 gs=220 vs=0 callsign=DLH4U
# Taxi to the holding point of runway 24
at 5 ramp gs 15 over 5
at 5 ramp ias 12 over 5
at 5 ramp tas 12 over 5
at 5 ramp hdg 240 over 30
at 40 ramp gs 0 over 5
at 40 ramp ias 0 over 5
at 40 ramp tas 0 over 5
at 48 set flaps 10
at 50 set autobrake 3
# Take-off roll and lift-off
at 55 ramp gs 150 over 30
at 55 ramp ias 150 over 30
at 55 ramp tas 152 over 30
at 85 set onground 0
at 85 set vs 1500
at 90 set gear 0
at 95 set autobrake 0
at 100 set flaps 0
# Left turn to the crosswind leg
at 110 ramp hdg 150 over 20
at 110 ramp gs 160 over 20
at 110 ramp ias 160 over 20
at 110 ramp tas 165 over 20
# Level at 1500 ft above the field
at 145 set vs 0
at 150 set spoilers 1
at 158 set spoilers 0
at 165 set tailhook 1
# Left turn to the downwind leg
at 170 ramp hdg 60 over 20
at 172 set tailhook 0
# A dive past the limit, then a stall, each recovered
at 180 ramp ias 360 over 8
at 188 set overspeed 1
at 196 ramp ias 200 over 6
at 200 set overspeed 0
at 205 ramp ias 110 over 10
at 220 set stall 1
at 224 set ias 140
at 224 set stall 0
# Left turn to the base leg (headings count on below 0 so that every turn goes left)
at 270 ramp hdg -30 over 20
# Descending, glideslope alive and showing high
at 300 set vs -814
at 300 set flaps 20
at 300 set gsalive 1
at 300 ramp gs 140 over 30
at 300 ramp ias 140 over 30
at 300 ramp tas 145 over 30
at 305 set gsneedle 90
# Left turn to final: localizer capture, on the glideslope, outer marker
at 334 ramp hdg -120 over 20
at 340 set loc 0
at 350 set gsneedle 0
at 355 set outer 1
at 358 set outer 0
at 361 set gear 1
at 366 set flaps 50
at 371 set flaps 100
at 376 set gsneedle -90
at 381 set gsneedle 5
at 386 set loc 100
at 391 set loc 0
at 396 set middle 1
at 398 set autobrake 2
at 400 set middle 0
at 402 set inner 1
at 406 set inner 0
# Flare and touchdown at 312 ft/min
at 406 set vs -311.6
at 416 set onground 1
at 416 set gsalive 0
at 421 set spoilers 1
at 417 ramp gs 20 over 25
at 417 ramp ias 20 over 25
at 417 ramp tas 20 over 25
# Roll-out and taxi off
at 440 set spoilers 0
at 445 set flaps 0
at 440 set autobrake 0
at 440 ramp hdg -30 over 15
at 460 ramp gs 0 over 5
at 460 ramp ias 0 over 5
at 460 ramp tas 0 over 5
at 470 set gear 1
)";
    return text;
}

}  // namespace flenmark::simhost
