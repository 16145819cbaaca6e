#pragma once

#include <string>

namespace flenmark {

class Http;
struct DateTime;

// True when the vendor's server says its online services are available ("1").
bool ProbeVendorOnline(Http& http);

// The operating system for the usage report; "Unknown" on Linux, as for every non-Windows system.
std::string getOSV();

// "/Submit.asp?App=...&User=...&TimeDate=...&Version=...&OS=...&Extra=...", values encoded.
std::string UsageReportQuery(const std::string& app, const std::string& user,
                             const std::string& timeDate, const std::string& version,
                             const std::string& os, const std::string& extra);

// Sends this run's usage report: the user, the local time, the simulator; the answer is not
// used and failures pass silently.
void SendUsageReport(Http& http, const std::string& userName, const DateTime& localNow,
                     const std::string& simulator);

}  // namespace flenmark
