#pragma once

#include <string>
#include <vector>

#include "app/program_view.h"
#include "base/settings.h"
#include "platform/dialogs.h"

namespace flenmark {

struct Program;

// The logging-parameters dialog: one text box per numeric key.
struct ParameterBox {
    const SettingsKey* key;
    std::string text;
};

// The boxes with the current values, in table order.
std::vector<ParameterBox> LoadParameterBoxes(const Settings& settings);
// The boxes with the dialog's presets (its Reset button).
std::vector<ParameterBox> PresetParameterBoxes();
// OK: every box, normalised, into the settings, then saved.
void ApplyParameterBoxes(Program& program, const std::vector<ParameterBox>& boxes);
// Reset asks first.
bool ConfirmParameterReset(Dialogs& dialogs);

// The options dialog's settings.
struct OptionsValues {
    bool xplane = false;
    bool minUpdate = true;
    bool update = true;
    std::string xplanePath;
    std::string xpuipc;
    bool resumeLogging = true;
    bool saveAsKmz = false;
    bool usageReports = false;
    bool compactReplay = false;
    // Shown, not set: a packaged copy leaves its updates to the package manager, and the
    // update boxes are off and disabled.
    bool updatesByPackageManager = false;
};

// The options dialog's frames and check boxes, top to bottom; the X-Plane frame holds the
// plugins folder and the module version below its box.
struct OptionsFrame {
    const char* name;
    const char* title;
};
struct OptionsCheck {
    int frame;  // index into OptionsFrames()
    const char* name;
    const char* caption;
    const char* tooltip;
    bool OptionsValues::*value;
};
const std::vector<OptionsFrame>& OptionsFrames();
const std::vector<OptionsCheck>& OptionsChecks();
inline constexpr int kXPlaneFrame = 1;
// The other controls' texts.
struct OptionsTexts {
    const char* title = "Options";
    const char* pathTooltip = "The X-Plane plugins folder";
    const char* browse = "Browse...";
    const char* browseTooltip = "Click here to locate the X-Plane plugins folder";
    const char* versionCaption = "Current XPUIPC version:";
    const char* versionTooltip = "The current XPUIPC version installed";
    const char* parameters = "Logging parameters...";
};
inline constexpr OptionsTexts kOptionsTexts;

// The logging parameters dialog's title and note.
inline constexpr const char* kParametersTitle = "Logging parameters";
inline constexpr const char* kParametersNote =
    "NOTE: Modifying these parameters is NOT easy, please refer to the manual for more "
    "information!";

// The caption that says why the update boxes are disabled in a packaged copy.
inline constexpr const char* kPackageManagerUpdates =
    "This copy was installed by the system's package manager, which also updates it.";

OptionsValues LoadOptions(const ProgramView& view);
// OK: the values into the settings, then saved.
void ApplyOptions(Program& program, const OptionsValues& values);

// "Browse...": asks for the X-Plane plugins folder and keeps it; true when one was chosen.
bool BrowseXPlaneFolder(Program& program);

}  // namespace flenmark
