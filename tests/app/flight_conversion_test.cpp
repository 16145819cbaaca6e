// Every kind of document the program writes, made with the shipped templates and checked
// against the OGC KML 2.2 schema.
#include "app/flight_conversion.h"

#include <gtest/gtest.h>
#include <zip.h>

#include <filesystem>
#include <set>

#include "app/conversion_command.h"
#include "app/kml_template_file.h"
#include "app/realtime_commands.h"
#include "app/settings_store.h"
#include "kml/kml_templates.h"
#include "kml/kml_test_support.h"
#include "support/fakes.h"
#include "support/simhost_process.h"

namespace flenmark {
namespace {

using testing::LogLine;
using testing::ReadFile;
using testing::WriteFile;

// A short flight with every kind of stretch, event and traffic, in the comma format.
class KmlDocumentsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(LoadKmlTemplates(t.program));
        const std::vector<std::string> log = {
            LogLine("20090712235950", "4,76", "52,30", "15", 1, "SA", "-"),
            LogLine("20090712235955", "4,761", "52,301", "15", 1, "TO=3", "20090712235954"),
            LogLine("20090712235958", "4,762", "52,302", "300", 0, "GU", "20090712235957"),
            LogLine("20090712235959", "4,763", "52,303", "600", 0, "O", "20090712235958"),
            LogLine("20090713000001", "4,764", "52,304", "900", 0, "OE", "20090713000000"),
            LogLine("20090713000003", "4,765", "52,305", "800", 0, "S", "20090713000002"),
            LogLine("20090713000006", "4,766", "52,306", "20", 1, "TD=-312/2", "20090713000005"),
            LogLine("20090713000008", "4,767", "52,307", "15", 1, "", "20090713000007"),
            LogLine("20090713001000", "4,767", "52,307", "15", 1, "SA", "-"),
            LogLine("20090713001005", "4,768", "52,308", "15", 1, "SO", "20090713001004")};
        std::string text, animation;
        for (const auto& l : log) text += l + "\r\n";
        for (int s = 0; s < 20; ++s)
            animation +=
                LogLine("200907130000" + std::string(s < 10 ? "0" : "") + std::to_string(s),
                        "4,76" + std::to_string(s), "52,3" + std::to_string(s), "700", s > 15,
                        s == 4 ? "GD" : "", s == 4 ? "" : "x") +
                "\r\n";
        WriteFile(t.dataPath("Flightlog.txt"), text);
        WriteFile(t.dataPath("Animation.txt"), animation);
        WriteFile(t.dataPath("Traffic.txt"),
                  "20090713000001:1001:52.31:4.77:1200:90:250:KLM12:0:4:+5:20090713000000\r\n"
                  "20090713000001:1002:52.5:4.9:5000:270:300:A&B<C>:-500:1:+43:20090713000000\r\n"
                  "20090713000002:1001:52.311:4.771:1210:90:250:KLM12:0:3:+5:20090713000001\r\n");
    }
    testing::TestProgram t;
};

TEST_F(KmlDocumentsTest, OrdinaryConversionWithReplayAndTrafficIsValidKml) {
    const std::string out = t.dataPath("Flightlog.kml");
    ASSERT_TRUE(ConvertLogToKml(t.program, t.dataPath("Flightlog.txt"), out,
                                "Flightlog Me & You 13-07-2009 00.10", false, ""));
    const std::string kml = ReadFile(out);
    EXPECT_EQ(testing::KmlSchemaErrors(out), "");
    // The document opens framed on the flight: the middle of its box, seen from above.
    EXPECT_NE(kml.find("<name>Flightlog Me &amp; You 13-07-2009 00.10</name><open>1</open><LookAt>"
                       "<longitude>4.764</longitude><latitude>52.304</latitude>"),
              std::string::npos);
    EXPECT_NE(kml.find("Animated AI/Online traffic"), std::string::npos);
    EXPECT_NE(kml.find("A&amp;B&lt;C&gt;"), std::string::npos);
    EXPECT_NE(kml.find(">checkHideChildren<"), std::string::npos);
    EXPECT_EQ(kml.substr(kml.size() - 2), "\r\n");
    // Icons that show without a network: beside the document, none from a web address.
    EXPECT_EQ(kml.find("<href>http"), std::string::npos);
    EXPECT_NE(kml.find("<href>icons/pin-yellow.png</href>"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(t.dataPath("icons/pin-yellow.png")));
    EXPECT_EQ(t.program.mainView.label7.text, "");
}

// A KMZ holds the document as doc.kml and every file it refers to.
TEST_F(KmlDocumentsTest, KmzHoldsTheDocumentAndItsIcons) {
    const std::string out = t.folders.root() + "/flight.KMZ";
    ASSERT_TRUE(ConvertLogToKml(t.program, t.dataPath("Flightlog.txt"), out, "F", false, ""));
    int error = 0;
    zip_t* kmz = zip_open(out.c_str(), ZIP_RDONLY, &error);
    ASSERT_NE(kmz, nullptr);
    std::set<std::string> names;
    for (zip_int64_t i = 0; i < zip_get_num_entries(kmz, 0); ++i)
        names.insert(zip_get_name(kmz, i, 0));
    zip_stat_t stat;
    ASSERT_EQ(zip_stat(kmz, "doc.kml", 0, &stat), 0);
    std::string doc(stat.size, '\0');
    zip_file_t* file = zip_fopen(kmz, "doc.kml", 0);
    ASSERT_EQ(zip_fread(file, doc.data(), stat.size), static_cast<zip_int64_t>(stat.size));
    zip_fclose(file);
    zip_close(kmz);
    size_t hrefs = 0;
    for (size_t at = doc.find("<href>"); at != std::string::npos; at = doc.find("<href>", at + 1)) {
        const std::string target = doc.substr(at + 6, doc.find("</href>", at) - at - 6);
        EXPECT_TRUE(names.count(target)) << target;
        ++hrefs;
    }
    EXPECT_GT(hrefs, 0u);
    EXPECT_FALSE(std::filesystem::exists(t.folders.root() + "/icons"));  // all inside
    WriteFile(t.folders.root() + "/doc.kml", doc);
    EXPECT_EQ(testing::KmlSchemaErrors(t.folders.root() + "/doc.kml"), "");
}

// Lines a damaged or hand-edited log may hold: each is left out, and nothing of them can
// break the document.
TEST_F(KmlDocumentsTest, DamagedLinesAreLeftOutAndTheRestIsValidKml) {
    const std::string damaged[] = {
        LogLine("2009071300\x10"
                "005",
                "4,76", "52,30", "15", 1, "", "x"),                              // a control byte
        LogLine("2009071300000", "4,76", "52,30", "15", 1, "", "x"),             // 13 digits
        LogLine("20090713000004", "4,76", "52,30", "1<5", 1, "", "x"),           // not a number
        "20090713000005:4,76:52,30:15",                                          // cut short
        LogLine("20090713000004", "4,76", "52,30", "15", 1, "", "x") + ":1",     // 14 fields
        [] {  // 20,000 number fields, 40 KB
            std::string s = "20090713000004";
            for (int i = 0; i < 20000; ++i) s += ":1";
            return s;
        }(),
        LogLine("20090713000006", "4,76", "52,30", "15", 0, "FL=]]><b>", "x")};  // kept, tamed
    std::string log = ReadFile(t.dataPath("Flightlog.txt"));
    for (const std::string& line : damaged) log.insert(log.find("\r\n") + 2, line + "\r\n");
    WriteFile(t.dataPath("Flightlog.txt"), log);
    WriteFile(t.dataPath("Traffic.txt"),
              ReadFile(t.dataPath("Traffic.txt")) +
                  "20090713000003:1003:52.31:4.77:1200:90:250:BAD\xff\xfeUTF8:0:4:+5:x\r\n");
    const std::string out = t.dataPath("Flightlog.kml");
    ASSERT_TRUE(ConvertLogToKml(t.program, t.dataPath("Flightlog.txt"), out, "F", false, ""));
    EXPECT_EQ(testing::KmlSchemaErrors(out), "");
    const std::string kml = ReadFile(out);
    EXPECT_EQ(kml.find("1&lt;5"), std::string::npos);
    EXPECT_NE(kml.find("Flaps b%"), std::string::npos);  // only the value's plain characters
    EXPECT_NE(kml.find("BADUTF8"), std::string::npos);
    EXPECT_EQ(t.program.mainView.label7.text, "Flight converted; 6 damaged lines left out.");
    // A full disk's torn last line, with no line end.
    WriteFile(t.dataPath("Flightlog.txt"), ReadFile(t.dataPath("Flightlog.txt")) + "2009071300101");
    ASSERT_TRUE(ConvertLogToKml(t.program, t.dataPath("Flightlog.txt"), out, "F", false, ""));
    EXPECT_EQ(t.program.mainView.label7.text, "Flight converted; 7 damaged lines left out.");
    WriteFile(t.dataPath("Flightlog.txt"), damaged[0] + "\r\n" + damaged[3]);
    EXPECT_FALSE(ConvertLogToKml(t.program, t.dataPath("Flightlog.txt"), out, "F", false, ""));
}

// A saved flight converted later takes its own replay from beside it, not the one of the
// flight in the data folder now.
TEST_F(KmlDocumentsTest, ASavedLogConvertsWithTheReplayBesideIt) {
    const std::string saved = t.folders.root() + "/docs/Saved flight/";
    std::filesystem::create_directories(saved);
    std::filesystem::copy_file(t.dataPath("Flightlog.txt"), saved + "Flightlog.txt");
    WriteFile(saved + "Animation.txt",
              LogLine("20090713000001", "7,25", "51,5", "700", 0, "", "-") + "\r\n");
    const std::string out = saved + "Flightlog.kml";
    ASSERT_TRUE(ConvertLogToKml(t.program, saved + "Flightlog.txt", out, "F", false, ""));
    const std::string kml = ReadFile(out);
    EXPECT_NE(kml.find("7.25,51.5"), std::string::npos);    // its own frame
    EXPECT_EQ(kml.find("4.760,52.30"), std::string::npos);  // none of the data folder's
    EXPECT_EQ(kml.find("Animated AI/Online traffic"), std::string::npos);
}

// On the ground, with traffic in the table (the recording test follows a flight in the air).
TEST_F(KmlDocumentsTest, RealtimeTrackCameraAndLinkAreValidKml) {
    TelemetrySnapshot& s = t.program.telemetry;
    s.LatText = "52,31";
    s.LonText = "4,77";
    s.AltText = "1000";
    s.AltAGLText = "985";
    s.GndSpdText = "120";
    s.HDGText = "270,5";
    s.OnGround = 1;
    t.program.traffic.TCASMode = 4;
    const char* row[] = {"1001", "52.32", "4.78", "1500", "90", "200", "KLM<1>", "-300"};
    for (int c = 0; c < 8; ++c) t.program.traffic.AITraffic.at(3, c) = row[c];
    WriteFile(t.dataPath("Realtime.txt"), ReadFile(t.dataPath("Flightlog.txt")));
    ConvertRealtimeFiles(t.program);
    EXPECT_EQ(testing::KmlSchemaErrors(t.dataPath("Realtime.kml")), "");
    EXPECT_EQ(testing::KmlSchemaErrors(t.dataPath("RealtimeLocation.kml")), "");
    EXPECT_NE(ReadFile(t.dataPath("Realtime.kml")).find("clampToGround"), std::string::npos);
    EXPECT_EQ(ReadFile(t.dataPath("Realtime.kml")).find("<href>http"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(t.dataPath("icons/aircraft.png")));
    ASSERT_TRUE(WriteRealtimeLink(t.program));
    EXPECT_EQ(testing::KmlSchemaErrors(t.dataPath("Flenmark Realtime.kml")), "");
}

TEST_F(KmlDocumentsTest, FailedConversionLeavesTheOldDocument) {
    const std::string out = t.dataPath("Flightlog.kml");
    WriteFile(out, "old");
    // The last two: a line the track cannot draw (a ground flag of 7) while the replay reads
    // along, with the frames before it and after the whole log.
    const std::string good = LogLine("20090713000001", "4,76", "52,3", "15", 1, "SA", "-") + "\r\n";
    const std::string fault = LogLine("20090713000002", "4,76", "52,3", "15", 7, "", "x") + "\r\n";
    const std::string early = LogLine("20090712000000", "4,76", "52,3", "15", 1, "", "x") + "\r\n";
    for (const std::string& bad : {std::string(""), std::string("20090712143500:1:2\r\n"),
                                   LogLine("2009071214350", "x", "52", "0", 0, "", "-") + "\r\n",
                                   good + fault + good, early + good + fault + good + good}) {
        WriteFile(t.dataPath("Flightlog.txt"), bad);
        t.program.mainView.label7.text.clear();
        EXPECT_FALSE(ConvertLogToKml(t.program, t.dataPath("Flightlog.txt"), out, "x", false, ""));
        EXPECT_EQ(t.program.mainView.label7.text, "Not able to convert flightlog");
        EXPECT_EQ(ReadFile(out), "old");
    }
}

TEST_F(KmlDocumentsTest, TemplateWithoutAPlaceholderFailsTheWholeConversion) {
    t.program.kmlTemplates[Kml::PinDot] = "<Placemark><name>NAME</name></Placemark>";
    EXPECT_FALSE(ConvertLogToKml(t.program, t.dataPath("Flightlog.txt"), t.dataPath("x.kml"), "x",
                                 false, ""));
    EXPECT_FALSE(std::filesystem::exists(t.dataPath("x.kml")));
}

// A damaged animation, or a traffic template without its word (found before the replay is
// written, not halfway through its traffic): the document goes without its replay, and the
// message says so and why instead of calling the conversion failed.
TEST_F(KmlDocumentsTest, AReplayThatCannotBeMadeIsLeftOutWhole) {
    const std::string animation = ReadFile(t.dataPath("Animation.txt"));
    for (const bool damaged : {true, false}) {
        WriteFile(t.dataPath("Animation.txt"), damaged ? "garbage\r\n" : animation);
        if (!damaged) t.program.kmlTemplates[Kml::TCASRed] = "<Placemark>";
        ASSERT_TRUE(ConvertLogToKml(t.program, t.dataPath("Flightlog.txt"), t.dataPath("x.kml"),
                                    "x", false, ""));
        EXPECT_EQ(t.program.mainView.label7.text,
                  damaged ? "Flight converted without its animated replay: Animation.txt holds "
                            "no usable frame."
                          : "Flight converted without its animated replay: template without "
                            "NAME.");
        EXPECT_EQ(ReadFile(t.dataPath("x.kml")).find("Animated flight data"), std::string::npos);
        EXPECT_EQ(testing::KmlSchemaErrors(t.dataPath("x.kml")), "");
    }
}

TEST_F(KmlDocumentsTest, ConversionCommandSavesANamedCopyAndOpensIt) {
    TelemetrySnapshot& s = t.program.telemetry;  // parked where the log ends
    s = {"52,307", "4,768", "15", "0", "90", 1, "0", "0", "0", "1"};
    t.program.prev.HasReading = true;
    t.program.Logging = t.program.Realtime = t.program.Animation = true;
    t.clock.setZoneOffsetMinutes(120);
    t.dialogs.textAnswer = "Evening";
    ConvertFlightLogCommand(t.program);
    const std::string copy =
        t.folders.documentsRoot() + "/Flenmark files/Flightlog Evening 12-07-2009 16.35.kml";
    EXPECT_TRUE(std::filesystem::exists(copy));
    EXPECT_TRUE(
        std::filesystem::exists(t.folders.documentsRoot() + "/Flenmark files/icons/dot.png"));
    EXPECT_FALSE(std::filesystem::exists(t.folders.documentsRoot() +
                                         "/Flenmark files/Flightlog Evening 12-07-2009 16.35.txt"));
    ASSERT_EQ(t.shell.opened.size(), 1u);
    EXPECT_EQ(t.shell.opened[0], copy);
    EXPECT_EQ(t.program.mainView.label7.text,
              "Tracklog converted and saved, opening Google Earth...");
    EXPECT_FALSE(t.program.Logging || t.program.Realtime || t.program.Animation);
    t.program.settings.Debuging = true;  // debugging keeps a copy of the log beside it
    t.dialogs.textAnswer = "";
    ConvertFlightLogCommand(t.program);
    EXPECT_TRUE(std::filesystem::exists(t.folders.documentsRoot() +
                                        "/Flenmark files/Flightlog  12-07-2009 16.35.txt"));
    t.program.settings.SaveAsKMZ = true;  // one file to share, opened as such
    t.dialogs.textAnswer = "Shared";
    ConvertFlightLogCommand(t.program);
    EXPECT_EQ(t.shell.opened.back(),
              t.folders.documentsRoot() + "/Flenmark files/Flightlog Shared 12-07-2009 16.35.kmz");
    EXPECT_TRUE(std::filesystem::exists(t.shell.opened.back()));
}

// A conversion that fails saves nothing under the new name: the document beside the log is an
// older flight's, and opening it would show that one.
TEST_F(KmlDocumentsTest, AFailedConversionCommandSavesAndOpensNothing) {
    WriteFile(t.dataPath("Flightlog.kml"), "an older flight");
    WriteFile(t.dataPath("Flightlog.txt"), "");
    t.dialogs.textAnswer = "Broken";
    ConvertFlightLogCommand(t.program);
    EXPECT_EQ(t.program.mainView.label7.text, "Not able to convert flightlog");
    EXPECT_TRUE(t.shell.opened.empty());
    for (const auto& entry : std::filesystem::directory_iterator(t.folders.documentsRoot() +
                                                                 "/Flenmark files"))
        EXPECT_EQ(entry.path().filename().string().find("Broken"), std::string::npos);
}

TEST_F(KmlDocumentsTest, ExportGoesWhereTheUserChoosesAsGpxUnlessCsvIsAsked) {
    t.dialogs.saveFileAnswer = t.folders.root() + "/mine";
    ExportFlightCommand(t.program);
    EXPECT_EQ(t.dialogs.suggestedFile,
              t.folders.documentsRoot() + "/Flenmark files/Flightlog 12-07-2009 14.35.gpx");
    EXPECT_EQ(testing::GpxSchemaErrors(t.folders.root() + "/mine.gpx"), "");
    EXPECT_EQ(t.program.mainView.label7.text, "Flight exported.");
    t.dialogs.saveFileAnswer = t.folders.root() + "/mine.csv";
    ExportFlightCommand(t.program);
    EXPECT_EQ(testing::SplitLines(ReadFile(t.folders.root() + "/mine.csv")).size(), 21u);
}

// Cancelled, or a name that would leave the folder: nothing is saved, stopped or opened.
TEST_F(KmlDocumentsTest, CancellingOrANameThatLeavesTheFolderSavesNothing) {
    t.program.Logging = true;
    t.dialogs.textAnswer.reset();
    ConvertFlightLogCommand(t.program);
    EXPECT_TRUE(t.program.Logging);
    EXPECT_FALSE(std::filesystem::exists(t.dataPath("Flightlog.kml")));
    t.dialogs.textAnswer = "../../elsewhere";
    ConvertFlightLogCommand(t.program);
    EXPECT_EQ(t.program.mainView.label7.text,
              "Unable to save tracklog, try again with FS and GE off.");
    EXPECT_TRUE(t.shell.opened.empty());
}

}  // namespace
}  // namespace flenmark
