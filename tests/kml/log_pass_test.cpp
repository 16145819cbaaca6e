#include "kml/log_pass.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <stdexcept>

#include "kml/kml_test_support.h"

namespace flenmark {
namespace {

using testing::LogLine;

// A part of the document that cannot take a line ends the pass: a frame walking along the log
// afterwards gets no trail (and does not wait for one), and finishing reports the fault.
TEST(LogPass, AConsumerThatFailsEndsThePassForTheFramesAndFinishReportsIt) {
    const std::string path = std::filesystem::temp_directory_path().string() +
                             "/flenmark-log-pass-" + std::to_string(::getpid()) + ".txt";
    std::string text;
    for (const char* second : {"01", "02", "03", "01", "01"})
        text += LogLine(std::string("200907130000") + second, "4", "52", "0", 0, "", "x") + "\r\n";
    testing::WriteFile(path, text);
    LogPass pass(path);
    int taken = 0;
    pass.addConsumer([&](const std::string&, bool) {
        if (++taken == 3) throw std::runtime_error("cannot take this line");
    });
    EXPECT_NE(pass.trailFor("20090713000002").start, nullptr);
    EXPECT_EQ(pass.trailFor("20090713000005").start, nullptr);
    EXPECT_EQ(pass.trailFor("20090713000009").start, nullptr);
    EXPECT_THROW(pass.finish(), std::runtime_error);
    EXPECT_EQ(taken, 3);
    std::filesystem::remove(path);
}

}  // namespace
}  // namespace flenmark
