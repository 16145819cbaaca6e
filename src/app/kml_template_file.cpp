#include "app/kml_template_file.h"

#include <filesystem>

#include "app/messages.h"
#include "app/program.h"
#include "base/text_files.h"
#include "base/utf8_path.h"
#include "kml/kml_template_limits.h"
#include "kml/kml_templates.h"
#include "platform/data_folders.h"

namespace flenmark {
namespace {

// The template file's text, or what is wrong with it ("" and no text when it is missing).
std::optional<std::string> ReadTemplateFile(const std::string& path, std::string& problem) {
    std::error_code ec;
    const auto size = std::filesystem::file_size(PathOf(path), ec);
    if (!ec && size > kKmlTemplateFileLimit) {
        problem = "it is " + std::to_string(size) + " bytes long; a template file may be " +
                  std::to_string(kKmlTemplateFileLimit) + " at most";
        return std::nullopt;
    }
    auto text = ReadWholeFile(path);
    if (!text) return std::nullopt;
    problem = KmlTemplateTextProblem(*text);
    if (!problem.empty()) return std::nullopt;
    return text;
}

}  // namespace

bool LoadKmlTemplates(Program& program) {
    const Folders& folders = program.services.folders;
    std::optional<std::string> text;
    std::string problem, path;
    try {
        if (const auto found = FindResource(folders, "KMLSettings.txt")) {
            path = *found;
            text = ReadTemplateFile(path, problem);
        }
    } catch (const FolderError&) {
    }
    if (text) {
        program.kmlTemplates = ParseKmlTemplates(*text);
        return true;
    }
    const std::string message =
        "Unable to load KML data, please reinstall the " + program.AppTitle + ".";
    ShowMessage(program, message);
    std::string details;
    if (!problem.empty()) {
        details = path + ": " + problem + ".";
    } else {
        std::string places = "its folder";
        try {
            places = ResourcePlaces(folders, "KMLSettings.txt");
        } catch (const FolderError&) {
        }
        details = "Looked for " + places + ".";
    }
    program.services.dialogs.message("Unable to load KML data",
                                     details + " Application will quit.");
    return false;
}

}  // namespace flenmark
