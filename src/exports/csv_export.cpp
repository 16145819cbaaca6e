#include "exports/csv_export.h"

#include "kml/kml_values.h"

namespace flenmark {
namespace {

// A field as CSV wants it: quoted when it holds a comma, a quote or a blank at its ends.
std::string CsvField(const std::string& value) {
    if (value.find_first_of(",\"") == std::string::npos &&
        (value.empty() || (value.front() != ' ' && value.back() != ' ')))
        return value;
    std::string quoted = "\"";
    for (char c : value) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

}  // namespace

bool WriteCsv(FlightPoints& points, std::ostream& out) {
    // Names GPSBabel's and GDAL's readers take for time, position and altitude: "altitude_m" is
    // the altitude in metres, and no other height is named so that GPSBabel takes it instead.
    out << "time,latitude,longitude,altitude_m,msl_ft,on_ground,event,ias_kt,agl_ft,tas_kt,"
           "vertical_speed_ft_min,ground_speed_kt,heading_deg\r\n";
    size_t rows = 0;
    const bool read = points.forEachPoint([&](const std::string& line) {
        const LogFields f(line);
        out << StampDateTime(f[1]) << ',' << PlainField(f[3]) << ',' << PlainField(f[2]) << ','
            << MetresText(f[4]) << ',' << PlainField(f[4]) << ',' << f[5] << ',' << CsvField(f[6]);
        for (int field : {7, 8, 9, 10, 11, 12}) out << ',' << PlainField(f[field]);
        out << "\r\n";
        ++rows;
    });
    return read && rows > 0;
}

}  // namespace flenmark
