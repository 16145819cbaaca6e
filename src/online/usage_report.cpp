#include "online/usage_report.h"

#include <cctype>
#include <cstdio>

#include "base/date_time.h"
#include "base/percent_encoding.h"
#include "online/embedded_version.h"
#include "online/vendor_address.h"
#include "online/version_file.h"
#include "platform/http.h"

namespace flenmark {

bool ProbeVendorOnline(Http& http) {
    const auto answer = http.fetch(VendorBaseUrl() + "/BrennetOnline.txt");
    return answer && *answer == "1";
}

std::string getOSV() {
    return "Unknown";
}

std::string UsageReportQuery(const std::string& app, const std::string& user,
                             const std::string& timeDate, const std::string& version,
                             const std::string& os, const std::string& extra) {
    return "/Submit.asp?App=" + PercentEncode(app) + "&User=" + PercentEncode(user) +
           "&TimeDate=" + PercentEncode(timeDate) + "&Version=" + PercentEncode(version) +
           "&OS=" + PercentEncode(os) + "&Extra=" + PercentEncode(extra);
}

void SendUsageReport(Http& http, const std::string& userName, const DateTime& localNow,
                     const std::string& simulator) {
    const DateTime& t = localNow;
    char when[32];
    std::snprintf(when, sizeof when, "%02d-%02d-%04d %02d:%02d", t.day, t.month, t.year % 10000,
                  t.hour, t.minute);
    const std::string query = UsageReportQuery(
        "Ornix", userName, when, DottedVersion(OwnVersionNumber()), getOSV(), simulator);
    http.fetch(VendorBaseUrl() + query);
}

}  // namespace flenmark
