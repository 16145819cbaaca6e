#include "platform/system_info.h"

#include <langinfo.h>
#include <locale.h>
#include <pwd.h>
#include <unistd.h>

#include <vector>

namespace flenmark {

std::string SystemUserName() {
    const long suggested = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(suggested > 0 ? static_cast<size_t>(suggested) : 16384);
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(geteuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found)
        return {};
    return found->pw_name ? std::string(found->pw_name) : std::string();
}

std::string SystemFormatOfTwoAndAHalf() {
    locale_t loc = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(nullptr));
    if (loc == static_cast<locale_t>(nullptr)) return "2.5";
    const char* radix = nl_langinfo_l(RADIXCHAR, loc);
    std::string text = std::string("2") + (radix && *radix ? radix : ".") + "5";
    freelocale(loc);
    return text;
}

}  // namespace flenmark
