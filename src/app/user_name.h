#pragma once

#include <string>

namespace flenmark {

struct Program;

// The login name of the user; "Unable to get current username." and "" when it cannot be found.
// Names of any length are returned whole.
std::string GetUserName(Program& program);

}  // namespace flenmark
