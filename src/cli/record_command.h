#pragma once

#include <string>
#include <vector>

namespace flenmark::cli {

// flenmark-cli record [--ticks N] [--animation] [--realtime] [--tcas OFF|ABV|BLW|NRM|ALL]
//                     [--range NM] [--tick-ms MS] [--data-folder DIR]
// Without --ticks it records until Ctrl+C or SIGTERM (which stop it as "Stop logging" does), or
// until the simulator has been gone for ten minutes. Exit codes: 0 done, 1 bad options or the
// program could not start, 2 no simulator answered at the start, 3 the recording ended early or
// has a gap (a line of any of the three logs could not be written, or the link was lost and
// did not come back).
int RunRecordCommand(const std::vector<std::string>& args);

}  // namespace flenmark::cli
