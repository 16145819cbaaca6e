#pragma once

#include <cstdint>

#include "simlink/sim_link.h"

namespace flenmark {

enum class ReadOutcome {
    Done,     // the bytes arrived
    Refused,  // the request could not be queued (link closed, request too large)
    Failed,   // the exchange failed: the link is lost
};

// How a reading of several values went: done, the link lost (a failed exchange), or a value
// that could not be converted (the link stays).
enum class LinkRead { Done, Lost, Fault };

// One read request in one exchange, as every caller of the link makes them.
ReadOutcome ReadOne(SimLink& link, uint32_t offset, uint32_t size, void* destination);

// One write request in one exchange; true when the host took it.
bool WriteOne(SimLink& link, uint32_t offset, uint32_t size, const void* source);

}  // namespace flenmark
