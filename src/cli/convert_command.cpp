#include "cli/convert_command.h"

#include <filesystem>
#include <iostream>

#include "platform/data_folders.h"
#include "app/settings_store.h"
#include "app/startup.h"
#include "base/data_folder_lock.h"
#include "base/text_files.h"
#include "cli/console_services.h"
#include "exports/flight_export.h"
#include "kml/kml_templates.h"
#include "app/flight_conversion.h"
#include "platform/system_clock.h"
#include "platform/system_info.h"
#include "platform/xdg_folders.h"
#include "simlink/sim_link.h"
#include "app/kml_template_file.h"

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
    const auto parent =
        std::filesystem::weakly_canonical(std::filesystem::absolute(path).parent_path(), ec);
    std::string base = folder;
    while (base.size() > 1 && base.back() == '/') base.pop_back();
    return !ec && parent == std::filesystem::weakly_canonical(base, ec);
}

}  // namespace

int RunConvertCommand(const std::vector<std::string>& args) {
    std::vector<std::string> paths;
    std::string name;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--name" && i + 1 < args.size())
            name = args[++i];
        else
            paths.push_back(args[i]);
    }
    if (paths.size() != 2) {
        std::cerr << "usage: flenmark-cli convert LOG OUT [--name NAME]\n";
        return 1;
    }
    SystemClock clock;
    XdgFolders folders;
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
            program.dataFolderLock = DataFolderLock::acquire(data);
            if (!program.dataFolderLock) {
                std::cerr << AnotherFlenmarkMessage(data) << "\n";
                return 1;
            }
        }
        if (FileExists(data + "Offsets.txt")) LoadSettings(program);
    } catch (const FolderError&) {
    }
    if (!LoadKmlTemplates(program)) return 1;
    if (name.empty()) name = "Flightlog";
    return ConvertLogToKml(program, paths[0], paths[1], name, false, "") ? 0 : 1;
}

int RunExportCommand(const std::vector<std::string>& args) {
    std::vector<std::string> paths;
    std::string name = "Flightlog";
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--name" && i + 1 < args.size())
            name = args[++i];
        else
            paths.push_back(args[i]);
    }
    if (paths.size() != 2 || !IsExportPath(paths[1])) {
        std::cerr << "usage: flenmark-cli export LOG OUT.gpx|OUT.csv [--name NAME]\n";
        return 1;
    }
    const ExportResult result = ExportFlight(paths[0], paths[1], name);
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
