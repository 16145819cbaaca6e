#include "exports/flight_export.h"

#include <algorithm>
#include <cctype>

#include "base/atomic_file_writer.h"
#include "base/number_text.h"
#include "exports/csv_export.h"
#include "exports/gpx_export.h"

namespace flenmark {
std::string FileExtension(const std::string& path) {
    const size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || path.find('/', dot) != std::string::npos) return {};
    std::string ext = path.substr(dot + 1);
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext;
}

bool IsExportPath(const std::string& outPath) {
    const std::string ext = FileExtension(outPath);
    return ext == "gpx" || ext == "csv";
}

ExportResult ExportFlight(const std::string& logPath, const std::string& outPath,
                          const std::string& name) {
    if (!IsExportPath(outPath)) return {};
    FlightPoints points{logPath};
    AtomicFileWriter file(outPath);
    if (!file.isOpen()) return {};
    try {
        const bool written = FileExtension(outPath) == "gpx" ? WriteGpx(points, name, file.stream())
                                                             : WriteCsv(points, file.stream());
        if (!written || !file.commit()) return {};
    } catch (const ConversionFault&) {
        return {};
    }
    return {true, points.damaged};
}

}  // namespace flenmark
