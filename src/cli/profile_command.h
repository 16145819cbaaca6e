#pragma once

#include <string>
#include <vector>

namespace flenmark::cli {

// flenmark-cli profile LOG OUT.svg|OUT.png [--dark]: the flight's profile picture (altitude and
// ground speed over time, with its events), 1200 by 600 pixels. Exit 0 drawn, 1 refused.
int RunProfileCommand(const std::vector<std::string>& args);

}  // namespace flenmark::cli
