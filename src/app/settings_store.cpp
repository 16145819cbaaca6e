#include "app/settings_store.h"

#include "app/messages.h"
#include "app/program.h"
#include "base/number_text.h"
#include "base/text_files.h"
#include "platform/data_folders.h"

namespace flenmark {
namespace {

std::string SettingsPath(const Program& program) {
    return DataFolder(program.services.folders) + "Offsets.txt";
}

std::string BackupPath(const Program& program) {
    return DataFolder(program.services.folders) + "OffsetsBackup.txt";
}

// An item of the file: a line with blanks and surrounding double quotes removed.
std::string ItemOf(const std::string& line) {
    std::string item = Trim(line);
    if (item.size() >= 2 && item.front() == '"' && item.back() == '"')
        item = item.substr(1, item.size() - 2);
    return item;
}

// Stores the item when it names a key; false when its value cannot be converted.
bool ApplyItem(Settings& settings, const std::string& item) {
    for (const SettingsKey& key : SettingsTable()) {
        const std::string prefix = std::string(key.key) + "=";
        if (item.rfind(prefix, 0) != 0) continue;
        if (!SetSettingFromText(settings, key, item.substr(prefix.size()))) return false;
    }
    return true;
}

void ResetLeadingKeys(Settings& settings) {
    const Settings defaults;
    const auto& table = SettingsTable();
    for (size_t i = 0; i < kKeysResetOnLoadError; ++i) {
        std::visit([&](auto member) { settings.*member = defaults.*member; }, table[i].member);
    }
}

}  // namespace

Settings ReadSettingsFile(const std::string& path) {
    Settings settings;
    if (const auto text = ReadWholeFile(path))
        for (const std::string& line : SplitLines(*text))
            if (!ApplyItem(settings, ItemOf(line))) break;
    return settings;
}

void EnsureSettingsFile(Program& program) {
    try {
        EnsureFileExists(SettingsPath(program));
    } catch (const FolderError&) {
        // The next load reports the trouble.
    }
}

void LoadSettings(Program& program) {
    Settings fresh;
    fresh.ForceNoWinXP = program.settings.ForceNoWinXP;
    program.settings = fresh;
    std::optional<std::string> text;
    try {
        text = ReadWholeFile(SettingsPath(program));
    } catch (const FolderError&) {
    }
    bool ok = text.has_value();
    if (ok) {
        for (const std::string& line : SplitLines(*text)) {
            if (!ApplyItem(program.settings, ItemOf(line))) {
                ok = false;
                break;
            }
        }
    }
    if (!ok) {
        ShowMessage(program,
                    "Unable to load variables, try re-installing the " + program.AppTitle + ".");
        ResetLeadingKeys(program.settings);
    }
}

bool SaveSettings(Program& program) {
    std::string content;
    for (const SettingsKey& key : SettingsTable()) {
        content += std::string(key.key) + "=" +
                   SettingValueText(program.settings, key, program.DecimalSeparator) + "\r\n";
    }
    bool ok = false;
    std::string backup;
    try {
        const std::string path = SettingsPath(program);
        backup = BackupPath(program);
        ok = EnsureFileExists(path) && CopyFileReplacing(path, backup) &&
             WriteFileAtomically(path, content);
    } catch (const FolderError&) {
    }
    if (!backup.empty()) RemoveFile(backup);
    if (!ok) {
        ShowMessage(program,
                    "Unable to save variables, try re-installing the " + program.AppTitle + ".");
    }
    return ok;
}

}  // namespace flenmark
