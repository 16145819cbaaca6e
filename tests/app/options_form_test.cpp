#include "app/options_form.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "app/settings_store.h"
#include "support/fakes.h"

namespace flenmark {
namespace {

using testing::ReadFile;

// The dialog's check boxes by name, as a front end would hold them.
class FakeOptionsControls final : public OptionsControls {
  public:
    bool checked(const OptionsCheck& box) const override { return boxes.at(box.name); }
    void setChecked(const OptionsCheck& box, bool on) override { boxes[box.name] = on; }
    void setEnabled(const OptionsCheck&, bool) override {}
    void showPackagedNote(bool) override {}
    std::string xplanePath() const override { return path; }
    void setXPlanePath(const std::string& p) override { path = p; }
    std::string xpuipc() const override { return version; }
    void setXPuipc(const std::string& v) override { version = v; }

    std::map<std::string, bool> boxes;
    std::string path;
    std::string version;
};

TEST(OptionsForm, CompactReplayBoxLoadsFromAndSavesToItsSetting) {
    for (const bool stored : {false, true}) {
        testing::TestProgram t;
        EnsureSettingsFile(t.program);
        t.program.settings.CompactReplay = stored;
        DirectPort port(t.program, [] {});
        FakeOptionsControls controls;
        OptionsForm form(port, controls);
        form.load();
        ASSERT_EQ(controls.boxes.at("chkCompactReplay"), stored);
        controls.boxes["chkCompactReplay"] = !stored;
        form.ok();
        EXPECT_EQ(t.program.settings.CompactReplay, !stored);
        const std::string line = std::string("\r\nCompactReplay=") + (stored ? "False" : "True");
        EXPECT_NE(ReadFile(t.dataPath("Offsets.txt")).find(line + "\r\n"), std::string::npos);
    }
}

}  // namespace
}  // namespace flenmark
