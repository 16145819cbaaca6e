#include "app/dialog_models.h"

#include "app/program.h"
#include "app/settings_store.h"

namespace flenmark {

std::vector<ParameterBox> LoadParameterBoxes(const Settings& settings) {
    std::vector<ParameterBox> boxes;
    for (const SettingsKey& key : SettingsTable())
        if (key.dialogPreset) boxes.push_back({&key, SettingValueText(settings, key, '.')});
    return boxes;
}

std::vector<ParameterBox> PresetParameterBoxes() {
    std::vector<ParameterBox> boxes;
    for (const SettingsKey& key : SettingsTable())
        if (key.dialogPreset) boxes.push_back({&key, key.dialogPreset});
    return boxes;
}

void ApplyParameterBoxes(Program& program, const std::vector<ParameterBox>& boxes) {
    for (const ParameterBox& box : boxes)
        SetSettingFromText(program.settings, *box.key, NormaliseDialogValue(box.text, *box.key));
    SaveSettings(program);
}

bool ConfirmParameterReset(Dialogs& dialogs) {
    return dialogs.askYesNo("Reset settings", "Are you sure you want to reset your settings?");
}

OptionsValues LoadOptions(const ProgramView& view) {
    const Settings& s = view.settings;
    const bool packaged = view.updatesByPackageManager;
    return {s.XPlane,        s.MinUpdate && !packaged,
            s.Update && !packaged,
            s.XPlanePath,    s.XPUIPC,
            s.ResumeLogging, s.SaveAsKMZ,
            s.UsageReports,  packaged};
}

void ApplyOptions(Program& program, const OptionsValues& v) {
    Settings& s = program.settings;
    s.XPlane = v.xplane;
    if (!v.updatesByPackageManager) {
        s.MinUpdate = v.minUpdate;
        s.Update = v.update;
    }
    s.XPUIPC = v.xpuipc;
    s.XPlanePath = v.xplanePath;
    s.ResumeLogging = v.resumeLogging;
    s.SaveAsKMZ = v.saveAsKmz;
    s.UsageReports = v.usageReports;
    SaveSettings(program);
}

bool BrowseXPlaneFolder(Program& program) {
    const auto folder = program.services.dialogs.chooseFolder("Locate plugins folder...");
    if (!folder) return false;
    program.settings.XPlane = true;
    program.settings.XPlanePath = *folder;
    return true;
}

}  // namespace flenmark
