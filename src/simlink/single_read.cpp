#include "simlink/single_read.h"

namespace flenmark {

ReadOutcome ReadOne(SimLink& link, uint32_t offset, uint32_t size, void* destination) {
    int result = kLinkOk;
    if (!link.QueueRead(offset, size, destination, result)) return ReadOutcome::Refused;
    return link.ProcessRequests(result) ? ReadOutcome::Done : ReadOutcome::Failed;
}

bool WriteOne(SimLink& link, uint32_t offset, uint32_t size, const void* source) {
    int result = kLinkOk;
    return link.QueueWrite(offset, size, source, result) && link.ProcessRequests(result);
}

}  // namespace flenmark
