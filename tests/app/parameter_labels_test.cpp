#include "app/parameter_labels.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "app/dialog_models.h"

namespace flenmark {
namespace {

// Each box of the logging parameters dialog says what it holds in words of its own, and its unit.
TEST(ParameterLabels, EveryBoxIsNamedInWordsWithItsUnit) {
    std::set<std::string> seen;
    for (const ParameterBox& box : PresetParameterBoxes()) {
        const ParameterLabel label = ParameterLabelOf(*box.key);
        SCOPED_TRACE(box.key->key);
        EXPECT_STRNE(label.words, box.key->key);
        EXPECT_STRNE(label.unit, "");
        EXPECT_TRUE(seen.insert(label.words).second) << "said twice: " << label.words;
    }
    EXPECT_EQ(seen.size(), 22u);
}

}  // namespace
}  // namespace flenmark
