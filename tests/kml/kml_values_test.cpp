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

}  // namespace
}  // namespace flenmark
