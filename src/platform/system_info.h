#pragma once

#include <string>

namespace flenmark {

// The login name of the effective user; empty when it cannot be found.
std::string SystemUserName();

// The number 2.5 written in the user's number format (LC_NUMERIC from the environment),
// without touching the process's own locale.
std::string SystemFormatOfTwoAndAHalf();

}  // namespace flenmark
