#include <windows.h>

#include "base/win_text.h"
#include "platform/system_info.h"

namespace flenmark {

std::string SystemUserName() {
    wchar_t name[256];
    DWORD size = 256;
    return GetUserNameW(name, &size) && size > 0 ? Narrow(std::wstring(name, size - 1)) : "";
}

std::string SystemFormatOfTwoAndAHalf() {
    wchar_t separator[8] = {};
    if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8) <= 1) return "2.5";
    return "2" + Narrow(separator) + "5";
}

}  // namespace flenmark
