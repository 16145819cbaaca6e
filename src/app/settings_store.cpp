#include "app/settings_store.h"

#include <filesystem>
#include <vector>

#include "app/messages.h"
#include "app/program.h"
#include "base/folder_problem.h"
#include "base/number_text.h"
#include "base/text_files.h"
#include "base/utf8_path.h"
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

// A settings file is a few hundred bytes; one of more is not ours to read.
constexpr size_t kSettingsFileLimit = 64 << 10;

void SetDefault(Settings& settings, const SettingsKey& key) {
    const Settings defaults;
    std::visit([&](auto member) { settings.*member = defaults.*member; }, key.member);
}

// Stores the item when it names a key. A value that cannot be converted leaves its key at the
// default and is added to `refused` as it stands in the file.
void ApplyItem(Settings& settings, const std::string& item, std::vector<std::string>& refused) {
    for (const SettingsKey& key : SettingsTable()) {
        const std::string prefix = std::string(key.key) + "=";
        if (item.rfind(prefix, 0) != 0) continue;
        if (SetSettingFromText(settings, key, item.substr(prefix.size()))) continue;
        SetDefault(settings, key);
        refused.push_back(item);
    }
}

// The settings a file's text holds over the defaults, and the items it refused.
Settings ParseSettingsText(const std::string& text, std::vector<std::string>& refused) {
    Settings settings;
    for (const std::string& line : SplitLines(text)) ApplyItem(settings, ItemOf(line), refused);
    return settings;
}

// The file's text; nullopt, and why in `problem`, when it cannot be read or is not ours.
std::optional<std::string> ReadSettingsText(const std::string& path, std::string& problem) {
    std::error_code ec;
    const auto size = std::filesystem::file_size(PathOf(path), ec);
    if (!ec && size > kSettingsFileLimit) {
        problem = "Offsets.txt is " + std::to_string(size) +
                  " bytes long, not a settings file: the defaults apply.";
        return std::nullopt;
    }
    return ReadWholeFile(path);
}

// "Offsets.txt: VSOffset=nan cannot be read; the key takes its default." (and how many more)
std::string RefusedMessage(const std::vector<std::string>& refused) {
    std::string text = "Offsets.txt: " + refused.front() + " cannot be read";
    if (refused.size() > 1) text += " (nor " + std::to_string(refused.size() - 1) + " more)";
    return text + (refused.size() > 1 ? "; these keys take their defaults."
                                      : "; the key takes its default.");
}

// The cause when it is one the user can mend (a full disk, a read-only folder); re-installing
// mends neither.
std::string SaveFailureMessage(const Program& program) {
    try {
        const std::string folder = DataFolder(program.services.folders);
        if (const auto problem = FolderWriteProblem(folder)) {
            std::string cause = FolderProblemMessage("the data folder", folder, *problem);
            cause[0] = 't';  // "The ..." within the sentence
            return "Unable to save variables: " + cause;
        }
    } catch (const FolderError&) {
    }
    return "Unable to save variables, try re-installing the " + program.AppTitle + ".";
}

}  // namespace

Settings ReadSettingsFile(const std::string& path) {
    std::string problem;
    std::vector<std::string> refused;
    const auto text = ReadSettingsText(path, problem);
    return text ? ParseSettingsText(*text, refused) : Settings{};
}

void EnsureSettingsFile(Program& program) {
    try {
        EnsureFileExists(SettingsPath(program));
    } catch (const FolderError&) {
        // The next load reports the trouble.
    }
}

void LoadSettings(Program& program) {
    const bool forceNoWinXP = program.settings.ForceNoWinXP;
    std::optional<std::string> text;
    std::string problem;
    try {
        text = ReadSettingsText(SettingsPath(program), problem);
    } catch (const FolderError&) {
    }
    std::vector<std::string> refused;
    program.settings = text ? ParseSettingsText(*text, refused) : Settings{};
    program.settings.ForceNoWinXP = forceNoWinXP;
    if (!problem.empty())
        ShowMessage(program, problem);
    else if (!text)
        ShowMessage(program,
                    "Unable to load variables, try re-installing the " + program.AppTitle + ".");
    else if (!refused.empty())
        ShowMessage(program, RefusedMessage(refused));
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
    if (!ok) ShowMessage(program, SaveFailureMessage(program));
    return ok;
}

}  // namespace flenmark
