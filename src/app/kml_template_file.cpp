#include "app/kml_template_file.h"

#include "app/messages.h"
#include "app/program.h"
#include "base/text_files.h"
#include "kml/kml_templates.h"
#include "platform/data_folders.h"

namespace flenmark {

bool LoadKmlTemplates(Program& program) {
    const Folders& folders = program.services.folders;
    std::optional<std::string> text;
    try {
        if (const auto path = FindResource(folders, "KMLSettings.txt")) text = ReadWholeFile(*path);
    } catch (const FolderError&) {
    }
    if (text) {
        program.kmlTemplates = ParseKmlTemplates(*text);
        return true;
    }
    const std::string message =
        "Unable to load KML data, please reinstall the " + program.AppTitle + ".";
    ShowMessage(program, message);
    std::string places = "its folder";
    try {
        places = ResourcePlaces(folders, "KMLSettings.txt");
    } catch (const FolderError&) {
    }
    program.services.dialogs.message("Unable to load KML data",
                                     "Looked for " + places + ". Application will quit.");
    return false;
}

}  // namespace flenmark
