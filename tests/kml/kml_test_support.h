#pragma once

#include <string>
#include <vector>

#include "kml/kml_templates.h"
#include "support/text_files.h"

namespace flenmark::testing {

// Short templates whose output reads as structure: {F:name ...}, [P:name coords /P] and so on.
inline KmlTemplateSet CompactTemplates() {
    return ParseKmlTemplates(
        "KML=<D NAME><StyleMap id=\"msn_ylw-p\">\n"
        "KMLEnd=</D>\n"
        "Folder={F:NAME Type>check<}\n"
        "FolderEnd={/F}\n"
        "LookAt=(L LATX LONY HDG RANGE TILT)\n"
        "Path=[P:<name>NAME</name> \n"
        "PathWarning=[W:<name>NAME</name> \n"
        "PathGND=[G:<name>NAME</name> \n"
        "PlacemarkEnd=/]\n"
        "PlacemarkPin=<name>NAME</name>(A LATAC LONAC LATAC LONAC HDG RANGE "
        "<altitudeMode>absolute</altitudeMode> <altitudeMode>absolute</altitudeMode> ALTM)\n"
        "PlacemarkPinSmall=<name>NAME</name>(E DESC KIAS HDG SPDTAS GNDSPD VERTSPEED ALT ALTAGL "
        "TIME DATE LONY LATX)\n"
        "PlacemarkPinSmallAir=<name>NAME</name>(EA DESC KIAS HDG SPDTAS GNDSPD VERTSPEED ALT "
        "ALTAGL TIME DATE LONY LATX ALTM)\n"
        "PlacemarkPinWarning=<name>NAME</name>(EW DESC KIAS HDG SPDTAS GNDSPD VERTSPEED ALT ALTAGL "
        "TIME DATE LONY LATX)\n"
        "PlacemarkPinWarningAir=<name>NAME</name>(EWA DESC KIAS HDG SPDTAS GNDSPD VERTSPEED ALT "
        "ALTAGL TIME DATE LONY LATX ALTM)\n"
        "PinDot=<name>NAME</name>(d KIAS HDG SPDTAS GNDSPD VERTSPEED ALT ALTAGL TIME DATE LONY "
        "LATX)\n"
        "PinDotAir=<name>NAME</name>(da KIAS HDG SPDTAS GNDSPD VERTSPEED ALT ALTAGL TIME DATE LONY "
        "LATX ALTM)\n"
        "KMLRealtime=(NL FILE1 FILE2)\n"
        "KMLTCASBlue=[blue:<name>NAME</name> \n"
        "KMLTCASYellow=[yellow:<name>NAME</name> \n"
        "KMLTCASOrange=[orange:<name>NAME</name> \n"
        "KMLTCASRed=[red:<name>NAME</name> \n"
        "PredictedPath=[pp:<name>NAME</name> \n"
        "PredictedPathGND=[ppg:<name>NAME</name> \n");
}

// A log line from its parts; the numbers after the code are fixed plausible values.
inline std::string LogLine(const std::string& stamp, const std::string& lon, const std::string& lat,
                           const std::string& alt, int ground, const std::string& code,
                           const std::string& prev) {
    return stamp + ":" + lon + ":" + lat + ":" + alt + ":" + std::to_string(ground) + ":" + code +
           ":140:900:150:-500:145:270:" + prev;
}

}  // namespace flenmark::testing
