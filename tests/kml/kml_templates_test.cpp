#include "kml/kml_templates.h"

#include <gtest/gtest.h>

#include <cctype>

#include "kml/kml_test_support.h"
#include "support/text_files.h"

namespace flenmark {
namespace {

TEST(FillPlaceholder, ReplacesOnlyTheFirstOccurrence) {
    EXPECT_EQ(FillPlaceholder("a LATAC b LATAC", "LATAC", "52"), "a 52 b LATAC");
    EXPECT_EQ(FillPlaceholder(FillPlaceholder("LATAC,LATAC", "LATAC", "1"), "LATAC", "2"), "1,2");
    // ALT before ALTAGL matters: a stray ALTAGL in front takes the replacement.
    EXPECT_EQ(FillPlaceholder("ALTAGL ALT", "ALT", "9"), "9AGL ALT");
    EXPECT_THROW(FillPlaceholder("no words", "NAME", "x"), TemplateError);
    // A value holding a placeholder word is found by a later step.
    EXPECT_EQ(FillPlaceholder(FillPlaceholder("NAME DESC", "NAME", "DESC"), "DESC", "d"), "d DESC");
}

TEST(TemplateFiller, FillsThePlacesOfTheWordsInTheTemplateOnce) {
    const TemplateFiller f("<name>NAME</name>(ALTAGL? no: ALT ALTAGL ALTM) LATAC,LATAC",
                           {"NAME", "ALT", "ALTAGL", "ALTM", "LATAC", "LATAC", "</name>"});
    // A value holding a later word stays as it is: a callsign ALT1 is not an altitude.
    EXPECT_EQ(f.fill({"ALT1", "9", "8", "7", "1", "2", "</name><T/>"}),
              "<name>ALT1</name><T/>(9AGL? no: ALT 8 7) 1,2");
    EXPECT_THROW(TemplateFiller("no words", {"NAME"}), TemplateError);
    EXPECT_THROW(TemplateFiller("NAME", {"NAME", "NAME"}), TemplateError);
    // An optional word that is missing is left out with its value.
    EXPECT_EQ(TemplateFiller("NAME LATX", {"NAME", "DESC", "LATX"}, {"DESC"}).fill({"n", "d", "1"}),
              "n 1");
}

// Every word a template may hold, as a value: a callsign or a folder name can be any text.
TEST(FillTemplate, ValuesHoldingEveryTemplateWordAreNotFilledAgain) {
    const std::string every =
        "NAME DESC LATX LONY HDG RANGE TILT LATAC LONAC ALTM KIAS SPDTAS GNDSPD VERTSPEED ALT "
        "ALTAGL TIME DATE DATETIME ENDDATETIME FILE1 FILE2";
    const KmlTemplateSet t =
        ParseKmlTemplates(testing::ReadFile(FLENMARK_RESOURCES_DIR "/KMLSettings.txt"));
    const std::string link = FillTemplate(t[Kml::Realtime], {{"FILE1", every}, {"FILE2", "2"}});
    EXPECT_NE(link.find("<href>" + every + "</href>"), std::string::npos) << link;
    EXPECT_NE(link.find("<href>2</href>"), std::string::npos) << link;
    const std::string look =
        FillTemplate("LATX LONY HDG", {{"LATX", every}, {"LONY", "LATX"}, {"HDG", "ALTM"}});
    EXPECT_EQ(look, every + " LATX ALTM");
}

TEST(ParseKmlTemplates, KeysAreExactLineStartsAndTheLastOneWins) {
    const KmlTemplateSet t = ParseKmlTemplates(
        "Path=a=b=c\r\n"
        " Folder=ignored\r\n"
        "Folder=first\r\n"
        "Folder=second\r\n"
        "PathGND=ground\n"
        "Unknown=1\r\n");
    EXPECT_EQ(t[Kml::Path], "a=b=c");
    EXPECT_EQ(t[Kml::Folder], "second");
    EXPECT_EQ(t[Kml::PathGND], "ground");
    EXPECT_EQ(t[Kml::PathWarning], "");
}

TEST(ShippedTemplates, MeetTheTemplateContract) {
    const KmlTemplateSet t =
        ParseKmlTemplates(testing::ReadFile(FLENMARK_RESOURCES_DIR "/KMLSettings.txt"));
    for (size_t k = 0; k < kKmlTemplateCount; ++k)
        EXPECT_FALSE(t.texts[k].empty()) << KmlTemplateKey(static_cast<Kml>(k));
    EXPECT_NE(t[Kml::Head].find("<StyleMap id=\"msn_ylw-"), std::string::npos);
    EXPECT_NE(t[Kml::Folder].find("Type>check<"), std::string::npos);
    EXPECT_EQ(testing::Count(t[Kml::PlacemarkPin], "<altitudeMode>absolute</altitudeMode>"), 2u);
    EXPECT_EQ(testing::Count(t[Kml::PlacemarkPin], "LATAC"), 2u);
    EXPECT_EQ(testing::Count(t[Kml::PlacemarkPin], "LONAC"), 2u);
    for (Kml pin : {Kml::PlacemarkPinSmall, Kml::PlacemarkPinSmallAir, Kml::PlacemarkPinWarning,
                    Kml::PlacemarkPinWarningAir, Kml::PinDot, Kml::PinDotAir}) {
        const std::string& text = t[pin];
        const size_t alt = text.find("ALT");
        ASSERT_NE(alt, std::string::npos);
        EXPECT_FALSE(std::isupper(static_cast<unsigned char>(text[alt + 3])))
            << KmlTemplateKey(pin);  // the bare word comes first
        EXPECT_EQ(text.find("DATETIME"), std::string::npos) << KmlTemplateKey(pin);
    }
    EXPECT_EQ(testing::Count(t[Kml::Realtime], "FILE1"), 1u);
    EXPECT_EQ(testing::Count(t[Kml::Realtime], "FILE2"), 1u);
}

}  // namespace
}  // namespace flenmark
