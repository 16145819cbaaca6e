// The Windows recycle bin is not reached yet: this stand-in moves nothing, so that the caller
// offers to delete for good instead. To be replaced by the Windows implementation.
#include "platform/trash.h"

namespace flenmark {

bool MoveToTrash(const std::string&) {
    return false;
}

}  // namespace flenmark
