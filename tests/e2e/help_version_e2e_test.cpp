// Every program answers --help and --version and does nothing else: no window, no update, no
// folder made, no simulator socket; a wrong option is named, and nothing happens either.
#include <gtest/gtest.h>

#include <filesystem>

#include "e2e/e2e_support.h"

namespace flenmark {
namespace {

std::vector<std::pair<std::string, std::string>> Programs() {
    std::vector<std::pair<std::string, std::string>> programs = {
        {"flenmark-cli", testing::CliPath()},
        {"flenmark-simhost", testing::SimHostPath()},
        {"flenmark-fgbridge", FLENMARK_FGBRIDGE_PATH},
        {"flenmark-xpbridge", FLENMARK_XPBRIDGE_PATH}};
#ifdef FLENMARK_MAIN_PATH
    programs.insert(programs.end(), {{"flenmark", FLENMARK_MAIN_PATH},
                                     {"flenmark-updater", FLENMARK_UPDATER_PATH},
                                     {"flenmark-screenshots", FLENMARK_SCREENSHOTS_PATH}});
#endif
    return programs;
}

TEST(EveryProgram, AnswersHelpAndVersionAndDoesNothingElse) {
    for (const auto& [name, path] : Programs()) {
        testing::TempFolders folders;
        testing::PrivateRuntimeDir runtime;
        std::filesystem::remove_all(folders.root() + "/data");
        const auto environment = testing::RecorderEnvironment(folders);
        const auto help = testing::RunProgram(path, {"--help"}, environment);
        EXPECT_EQ(help.status, 0) << name << help.errors;
        EXPECT_EQ(help.output.rfind("Usage: " + name, 0), 0u) << name << ": " << help.output;
        const auto version = testing::RunProgram(path, {"--version"}, environment);
        EXPECT_EQ(version.status, 0) << name;
        EXPECT_EQ(version.output, name + " " + FLENMARK_VERSION + "\n");
        const auto wrong = testing::RunProgram(path, {"--bogus"}, environment);
        EXPECT_NE(wrong.status, 0) << name;
        EXPECT_NE(wrong.errors.find("--bogus"), std::string::npos) << name << ": " << wrong.errors;
        EXPECT_NE(wrong.errors.find("Try '" + name + " --help'"), std::string::npos) << name;
        EXPECT_FALSE(std::filesystem::exists(folders.root() + "/data")) << name;
        EXPECT_TRUE(std::filesystem::is_empty(runtime.path())) << name;
    }
}

}  // namespace
}  // namespace flenmark
