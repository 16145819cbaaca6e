#pragma once

#include <string>
#include <string_view>

namespace flenmark {

// `value` with every byte but letters, digits, "-._~" and those of `alsoPlain` written as
// "%XX" (upper-case hex), as addresses and file URIs hold text.
std::string PercentEncode(std::string_view value, std::string_view alsoPlain = "");

}  // namespace flenmark
