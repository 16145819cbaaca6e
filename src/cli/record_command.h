#pragma once

#include <string>
#include <vector>

namespace flenmark::cli {

// flenmark-cli record --ticks N [--animation] [--realtime] [--tcas OFF|ABV|BLW|NRM|ALL]
//                     [--range NM] [--tick-ms MS]
// Exit codes: 0 done, 1 bad options or the program could not start, 2 no simulator answered at
// the start, 3 the recording ended early or has a gap (writing failed, or the link was lost and
// did not come back before the last tick).
int RunRecordCommand(const std::vector<std::string>& args);

}  // namespace flenmark::cli
