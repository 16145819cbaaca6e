#include "app/realtime_commands.h"

#include "app/flight_conversion.h"
#include "app/logging_control.h"
#include "app/logging_labels.h"
#include "app/messages.h"
#include "app/program.h"
#include "base/text_files.h"
#include "kml/kml_values.h"
#include "platform/data_folders.h"

namespace flenmark {
namespace {

void EnableViewButtons(Program& program, bool enabled) {
    MainWindowView& v = program.mainView;
    v.btnSetChase = v.btnSetLeft = v.btnSetRight = v.btnSetOverview = enabled;
}

}  // namespace

std::optional<std::string> WriteRealtimeLinkFile(Program& program) {
    try {
        const std::string data = DataFolder(program.services.folders);
        // Paths become KML text: a folder named "Flights & more" stays valid XML.
        const std::string track = XmlText(data + "Realtime.kml");
        const std::string camera = XmlText(data + "RealtimeLocation.kml");
        const std::string text = FillTemplate(program.kmlTemplates[Kml::Realtime],
                                              {{"FILE1", track}, {"FILE2", camera}});
        const std::string link = data + program.ProductWord + " Realtime.kml";
        if (!WriteFileAtomically(link, text + "\r\n")) throw FolderError("cannot write the link");
        return link;
    } catch (const std::exception&) {
        ShowMessage(program, "Unable to initialize realtime tracking.");
        return std::nullopt;
    }
}

bool WriteRealtimeLink(Program& program) {
    const auto link = WriteRealtimeLinkFile(program);
    if (link) OpenOrTellWhere(program, *link, "the realtime link in Google Earth");
    return link.has_value();
}

void GenerateRealtimeLink(Program& program) {
    if (!program.Logging && !program.Connected) {
        program.Realtime = false;
        EnableViewButtons(program, false);
        UpdateLoggingLabels(program, false, false, false);
        ShowMessage(program, "No open FS connection.");
        return;
    }
    BeginLogging(program, false, "");  // a recording that tracking starts has its start line
    program.Realtime = true;
    EnableViewButtons(program, true);
    UpdateLoggingLabels(program, program.Logging, false, true);
    ShowMessage(program, "Realtime network link generated, check Google Earth.");
    WriteRealtimeLink(program);
}

void ToggleRealtime(Program& program) {
    if (program.Realtime) {
        program.Realtime = false;
        ShowMessage(program, "Realtime stopped.");
        EnableViewButtons(program, false);
        return;
    }
    if (!program.Connected) {
        ShowMessage(program, "No open FS connection.");
        return;
    }
    BeginLogging(program, false, "");
    EnableViewButtons(program, true);
    program.Realtime = true;
    ShowMessage(program, "Realtime started.");
}

void ConvertRealtimeFiles(Program& program) {
    try {
        const std::string data = DataFolder(program.services.folders);
        ConvertLogToKml(program, data + "Realtime.txt", data + "Realtime.kml",
                        program.ProductWord + " Realtime Flightpath", true,
                        data + "RealtimeLocation.kml");
    } catch (const FolderError&) {
        ShowMessage(program, "Not able to convert flightlog");
    }
}

void SetChaseView(Program& program) {
    program.realtime.ChaseView = true;
    ShowMessage(program, "View set to chase airplane.");
}

void SetOverviewView(Program& program) {
    program.realtime.ChaseView = false;
    ShowMessage(program, "View set to overview.");
}

void SetViewFromLeft(Program& program) {
    program.realtime.ViewFromRight = false;
    ShowMessage(program, "View set to the left.");
}

void SetViewFromRight(Program& program) {
    program.realtime.ViewFromRight = true;
    ShowMessage(program, "View set to the right.");
}

}  // namespace flenmark
