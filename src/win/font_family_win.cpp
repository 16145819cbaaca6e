#include "win/font_family_win.h"

namespace flenmark::win {

using namespace Gdiplus;

std::unique_ptr<FontFamily> AvailableFontFamily(std::initializer_list<const wchar_t*> names) {
    for (const wchar_t* name : names) {
        auto family = std::make_unique<FontFamily>(name);
        if (family->IsAvailable()) return family;
    }
    if (const FontFamily* generic = FontFamily::GenericSansSerif();
        generic && generic->IsAvailable())
        return std::unique_ptr<FontFamily>(generic->Clone());
    // The message font's name may be a substitute ("MS Shell Dlg"); the font made from it
    // knows the family it really got.
    auto family = std::make_unique<FontFamily>();
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
        HDC screen = GetDC(nullptr);
        const Font message(screen, &metrics.lfMessageFont);
        message.GetFamily(family.get());
        ReleaseDC(nullptr, screen);
    }
    return family;
}

}  // namespace flenmark::win
