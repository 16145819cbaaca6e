#include "cli/convert_command.h"

#include <filesystem>
#include <iostream>

#include "app/flight_conversion.h"
#include "app/kml_template_file.h"
#include "app/settings_store.h"
#include "app/startup.h"
#include "base/command_line_error.h"
#include "base/data_folder_lock.h"
#include "base/text_files.h"
#include "base/utf8_path.h"
#include "cli/console_services.h"
#include "cli/file_arguments.h"
#include "exports/flight_export.h"
#include "kml/kml_templates.h"
#include "platform/data_folders.h"
#include "platform/system_clock.h"
#include "platform/system_info.h"
#include "platform/system_services.h"
#include "simlink/sim_link.h"

namespace flenmark::cli {
namespace {

// Converting needs no simulator.
class NoSimulator final : public SimLink {
  public:
    bool OpenLink(int, int& result) override { return (result = kLinkNoHost), false; }
    void CloseLink() override {}
    bool QueueRead(uint32_t, uint32_t, void*, int& result) override {
        return (result = kLinkNotOpen), false;
    }
    bool QueueWrite(uint32_t, uint32_t, const void*, int& result) override {
        return (result = kLinkNotOpen), false;
    }
    bool ProcessRequests(int& result) override { return (result = kLinkNotOpen), false; }
    int simVersion() const override { return 0; }
    void setDeadline(std::optional<std::chrono::steady_clock::time_point>) override {}
};

// True when the file `path` goes into `folder`.
bool WritesInto(const std::string& path, const std::string& folder) {
    std::error_code ec;
    const auto parent = std::filesystem::weakly_canonical(
        std::filesystem::absolute(PathOf(path)).parent_path(), ec);
    std::string base = folder;
    while (base.size() > 1 && base.back() == '/') base.pop_back();
    return !ec && parent == std::filesystem::weakly_canonical(PathOf(base), ec);
}

}  // namespace

int RunConvertCommand(const std::vector<std::string>& args) {
    const FileArguments f = ReadFileArguments(args, "convert", {"--name", "--compact"}, {});
    if (!f.error.empty()) {
        ReportCommandLineError("flenmark-cli", f.error);
        return 1;
    }
    const std::vector<std::string> paths{f.log, f.out};
    SystemClock clock;
    const auto ownFolders = MakeFolders();
    Folders& folders = *ownFolders;
    ConsoleDialogs dialogs;
    ConsoleShell shell;
    ConsoleUiHooks ui;
    NoSimulator link;
    Program program(Services{clock, folders, dialogs, shell, ui, link});
    ui.attach(program);
    program.DecimalSeparator = DecimalSeparatorOf(SystemFormatOfTwoAndAHalf());
    try {
        const std::string data = DataFolder(folders);
        // Converting into the data folder is writing into it: one program at a time.
        if (WritesInto(paths[1], data)) {
            bool heldByAnother = false;
            program.dataFolderLock = DataFolderLock::acquire(data, &heldByAnother);
            if (!program.dataFolderLock) {
                std::cerr << DataFolderRefusal(data, heldByAnother) << "\n";
                return 1;
            }
        }
        if (FileExists(data + "Offsets.txt")) LoadSettings(program);
    } catch (const FolderError&) {
    }
    if (f.compact) program.settings.CompactReplay = true;
    if (!LoadKmlTemplates(program)) return 1;
    const std::string name = f.name.empty() ? "Flightlog" : f.name;
    const ConversionOutcome outcome = ConvertLogToKml(program, paths[0], paths[1], name, false, "");
    if (!outcome) std::cerr << "The reason: " << outcome.failure << ".\n";
    return outcome ? 0 : 1;
}

int RunExportCommand(const std::vector<std::string>& args) {
    const FileArguments f = ReadFileArguments(args, "export", {"--name"}, {"gpx", "csv"});
    if (!f.error.empty()) {
        ReportCommandLineError("flenmark-cli", f.error);
        return 1;
    }
    const ExportResult result = ExportFlight(f.log, f.out, f.name.empty() ? "Flightlog" : f.name);
    if (!result.exported) {
        std::cerr << "Not able to export flightlog\n";
        return 1;
    }
    if (result.damagedLines > 0)
        std::cerr << result.damagedLines << " damaged line" << (result.damagedLines == 1 ? "" : "s")
                  << " left out.\n";
    return 0;
}

}  // namespace flenmark::cli
