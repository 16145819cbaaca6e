// A KMZ written on Windows: a zip holding doc.kml and the icons, in folders whose names are not
// ASCII, written again over an older one.
#include <gtest/gtest.h>
#include <zip.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "base/os_files.h"
#include "base/utf8_path.h"
#include "exports/kmz_package.h"

namespace flenmark {
namespace {

namespace fs = std::filesystem;

void Write(const std::string& path, const std::string& bytes) {
    std::ofstream(PathOf(path), std::ios::binary) << bytes;
}

// The names inside a KMZ and what its doc.kml holds; empty when it is not a zip.
std::pair<std::set<std::string>, std::string> Contents(const std::string& path) {
    int error = 0;
    zip_t* kmz = zip_open(path.c_str(), ZIP_RDONLY, &error);
    if (!kmz) return {};
    std::set<std::string> names;
    for (zip_int64_t i = 0; i < zip_get_num_entries(kmz, 0); ++i)
        names.insert(zip_get_name(kmz, i, 0));
    zip_stat_t stat;
    std::string doc;
    if (zip_stat(kmz, "doc.kml", 0, &stat) == 0) {
        doc.resize(stat.size);
        zip_file_t* file = zip_fopen(kmz, "doc.kml", 0);
        zip_fread(file, doc.data(), stat.size);
        zip_fclose(file);
    }
    zip_close(kmz);
    return {names, doc};
}

TEST(WindowsKmz, HoldsTheDocumentAndTheIconsAndReplacesAnOlderOne) {
    const std::string root =
        TextOf(fs::temp_directory_path()) + "/Flüge Ω " + std::to_string(os::ProcessId());
    fs::create_directories(PathOf(root + "/icons"));
    Write(root + "/icons/takeoff.png", "\x89PNG one");
    Write(root + "/icons/gear.png", "\x89PNG two");
    Write(root + "/icons/notes.txt", "not an icon");
    Write(root + "/Flug.kml", "<kml>first</kml>");
    const std::string kmz = root + "/Flug.kmz";
    ASSERT_TRUE(PackKmz(root + "/Flug.kml", root + "/icons", kmz));
    Write(root + "/Flug.kml", "<kml>second</kml>");
    ASSERT_TRUE(PackKmz(root + "/Flug.kml", root + "/icons", kmz));
    const auto [names, doc] = Contents(kmz);
    EXPECT_EQ(names, (std::set<std::string>{"doc.kml", "icons/gear.png", "icons/takeoff.png"}));
    EXPECT_EQ(doc, "<kml>second</kml>");
    fs::remove_all(PathOf(root));
}

}  // namespace
}  // namespace flenmark
