#include "kml/kml_values.h"

#include <gtest/gtest.h>

#include "base/number_text.h"

namespace flenmark {
namespace {

// A number field written as it stands must read exactly as the value written anew would.
TEST(KmlNumberOf, EqualsTheValueWrittenAnew) {
    // clang-format off
    const char* fields[] = {
        "52.31", "52,31", "52.310", "052.3", "+52.3", " 52.3", "-0", "-0.5", "0", "0.0001",
        "1e5", "5.", ".5", "120", "-4.7643212345678", "4.76432123456789", "4.764321234567891",
        "52.31000000000000001", "123456789012345678", "0.000000000000000123456789012345678"};
    // clang-format on
    for (const char* field : fields)
        EXPECT_EQ(KmlNumberOf(field), KmlNumber(*ParseNumber(field))) << field;
    EXPECT_THROW(KmlNumberOf("north"), ConversionFault);
}

// Every reader splits a flight into its recording runs the same way, whether it reads the
// flight log or the animation log: a run starts with a start line or frame ("SA", with the stamp
// before it, "-" or, in "Animation.txt", an empty field) or with a line that has no stamp before
// it.
TEST(StartsRecordingRun, AtEveryKindOfStartLineOnly) {
    const struct {
        const char* line;
        bool starts;
    } cases[] = {
        {"20090712143507:4.7:52.3:10:1:SA:0:0:0:0:0:90:-", true},
        {"20090712143507:4.7:52.3:10:1:SA:0:0:0:0:0:90:20090712143506", true},  // a later start
        {"20090712143507:4.7:52.3:10:1:SA:0:0:0:0:0:90:", true},                // a start frame
        {"20090712143507:4.7:52.3:10:1:SA=1435:0:0:0:0:0:90:20090712143506", true},
        {"20090712143507:4.7:52.3:10:1:TD=0/0:0:0:0:0:0:90:-", true},  // an old log's start
        {"20090712143507:4.7:52.3:10:1::0:0:0:0:0:90:20090712143506", false},
        {"20090712143507:4.7:52.3:10:1:GD:0:0:0:0:0:90:", false},  // an event frame
        {"20090712143507:4.7:52.3:10:1:SO:0:0:0:0:0:90:20090712143506", false},
        {"20090712143507:4.7:52.3:10:1:SAX:0:0:0:0:0:90:20090712143506", false},
    };
    for (const auto& c : cases) EXPECT_EQ(StartsRecordingRun(c.line), c.starts) << c.line;
}

}  // namespace
}  // namespace flenmark
