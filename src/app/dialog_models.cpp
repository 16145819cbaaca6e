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

const std::vector<OptionsFrame>& OptionsFrames() {
    static const std::vector<OptionsFrame> frames{{"Frame2", "Flenmark automatic update settings"},
                                                  {"Frame1", "X-Plane (XPUIPC) settings"},
                                                  {"FrameRecording", "Recording"}};
    return frames;
}

const std::vector<OptionsCheck>& OptionsChecks() {
    static const std::vector<OptionsCheck> checks{
        {0, "Check3", "Install updates",
         "Check this box to automatically let the Flenmark upgrade itself when a new version "
         "becomes available",
         &OptionsValues::update},
        {0, "Check2", "Download and install minor updates too",
         "Check this box to let the Flenmark download all available updates, also minor ones. "
         "Uncheck this box to let the Flenmark only download and install major updates.",
         &OptionsValues::minUpdate},
        {kXPlaneFrame, "Check1", "Enable XPUIPC downloading and installing",
         "Check this box to enable the Flenmark to download and install the XPUIPC module for "
         "X-Plane. Make sure the text box above is filled with the X-Plane plugins folder, click "
         "Browse... for more instructions",
         &OptionsValues::xplane},
        {2, "chkResumeLogging", "Resume logging after the simulator reconnects",
         "Check this box to let the Flenmark take up logging by itself when the simulator comes "
         "back after the connection was lost",
         &OptionsValues::resumeLogging},
        {2, "chkSaveAsKMZ", "Save converted flights as KMZ (one file with its icons)",
         "Check this box to have \"View flight in Google Earth\" save one KMZ file, easy to mail "
         "or share, instead of a KML document with its icons beside it",
         &OptionsValues::saveAsKmz},
        {2, "chkCompactReplay", "Compact replay",
         "Check this box to replay the other traffic in converted flights as time tracks only, "
         "not as a placemark per second: much smaller documents",
         &OptionsValues::compactReplay},
        {2, "chkUsageReports", "Send anonymous usage reports",
         "Check this box to tell the vendor once per start which version runs with which "
         "simulator, under a random id of this installation (never your name)",
         &OptionsValues::usageReports}};
    return checks;
}

OptionsValues LoadOptions(const ProgramView& view) {
    const Settings& s = view.settings;
    const bool packaged = view.updatesByPackageManager;
    return {s.XPlane,
            s.MinUpdate && !packaged,
            s.Update && !packaged,
            s.XPlanePath,
            s.XPUIPC,
            s.ResumeLogging,
            s.SaveAsKMZ,
            s.UsageReports,
            s.CompactReplay,
            packaged};
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
    s.CompactReplay = v.compactReplay;
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
