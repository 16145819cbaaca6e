#include "base/settings.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "app/settings_store.h"
#include "base/text_files.h"
#include "support/fakes.h"

namespace flenmark {
namespace {

using testing::ReadFile;
using testing::TestProgram;
using testing::WriteFile;

const std::string kAllDefaults =
    "HDGOffset=2\r\nAltOffset=100\r\nVSOffset=80\r\nHDGOffset100=4\r\nAltOffset100=200\r\n"
    "VSOffset100=150\r\nChaseDegreeOffset=5\r\nOverviewDegreeOffset=45\r\nChaseTilt=70\r\n"
    "OverviewTilt=45\r\nOverviewRangeMultiplier=10\r\nOverviewRangeMin=2000\r\nGNDTilt=60\r\n"
    "GNDRange=400\r\nPredPathMultiplier=10\r\nPredPathMultiplierTCAS=10\r\nDebuging=False\r\n"
    "CheckVS=150\r\nLocInt=50\r\nGSInt=50\r\nIgnoreILSBelow=150\r\nIgnoreILSAbove=5000\r\n"
    "IgnoreILSAboveVS=500\r\nForceNoWinXP=False\r\nXPlane=False\r\nXPlanePath=\r\nXPUIPC=0\r\n"
    "MinUpdate=True\r\nUpdate=True\r\nResumeLogging=True\r\nSaveAsKMZ=False\r\n"
    "UsageReports=False\r\n";

class SettingsStoreTest : public ::testing::Test {
  protected:
    std::string settingsPath() const { return t.dataPath("Offsets.txt"); }
    void load(const std::string& content) {
        WriteFile(settingsPath(), content);
        LoadSettings(t.program);
    }
    TestProgram t;
};

TEST_F(SettingsStoreTest, MissingFileGivesDefaultsAndSaveWritesEveryKeyInOrder) {
    EnsureSettingsFile(t.program);
    LoadSettings(t.program);
    ASSERT_TRUE(SaveSettings(t.program));
    EXPECT_EQ(ReadFile(settingsPath()), kAllDefaults);
    EXPECT_FALSE(FileExists(t.dataPath("OffsetsBackup.txt")));
    EXPECT_EQ(t.program.mainView.label7.text, "");
}

TEST_F(SettingsStoreTest, OneKeyFileKeepsEveryOtherDefault) {
    load("HDGOffset=3\r\nResumeLogging=False");
    EXPECT_FALSE(t.program.settings.ResumeLogging);
    load("HDGOffset=3");  // a file from before the key: resuming is on
    EXPECT_TRUE(t.program.settings.ResumeLogging);
    EXPECT_EQ(t.program.settings.HDGOffset, 3);
    EXPECT_EQ(t.program.settings.AltOffset, 100);
    EXPECT_EQ(t.program.settings.XPUIPC, "0");
    EXPECT_TRUE(t.program.settings.Update);
}

// Unix and Windows line ends, blank lines, quotes, unknown keys, keys that must start the item,
// either decimal separator, the last of two entries.
TEST_F(SettingsStoreTest, ReadsWhatHandsAndOtherSystemsWrite) {
    load(
        "\r\nAltOffset=250\nunknown=1\r\n\"XPlanePath=/opt/X-Plane 11\"\r\nGSInt=75\r\n\r\n"
        "MinUpdate=False\nCheckVS=100\r\nCheckVS=200\r\nHDGOffset=2,5\r\nVSOffset=80.5\r\n"
        "ChaseTilt=12.7\r\n");
    const Settings& s = t.program.settings;
    EXPECT_EQ(s.AltOffset, 250);
    EXPECT_EQ(s.XPlanePath, "/opt/X-Plane 11");
    EXPECT_EQ(s.GSInt, 75);
    EXPECT_FALSE(s.MinUpdate);
    EXPECT_TRUE(s.Update);
    EXPECT_EQ(s.CheckVS, 200);
    EXPECT_FLOAT_EQ(s.HDGOffset, 2.5f);
    EXPECT_FLOAT_EQ(s.VSOffset, 80.5f);
    EXPECT_EQ(s.ChaseTilt, 13);
}

// A value that cannot be read costs its own key only, and the message names it.
TEST_F(SettingsStoreTest, AnUnreadableValueTakesItsKeysDefaultAlone) {
    load("XPlane=True\r\nHDGOffset=7\r\nVSOffset=nan\r\nChaseTilt=33\r\nUsageReports=True\r\n");
    EXPECT_EQ(t.program.mainView.label7.text,
              "Offsets.txt: VSOffset=nan cannot be read; the key takes its default.");
    const Settings& s = t.program.settings;
    EXPECT_FLOAT_EQ(s.VSOffset, 80);
    EXPECT_EQ(s.HDGOffset, 7);
    EXPECT_EQ(s.ChaseTilt, 33);
    EXPECT_TRUE(s.XPlane && s.UsageReports);
    load("GNDRange=40000\r\nAltOffset=lots\r\nUpdate=False\r\n");  // beyond a whole number
    EXPECT_EQ(t.program.settings.GNDRange, 400);
    EXPECT_EQ(t.program.settings.AltOffset, 100);
    EXPECT_FALSE(t.program.settings.Update);
    EXPECT_EQ(t.program.mainView.label7.text,
              "Offsets.txt: GNDRange=40000 cannot be read (nor 1 more); these keys take their "
              "defaults.");
    load(std::string(100000, 'x'));  // not a settings file at all
    EXPECT_EQ(t.program.mainView.label7.text,
              "Offsets.txt is 100000 bytes long, not a settings file: the defaults apply.");
}

TEST_F(SettingsStoreTest, CommaSystemWritesFractionsWithCommaAndReadsThemBack) {
    t.program.DecimalSeparator = ',';
    t.program.settings.HDGOffset = 2.5f;
    ASSERT_TRUE(SaveSettings(t.program));
    EXPECT_NE(ReadFile(settingsPath()).find("HDGOffset=2,5\r\n"), std::string::npos);
    LoadSettings(t.program);
    EXPECT_FLOAT_EQ(t.program.settings.HDGOffset, 2.5f);
}

TEST_F(SettingsStoreTest, FailedSaveKeepsTheOldFileWhole) {
    load("HDGOffset=3\r\n");
    t.program.settings.HDGOffset = 9;
    // A folder where the temporary file should go makes the write fail, even for root.
    std::filesystem::create_directory(settingsPath() + ".tmp" + std::to_string(getpid()));
    EXPECT_FALSE(SaveSettings(t.program));
    EXPECT_EQ(t.program.mainView.label7.text,
              "Unable to save variables, try re-installing the Flenmark.");
    EXPECT_EQ(ReadFile(settingsPath()), "HDGOffset=3\r\n");
    EXPECT_FALSE(FileExists(t.dataPath("OffsetsBackup.txt")));
}

struct NormaliseCase {
    const char* key;
    const char* typed;
    const char* shown;
};

class DialogNormalisationTest : public ::testing::TestWithParam<NormaliseCase> {};

TEST_P(DialogNormalisationTest, FieldLosingFocusIsNormalised) {
    const NormaliseCase& c = GetParam();
    for (const SettingsKey& key : SettingsTable()) {
        if (std::string(key.key) == c.key) {
            EXPECT_EQ(NormaliseDialogValue(c.typed, key), c.shown);
            return;
        }
    }
    FAIL() << "no key " << c.key;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rules, DialogNormalisationTest, ::testing::Values(
    NormaliseCase{"AltOffset", "-250", "250"}, NormaliseCase{"HDGOffset", "200", "180"},
    NormaliseCase{"HDGOffset", "-5", "0"}, NormaliseCase{"ChaseTilt", "12.7", "12"},
    NormaliseCase{"ChaseTilt", "12,7", "12"}, NormaliseCase{"ChaseTilt", "95", "90"},
    NormaliseCase{"LocInt", "101", "100"}, NormaliseCase{"GNDRange", "-3", "0"},
    NormaliseCase{"VSOffset", "-80.5", "81"}, NormaliseCase{"GNDRange", "abc", "0"},
    NormaliseCase{"GNDRange", "12abc", "12"}, NormaliseCase{"GNDRange", "99999999999", "32767"},
    NormaliseCase{"CheckVS", "-99999999999", "32767"}));
// clang-format on

}  // namespace
}  // namespace flenmark
