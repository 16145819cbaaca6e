#include "recorder/flight_log.h"

#include <algorithm>
#include <iterator>

#include "base/number_text.h"
#include "base/text_files.h"
#include "base/utc_time.h"

namespace flenmark {

std::string BuildLogLine(const TelemetrySnapshot& t, const std::string& stamp,
                         const std::string& code, const std::string& previousStamp) {
    const std::string fields[] = {
        stamp,
        t.LonText,
        t.LatText,
        t.AltText,
        IntText(t.OnGround),
        code,
        IntText(IntOf(t.IAS)),
        IntTextOf(t.AltAGLText),
        IntText(IntOf(t.TAS)),
        IntTextOf(t.VSText),
        IntTextOf(t.GndSpdText),
        IntTextOf(t.HDGText),
        previousStamp,
    };
    std::string line;
    for (size_t i = 0; i < std::size(fields); ++i) {
        if (i > 0) line += ':';
        line += fields[i];
    }
    return line;
}

bool AppendLogLine(const std::string& logPath, const std::string& line) {
    return AppendText(logPath, line + "\r\n");
}

bool LogHasContent(const std::string& logPath) {
    const auto lines = ReadLeadingLines(logPath, 5);
    return lines && !lines->empty() && !lines->back().empty();
}

bool LogIsRecent(const std::string& logPath, const Clock& clock) {
    EnsureFileExists(logPath);
    const auto lastLine = ReadLastLine(logPath);
    if (!lastLine || lastLine->empty()) return false;
    const auto last =
        ParseDayMonthYearTime(CorrectDatumTijd(lastLine->substr(0, lastLine->find(':'))));
    if (!last) return false;
    const DateTime now = clock.utcNow();
    const int64_t nowMinutes =
        DaysFromCivil(now.year, now.month, now.day) * 1440 + now.hour * 60 + now.minute;
    return nowMinutes - *last <= 60;
}

}  // namespace flenmark
