#include "app/kml_template_file.h"

#include "app/messages.h"
#include "app/program.h"
#include "base/text_files.h"
#include "kml/kml_templates.h"
#include "platform/data_folders.h"

namespace flenmark {

bool LoadKmlTemplates(Program& program) {
    std::optional<std::string> text;
    try {
        text = ReadWholeFile(ProgramFolder(program.services.folders) + "KMLSettings.txt");
    } catch (const FolderError&) {
    }
    if (text) {
        program.kmlTemplates = ParseKmlTemplates(*text);
        return true;
    }
    const std::string message =
        "Unable to load KML data, please reinstall the " + program.AppTitle + ".";
    ShowMessage(program, message);
    program.services.dialogs.message("Unable to load KML data",
                                     message + " Application will quit.");
    return false;
}

}  // namespace flenmark
