#pragma once

#include <libxml/parser.h>

#include <string>

#include "support/fakes.h"

namespace flenmark::fuzz {

// One program on fakes for the whole run, its data folder in a temporary folder.
inline testing::TestProgram& Program() {
    static testing::TestProgram* program = [] {
        auto* t = new testing::TestProgram;
        t->program.kmlTemplates =
            ParseKmlTemplates(testing::ReadFile(FLENMARK_RESOURCES_DIR "/KMLSettings.txt"));
        xmlInitParser();
        return t;
    }();
    return *program;
}

// True when the text is well-formed XML.
inline bool WellFormed(const std::string& text) {
    xmlDocPtr doc =
        xmlReadMemory(text.data(), static_cast<int>(text.size()), "doc.kml", nullptr,
                      XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING | XML_PARSE_HUGE);
    const bool ok = doc != nullptr;
    xmlFreeDoc(doc);
    return ok;
}

}  // namespace flenmark::fuzz
