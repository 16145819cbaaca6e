#pragma once

#include "realtime/realtime_kml_cache.h"

namespace flenmark {

// What the realtime mode keeps between ticks: the camera's choice and the parts of the document
// that only grow.
struct RealtimeState {
    bool ChaseView = true;
    bool ViewFromRight = false;
    RealtimeKmlCache kml;
    bool iconsPlaced = false;  // the documents' icons are beside them for this run
};

}  // namespace flenmark
