#include "base/file_names.h"

#include <gtest/gtest.h>

namespace flenmark {
namespace {

#ifdef _WIN32
constexpr bool kWindows = true;
#else
constexpr bool kWindows = false;
#endif

// A saved track's name is the user's text: it may hold any letters, never a way out of the
// saved tracks folder.
TEST(FileNames, AnyLettersButNoWayIntoAnotherFolder) {
    const std::pair<const char*, bool> cases[] = {
        {"Flightlog Rundflug üßéøł 日本 12-07-2009 14.35", true},
        {"Flightlog EHAM-EGLL", true},
        {"", false},
        {"..", false},
        {"../../elsewhere", false},
        {"a/b", false},
        {"..\\..\\elsewhere", !kWindows},
        {"C:flight", !kWindows},
        {"what?", !kWindows}};
    for (const auto& [name, plain] : cases) EXPECT_EQ(IsPlainFileName(name), plain) << name;
}

}  // namespace
}  // namespace flenmark
